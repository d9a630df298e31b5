#include "shell/FixEntryPanel.h"

#include "checks/AirportChecks.h"
#include "procedures/EntryRules.h"
#include "procedures/FixFieldText.h"
#include "reference/FixLookup.h"
#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "shell/EntryChecks.h"

#include <optional>

#include <cmath>

namespace shell {

namespace {

// Refuses the box when its check gave a message; true when the text passed.
bool passes(ui::TextBox& box, const std::string& message) {
    if (message.empty())
        return true;
    refuseBox(box, message);
    return false;
}

void checkName(ui::TextBox& box) {
    if (passes(box, procedures::checkName(box.text())) && !box.text().empty())
        box.setText(runtime::toUpper(box.text()));
}

// The minutes box keeps its rewritten text whether or not it is refused.
void checkMinutes(ui::TextBox& minutes, const procedures::MinutesCheck& check) {
    if (minutes.text().empty())
        return;
    minutes.setText(check.text);
    passes(minutes, check.message);
}

bool anyFilled(std::initializer_list<const ui::TextBox*> boxes) {
    for (const ui::TextBox* box : boxes)
        if (!box->text().empty())
            return true;
    return false;
}

float number(const std::string& text) {
    return static_cast<float>(runtime::val(text));
}

// The file keeps a fix's ID in parentheses; the box shows it without.
std::string storedID(const std::string& typed) {
    return typed.empty() ? typed : "(" + typed + ")";
}

} // namespace

void FixEntryPanel::setDesignState() {
    b_.name.setMaxLength(static_cast<int>(procedures::FixNameLength));
    b_.latDeg.setMaxLength(2);
    b_.latMin.setMaxLength(9);
    b_.longDeg.setMaxLength(3);
    b_.longMin.setMaxLength(9);
    b_.vor.setMaxLength(3);
    b_.heading.setMaxLength(3);
    b_.distance.setMaxLength(5);
    b_.name.setAccessibleName("Fix name");
    b_.id.setAccessibleName("Fix ID");
    b_.latDeg.setAccessibleName("Latitude degrees");
    b_.latMin.setAccessibleName("Latitude minutes");
    b_.longDeg.setAccessibleName("Longitude degrees");
    b_.longMin.setAccessibleName("Longitude minutes");
    b_.vor.setAccessibleName("VOR of the fix");
    b_.heading.setAccessibleName("Heading from the VOR");
    b_.distance.setAccessibleName("Distance from the VOR");
    b_.north.setCaption("North Lat");
    b_.south.setCaption("South Lat");
    b_.north.setValue(true);
    b_.east.setCaption("East Long");
    b_.west.setCaption("West Long");
    b_.west.setValue(true);
}

void FixEntryPanel::wire(bool degreesOnChange) {
    (degreesOnChange ? b_.latDeg.Change : b_.latDeg.LostFocus) = [this] { checkLatDegrees(); };
    b_.id.LostFocus = [this] { checkID(); };
    b_.latMin.LostFocus = [this] { checkLatMinutes(); };
    b_.longDeg.LostFocus = [this] { checkLongDegrees(); };
    b_.longMin.LostFocus = [this] { checkLongMinutes(); };
    b_.vor.LostFocus = [this] { checkVOR(); };
    b_.heading.LostFocus = [this] { checkHeading(); };
    b_.distance.LostFocus = [this] { checkDistance(); };
    for (ui::TextBox* box : {&b_.id, &b_.latDeg, &b_.latMin, &b_.longDeg, &b_.vor, &b_.heading})
        box->KeyPress = [this, box](int& key) {
            if (ui::TextBox* next = nextOnEnter(*box); next && key == ui::KeyEnter)
                next->setFocus();
        };
}

void FixEntryPanel::checkID() {
    checkName(b_.id);
}

void FixEntryPanel::checkVOR() {
    checkName(b_.vor);
}

void FixEntryPanel::checkLatDegrees() {
    passes(b_.latDeg, procedures::checkLatitudeDegrees(b_.latDeg.text()));
}

void FixEntryPanel::checkLatMinutes() {
    checkMinutes(b_.latMin, procedures::checkLatitudeMinutes(b_.latMin.text(), b_.latDeg.text()));
}

void FixEntryPanel::checkLongDegrees() {
    passes(b_.longDeg, procedures::checkLongitudeDegrees(b_.longDeg.text()));
}

void FixEntryPanel::checkLongMinutes() {
    checkMinutes(b_.longMin,
                 procedures::checkLongitudeMinutes(b_.longMin.text(), b_.longDeg.text()));
}

void FixEntryPanel::checkHeading() {
    passes(b_.heading, procedures::checkHeading(b_.heading.text()));
}

void FixEntryPanel::checkDistance() {
    passes(b_.distance, procedures::checkNumber(b_.distance.text()));
}

ui::TextBox* FixEntryPanel::nextOnEnter(const ui::TextBox& box) const {
    const std::pair<const ui::TextBox*, ui::TextBox*> chain[] = {
        {&b_.name, &b_.id},         {&b_.id, &b_.latDeg},       {&b_.latDeg, &b_.latMin},
        {&b_.latMin, &b_.longDeg},  {&b_.longDeg, &b_.longMin}, {&b_.vor, &b_.heading},
        {&b_.heading, &b_.distance}};
    for (const auto& [from, to] : chain)
        if (from == &box)
            return to;
    return nullptr;
}

void FixEntryPanel::show(const store::FixRecord& fix) {
    clear();
    b_.name.setText(fix.Name);
    b_.id.setText(procedures::StripParentheses(fix.TypeOfID));
    if (!fix.VOR.empty()) {
        b_.vor.setText(fix.VOR);
        b_.heading.setText(procedures::fixFieldText(fix.Heading));
        b_.distance.setText(procedures::fixFieldText(fix.VORDist));
    } else {
        b_.latDeg.setText(fix.LatDeg);
        b_.latMin.setText(fix.LatMin);
        b_.longDeg.setText(fix.LongDeg);
        b_.longMin.setText(fix.LongMin);
        (fix.HemLat == "N" ? b_.north : b_.south).setValue(true);
        (fix.HemLong == "W" ? b_.west : b_.east).setValue(true);
    }
    for (const ui::TextBox* box : textBoxes())
        shown_.emplace_back(box, box->text());
    shownNorth_ = b_.north.value();
    shownEast_ = b_.east.value();
}

void FixEntryPanel::clear() {
    // Enabled again too: a known fix taken with an altitude disables them.
    for (ui::TextBox* box : textBoxes()) {
        box->setText("");
        box->setEnabled(true);
    }
    shown_.clear();
    setHomeHemispheres(homeNorth_, homeEast_);
}

void FixEntryPanel::followAirport(const reference::AirportTable& airports,
                                  const std::string& icao) {
    if (icao == homeICAO_)
        return;
    homeICAO_ = icao;
    if (const auto airport = checks::findAirport(airports, icao))
        setHomeHemispheres(airport->AirportLat >= 0, airport->AirportLong >= 0);
}

bool FixEntryPanel::positionGiven() const {
    if (!b_.vor.text().empty())
        return !b_.heading.text().empty() && !b_.distance.text().empty();
    return !b_.latDeg.text().empty() && !b_.longDeg.text().empty();
}

bool FixEntryPanel::mayAddFix(const store::FixRecord& fix, const reference::AirportTable& airports,
                              const reference::NavaidTable& navaids) const {
    const auto airport = checks::findAirport(airports, homeICAO_);
    if (!airport || !positionGiven())
        return true;
    reference::ReferencePosition at = reference::fixCoordinates(fix);
    if (!fix.VOR.empty()) {
        reference::ReferencePosition navaid{airport->AirportLat, airport->AirportLong};
        if (!reference::LookUpNavaid(navaids, fix.VOR, navaid))
            return true;
        const auto p =
            reference::GreatCircleDestination(navaid.lat, navaid.lon, fix.Heading, fix.VORDist);
        at = {p.lat, p.lon};
    }
    const float miles =
        reference::GreatCircleDistance(airport->AirportLat, airport->AirportLong,
                                       static_cast<float>(at.lat), static_cast<float>(at.lon));
    if (miles <= reference::NavaidAcceptDistance)
        return true;
    return b_.name.form().MsgBox(
               "The fix " + fix.Name + " lies " + runtime::bareNumber(std::round(miles)) +
                   " NM from " + airport->AirportICAO + ".\r\n" +
                   "Is its hemisphere right? Add it anyway?",
               ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::Second) == ui::answers::Yes;
}

void FixEntryPanel::setHomeHemispheres(bool north, bool east) {
    homeNorth_ = north;
    homeEast_ = east;
    (north ? b_.north : b_.south).setValue(true);
    (east ? b_.east : b_.west).setValue(true);
}

void FixEntryPanel::setEnabled(bool enabled) {
    for (ui::TextBox* box : textBoxes())
        if (box != &b_.id)
            box->setEnabled(enabled);
}

bool FixEntryPanel::positionComplete() const {
    const bool lat = anyFilled({&b_.latDeg, &b_.latMin});
    const bool lon = anyFilled({&b_.longDeg, &b_.longMin});
    const bool vor = !b_.vor.text().empty();
    const auto missing = [](ui::TextBox& box, const std::string& message) {
        box.form().MsgBox(message);
        box.setFocus();
        return false;
    };
    if (lat && !lon)
        return missing(b_.longDeg, "You must supply a Longitude.");
    if (lon && !lat)
        return missing(b_.latDeg, "You must supply a Latitude.");
    if (vor && b_.heading.text().empty())
        return missing(b_.heading, "You must supply a heading for the VOR");
    if (vor && b_.distance.text().empty())
        return missing(b_.distance, "You must supply a distance for the VOR");
    return true;
}

store::FixRecord FixEntryPanel::newFix() const {
    store::FixRecord fix;
    fix.TypeOfID = storedID(b_.id.text());
    if (anyFilled({&b_.latDeg, &b_.latMin, &b_.longDeg, &b_.longMin})) {
        fix.HemLat = b_.north.value() ? 'N' : 'S';
        fix.HemLong = b_.east.value() ? 'E' : 'W';
        fix.LatDeg = b_.latDeg.text();
        fix.LatMin = b_.latMin.text();
        fix.LongDeg = b_.longDeg.text();
        fix.LongMin = b_.longMin.text();
    } else if (!b_.vor.text().empty()) {
        fix.VOR = b_.vor.text();
        fix.VORDist = number(b_.distance.text());
        fix.Heading = number(b_.heading.text());
    }
    // Of a whole position an empty part is zero; a half one stays as typed,
    // for the fix catalogue to refuse.
    if (anyFilled({&b_.latDeg, &b_.latMin}) && anyFilled({&b_.longDeg, &b_.longMin}))
        procedures::settlePosition(fix);
    return fix;
}

procedures::FixChanges FixEntryPanel::changes() const {
    const auto changed = [this](const ui::TextBox& box) -> std::optional<std::string> {
        for (const auto& [shownBox, text] : shown_)
            if (shownBox == &box)
                return box.text() == text ? std::nullopt : std::optional(box.text());
        return box.text();
    };
    procedures::FixChanges c;
    c.name = changed(b_.name);
    if (const auto id = changed(b_.id))
        c.typeOfID = storedID(*id);
    c.vor = changed(b_.vor);
    c.latDeg = changed(b_.latDeg);
    c.latMin = changed(b_.latMin);
    c.longDeg = changed(b_.longDeg);
    c.longMin = changed(b_.longMin);
    if (const auto heading = changed(b_.heading))
        c.heading = number(*heading);
    if (const auto distance = changed(b_.distance))
        c.distance = number(*distance);
    // Hemispheres count with the coordinates they belong to.
    if (b_.north.value() != shownNorth_ || c.latDeg || c.latMin || c.longDeg || c.longMin)
        c.hemLat = std::string(1, b_.north.value() ? 'N' : 'S');
    if (b_.east.value() != shownEast_ || c.latDeg || c.latMin || c.longDeg || c.longMin)
        c.hemLong = std::string(1, b_.east.value() ? 'E' : 'W');
    return c;
}

std::vector<ui::TextBox*> FixEntryPanel::textBoxes() const {
    return {&b_.name,    &b_.id,  &b_.latDeg,  &b_.latMin,  &b_.longDeg,
            &b_.longMin, &b_.vor, &b_.heading, &b_.distance};
}

} // namespace shell
