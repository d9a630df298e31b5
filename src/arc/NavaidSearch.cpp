#include "arc/NavaidSearch.h"

#include "runtime/Numbers.h"
#include "runtime/Text.h"

#include <cmath>

namespace arc {

namespace {

constexpr std::size_t MinutesWidth = 9;

std::string wholeText(double value) {
    return runtime::trimLeft(runtime::printedNumber(value));
}

} // namespace

std::vector<std::int32_t> searchNavaids(const reference::NavaidTable& navaids,
                                        std::string_view identifier) {
    std::vector<std::int32_t> rows;
    const reference::NavaidRange range = navaids.rangeFor(identifier);
    for (std::int32_t row = range.first; row <= range.last && navaids.fits(row); ++row)
        if (runtime::trim(navaids[row].NavaidID) == identifier)
            rows.push_back(row);
    return rows;
}

std::string coordinateCaption(float value, char positive, char negative, std::string_view suffix) {
    // Through the value's own decimal text, so 47.45 stays 47.45 and does
    // not become 47.4500007.
    const double exact = runtime::val(runtime::printedNumber(value));
    const double a = std::fabs(exact);
    const double degrees = std::trunc(a);
    std::string minutes = runtime::formatMinutes((a - degrees) * 60);
    minutes.resize(MinutesWidth, ' ');

    std::string caption(1, exact >= 0 ? positive : negative);
    caption += wholeText(degrees);
    caption += ' ';
    caption += minutes;
    caption += suffix;
    return caption;
}

} // namespace arc
