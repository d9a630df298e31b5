#pragma once

#include "procedures/FixChanges.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "store/Records.h"
#include "ui/Forms.h"

#include <string>
#include <utility>
#include <vector>

namespace shell {

// The boxes of one screen that define a fix: by latitude and longitude, or
// by a navaid's radial and distance.
struct FixBoxes {
    ui::TextBox& name;
    ui::TextBox& id;
    ui::TextBox& latDeg;
    ui::TextBox& latMin;
    ui::OptionButton& north;
    ui::OptionButton& south;
    ui::TextBox& longDeg;
    ui::TextBox& longMin;
    ui::OptionButton& east;
    ui::OptionButton& west;
    ui::TextBox& vor;
    ui::TextBox& heading;
    ui::TextBox& distance;
};

// The fix boxes' rules, the same on every screen that has them: the checks
// made when a box is left, the Enter-key chain, showing a stored fix and
// reading the boxes back as a new fix or as the changes to the one shown.
class FixEntryPanel {
public:
    explicit FixEntryPanel(FixBoxes boxes) : b_(boxes) {}

    // The boxes' length limits and the options' captions and first values.
    void setDesignState();

    // Wires the checks to the boxes' LostFocus and KeyPress events; the name
    // box's events stay with the screen. `degreesOnChange` checks the
    // latitude degrees at every keystroke instead of when the box is left.
    void wire(bool degreesOnChange = false);

    // The checks; each refuses its box with the message and selects its text.
    void checkID();
    void checkVOR();
    void checkLatDegrees();
    void checkLatMinutes();
    void checkLongDegrees();
    void checkLongMinutes();
    void checkHeading();
    void checkDistance();
    // The next box of the Enter-key chain after `box`, or null.
    ui::TextBox* nextOnEnter(const ui::TextBox& box) const;

    // Shows `fix`, remembering what each box showed.
    void show(const store::FixRecord& fix);
    // Empties and enables the boxes; nothing is shown any more.
    void clear();
    // The hemisphere options open on the airport's own hemispheres, and go
    // back to them whenever the boxes are cleared.
    void setHomeHemispheres(bool north, bool east);
    // The same from the airport's position, when the airport is another
    // than the last one followed; forgetAirport() when the screen reopens.
    void followAirport(const reference::AirportTable& airports, const std::string& icao);
    void forgetAirport() { homeICAO_.clear(); }
    // A new fix more than 200 NM from the airport followed (a wrong
    // hemisphere is the usual cause) is added only when the user says so;
    // true to go on. A fix whose place cannot be worked out is not asked for.
    // The boxes give a whole position (asks nothing, unlike positionComplete).
    bool positionGiven() const;
    bool mayAddFix(const store::FixRecord& fix, const reference::AirportTable& airports,
                   const reference::NavaidTable& navaids) const;
    void setEnabled(bool enabled);

    // The position boxes hold a whole position; false after the message of
    // the first that does not, with the focus in the box to fill.
    bool positionComplete() const;
    // The boxes as the definition of a new fix, its name not included.
    store::FixRecord newFix() const;
    // The boxes the user changed since show().
    procedures::FixChanges changes() const;

private:
    std::vector<ui::TextBox*> textBoxes() const;

    FixBoxes b_;
    std::vector<std::pair<const ui::TextBox*, std::string>> shown_;
    bool shownNorth_ = true;
    bool shownEast_ = false;
    bool homeNorth_ = true;
    bool homeEast_ = false;
    std::string homeICAO_;
};

} // namespace shell
