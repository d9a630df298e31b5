#pragma once

#include "map/MapBuilder.h"
#include "shell/Module1.h"
#include "ui/Forms.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace shell {

// The map beside an editor's list and its variation box, the same on both
// editors: the screen says what it shows, the panel draws it, keeps the
// variation of each airport and lets a click on a point select its line.
class MapPanel {
public:
    struct Controls {
        ui::MapView& map;
        ui::TextBox& variation;
        ui::Label& caption;
    };
    MapPanel(Controls controls, Module1& m) : c_(controls), m_(m) {}

    void setDesignState();
    // A click on a point selects its line of `list` and runs the list's
    // click as the user's own would.
    void wire(ui::ListBox& list, std::function<void()> listClick);
    // Draws the tables for the airport in `icao`, the focus's route strong.
    void refresh(const std::string& icao, const map::MapTables& tables, const map::MapFocus& focus);

private:
    void variationEntered();

    Controls c_;
    Module1& m_;
    std::string icao_;
    std::optional<reference::AirportRecord> airport_; // icao_'s, looked up once
    std::map<std::string, std::vector<map::MapPoint>> nearby_;
};

// "15 E", "15.5W", "-3" (west), "0": degrees east positive; false when the
// text is none of these or beyond 180.
bool parseVariation(const std::string& text, double& east);

// The variations the user set, an airport a line ("KSEA 15.5").
std::map<std::string, double> readVariations(const std::string& content);
std::string writeVariations(const std::map<std::string, double>& variations);

} // namespace shell
