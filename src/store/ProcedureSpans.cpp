#include "store/ProcedureSpans.h"

namespace store {

std::vector<RowSpan> sidSpans(const SIDTable& sids) {
    std::vector<RowSpan> spans;
    int first = 1;
    while (!sids.rowOrEmpty(first).Name.empty()) {
        const std::string& name = sids[first].Name;
        int end = first;
        while (sids.rowOrEmpty(end).Name == name)
            if (sids[end++].EndOfRunway != False)
                break;
        spans.push_back({first, end});
        first = end;
    }
    return spans;
}

std::vector<RowSpan> starSpans(const STARTable& stars) {
    std::vector<RowSpan> spans;
    int first = 1;
    while (!stars.rowOrEmpty(first).Name.empty()) {
        const STARWaypoint& head = stars[first];
        int rows = head.Elements;
        if (rows < 1) {
            rows = 1;
            while (stars.rowOrEmpty(first + rows).Name == head.Name)
                ++rows;
        }
        spans.push_back({first, first + rows});
        first += rows;
    }
    return spans;
}

std::vector<RowSpan> runwaySpans(const RunwayTable& runways) {
    std::vector<RowSpan> spans;
    int first = 1;
    while (!runways.rowOrEmpty(first).ID.empty()) {
        int end = first + 1;
        while (runways.rowOrEmpty(end).ID == runways[first].ID)
            ++end;
        spans.push_back({first, end});
        first = end;
    }
    return spans;
}

} // namespace store
