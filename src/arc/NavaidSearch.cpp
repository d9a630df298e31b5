#include "arc/NavaidSearch.h"

#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
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
    double degrees = std::trunc(a);
    // A ten-thousandth of a minute is 20 cm: the digits past it are the
    // table's rounding of degrees (8.848333 is 50.89998', meant as 50.9').
    double rounded = std::round((a - degrees) * 60 * 1e4) / 1e4;
    if (rounded >= 60) {
        degrees += 1;
        rounded = 0;
    }
    std::string minutes = runtime::formatMinutes(rounded);
    minutes.resize(MinutesWidth, ' ');

    std::string caption(1, exact >= 0 ? positive : negative);
    caption += wholeText(degrees);
    caption += ' ';
    caption += minutes;
    caption += suffix;
    return caption;
}

std::vector<std::string> searchLines(const reference::NavaidTable& navaids,
                                     const std::vector<std::int32_t>& rows,
                                     const reference::AirportRecord* airport) {
    std::vector<std::string> lines;
    for (const std::int32_t row : rows) {
        const reference::NavaidRecord& n = navaids[row];
        std::string line =
            n.NavaidID + "  " + runtime::trim(coordinateCaption(n.NavaidLat, 'N', 'S', "")) + " " +
            runtime::trim(coordinateCaption(n.NavaidLong, 'E', 'W', "")) + "  " +
            (n.NavaidFreq == 0 ? std::string("no frequency")
                               : runtime::trim(runtime::printedNumber(n.NavaidFreq)));
        if (airport != nullptr) {
            line += "  " +
                    runtime::bareNumber(std::round(reference::GreatCircleDistance(
                        airport->AirportLat, airport->AirportLong, n.NavaidLat, n.NavaidLong))) +
                    " NM from " + airport->AirportICAO;
            reference::ReferencePosition at{airport->AirportLat, airport->AirportLong};
            if (reference::LookUpNavaid(navaids, n.NavaidID, at) &&
                static_cast<float>(at.lat) == n.NavaidLat &&
                static_cast<float>(at.lon) == n.NavaidLong)
                line += "  (used)";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace arc
