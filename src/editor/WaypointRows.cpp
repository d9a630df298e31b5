#include "editor/WaypointRows.h"

namespace editor {

std::string sidLineName(const store::SIDWaypoint& row) {
    for (const std::string* text : {&row.VOR, &row.Fix, &row.InterceptFix, &row.InterceptNavaid})
        if (!text->empty())
            return *text;
    return "ONHDG";
}

std::string sidLineText(const store::SIDWaypoint& row) {
    const std::string& target = row.InterceptFix.empty() ? row.InterceptNavaid : row.InterceptFix;
    if (target.empty())
        return sidLineName(row);
    const std::string intercept =
        "INTERCEPT " + row.InterceptHeading + " " + row.InterceptToFrom + " " + target;
    if (row.VOR.empty() && row.Fix.empty())
        return intercept;
    return sidLineName(row) + "  (" + intercept + ")";
}

std::string starLineText(const store::STARWaypoint& row) {
    return row.Fix.empty() ? row.VOR : row.Fix;
}

} // namespace editor
