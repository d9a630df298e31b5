#include "editor/WaypointRows.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace editor {

std::string sidLineText(const store::SIDWaypoint& row) {
    for (const std::string* text : {&row.VOR, &row.Fix, &row.InterceptFix, &row.InterceptNavaid})
        if (!text->empty())
            return *text;
    return "ONHDG";
}

std::string starLineText(const store::STARWaypoint& row) {
    return row.Fix.empty() ? row.VOR : row.Fix;
}

float toSingle(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double limit = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -limit, limit));
}

} // namespace editor
