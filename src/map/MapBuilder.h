#pragma once

#include "map/Drawing.h"
#include "map/Geodesy.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "reference/UserFixTable.h"
#include "store/ProcedureStore.h"

#include <optional>
#include <string>
#include <vector>

namespace map {

enum class RouteKind { SID, STAR, Feeder };

// The tables a map is drawn from: the airport's, or for feeders the
// transition editor's working tables.
struct MapTables {
    const store::ProcedureStore* store = nullptr;
    const store::RunwayTable* feederRows = nullptr;
    int feederRowCount = 0;
    const store::FixTable* feederFixes = nullptr;
    int feederFixCount = 0;
    const reference::NavaidTable* navaids = nullptr;
    const reference::UserFixTable* userFixes = nullptr;
};

// What the screen shows: the kind of route, the first row of the one on
// screen (a SID's or STAR's first row, a feeder's first working row), the
// runway of the feeders, and the list line selected (-1: none).
struct MapFocus {
    RouteKind kind = RouteKind::STAR;
    int firstRow = 0;
    std::string runway;
    int selectedLine = -1;
};

struct MapRequest {
    MapTables tables;
    std::optional<reference::AirportRecord> airport;
    double variation = 0; // degrees, east positive: true = magnetic + variation
    MapFocus focus;
    // Navaids with a frequency near the airport (nearbyNavaids), drawn faint.
    const std::vector<MapPoint>* nearby = nullptr;
};

Drawing buildMap(const MapRequest& request);

// The navaids with a frequency within `miles` of the airport, as faint points.
std::vector<MapPoint> nearbyNavaids(const reference::NavaidTable& navaids,
                                    const reference::AirportRecord& airport, double miles = 45);

// "Variation 15° E", "Variation 0° (not set)".
std::string variationCaption(double variation, bool set);

} // namespace map
