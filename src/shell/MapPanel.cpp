#include "shell/MapPanel.h"

#include "checks/AirportChecks.h"
#include "runtime/DecimalText.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"

#include <cmath>

namespace shell {

namespace {

const char* const VariationFile = "MapVariations.txt";
const int Enter = 13;

} // namespace

bool parseVariation(const std::string& text, double& east) {
    std::string t = runtime::toUpper(runtime::trim(text));
    double sign = 1;
    if (!t.empty() && (t.back() == 'E' || t.back() == 'W')) {
        sign = t.back() == 'W' ? -1 : 1;
        t = runtime::trim(t.substr(0, t.size() - 1));
    }
    double value = 0;
    if (t.empty() || !runtime::parseDecimal(t, value) || (sign < 0 && value < 0) ||
        std::fabs(value) > 180)
        return false;
    east = sign * value;
    return true;
}

std::map<std::string, double> readVariations(const std::string& content) {
    std::map<std::string, double> out;
    runtime::LineReader lines(content);
    while (!lines.atEnd()) {
        const std::string line = lines.readLine();
        const auto space = line.find(' ');
        double value = 0;
        if (space != std::string::npos &&
            runtime::parseDecimal(runtime::trim(line.substr(space + 1)), value))
            out[line.substr(0, space)] = value;
    }
    return out;
}

std::string writeVariations(const std::map<std::string, double>& variations) {
    std::string out;
    for (const auto& [icao, value] : variations)
        out += icao + " " + runtime::bareNumber(value) + "\r\n";
    return out;
}

void MapPanel::setDesignState() {
    c_.variation.setMaxLength(8);
    c_.variation.setAccessibleName("Magnetic variation");
    c_.caption.setCaption(map::variationCaption(0, false));
}

void MapPanel::wire(ui::ListBox& list, std::function<void()> listClick) {
    c_.map.PointClick = [&list, click = std::move(listClick)](int line) {
        if (line >= list.ListCount())
            return;
        list.setListIndex(line);
        click();
    };
    c_.variation.LostFocus = [this] { variationEntered(); };
    c_.variation.KeyPress = [this](int& key) {
        if (key == Enter) {
            key = 0;
            variationEntered();
        }
    };
}

void MapPanel::variationEntered() {
    const std::string text = c_.variation.text();
    double east = 0;
    if (text.empty() || icao_.empty())
        return;
    if (!parseVariation(text, east)) {
        c_.variation.form().MsgBox("Enter the variation in degrees, E or W (for example 15.5 E).");
        c_.variation.setFocus();
        c_.variation.selectAll();
        return;
    }
    const auto file = c_.map.app().folders().settings / VariationFile;
    auto all = m_.MapVariations;
    all[icao_] = east;
    try {
        runtime::writeFileReplacing(file, writeVariations(all));
    } catch (const std::exception& e) {
        c_.variation.form().MsgBox("The variation cannot be kept in " + file.string() + ": " +
                                   e.what());
    }
    m_.MapVariations = std::move(all);
}

void MapPanel::refresh(const std::string& icao, const map::MapTables& tables,
                       const map::MapFocus& focus) {
    if (icao != icao_) {
        icao_ = icao;
        airport_ = checks::findAirport(m_.AirportTable, icao);
        if (!m_.MapVariationsRead) {
            m_.MapVariationsRead = true;
            try {
                m_.MapVariations = readVariations(
                    runtime::readWholeFile(c_.map.app().folders().settings / VariationFile));
            } catch (const std::exception&) {
                // None kept yet.
            }
        }
        const auto it = m_.MapVariations.find(icao);
        c_.variation.setText(it == m_.MapVariations.end() ? "" : runtime::bareNumber(it->second));
    }
    const auto variation = m_.MapVariations.find(icao);
    const bool set = variation != m_.MapVariations.end();
    const double east = set ? variation->second : 0;
    c_.caption.setCaption(map::variationCaption(east, set));
    // Drawn when the map is painted (or a test asks), from the tables as
    // they are then.
    c_.map.setSource([this, tables, focus, east, set] {
        map::MapRequest request;
        request.tables = tables;
        request.airport = airport_;
        request.focus = focus;
        request.variation = east;
        if (request.airport) {
            auto cached = nearby_.find(icao_);
            if (cached == nearby_.end())
                cached =
                    nearby_.emplace(icao_, map::nearbyNavaids(m_.NavaidTable, *request.airport))
                        .first;
            request.nearby = &cached->second;
        }
        map::Drawing drawing = map::buildMap(request);
        drawing.variationCaption = map::variationCaption(east, set);
        return drawing;
    });
}

} // namespace shell
