#include "editor/WaypointRows.h"

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

} // namespace editor
