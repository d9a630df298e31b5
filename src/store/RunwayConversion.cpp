#include "store/RunwayConversion.h"

namespace store {

ConversionResult ConvertRWArray(RunwayTable& runways) {
    RunwayTable scratch;
    auto id = [&](int row) -> const std::string& { return runways.rowOrEmpty(row).ID; };
    int out = 1;
    int i = 1;
    while (!id(i).empty()) {
        const RunwayWaypoint& header = runways[i];
        RunwayWaypoint eop;
        eop.ID = header.ID;
        eop.Alt = header.Alt;
        if (!header.FIX.empty())
            eop.FIX = header.FIX;
        else
            eop.Navaid = header.Navaid;
        eop.EOP = True;
        ++i;
        for (;;) {
            if (!id(i).empty() && id(i) == id(i - 1)) {
                // The first row of a branch is copied even when it is the FROM row.
                do {
                    if (!RunwayTable::fits(out))
                        return {false, i};
                    scratch[out++] = runways[i++];
                } while (!id(i).empty() && id(i) == id(i - 1) &&
                         runways.rowOrEmpty(i).FROM == False);
            }
            if (!RunwayTable::fits(out))
                return {false, i - 1};
            scratch[out] = eop;
            ++out;
            if (id(i) != id(i - 1))
                break;
        }
    }
    // Row `out` of the scratch table is empty and becomes the terminator;
    // past the capacity the end of the table is the terminator.
    for (int row = 1; row <= out && RunwayTable::fits(row); ++row)
        runways[row] = std::move(scratch[row]);
    return {};
}

} // namespace store
