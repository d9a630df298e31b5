#include "store/AirportWriter.h"
#include "store/ProcedureSpans.h"

#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "runtime/TextFiles.h"
#include "store/FixSort.h"

namespace store {

namespace {

constexpr int TitleWidth = 43;

std::string centringSpaces(std::size_t textLength) {
    const long room = TitleWidth - static_cast<long>(textLength);
    return room >= 2 ? std::string(static_cast<std::size_t>(room / 2), ' ') : std::string();
}

void printTitle(runtime::LineWriter& out, const FileHeader& header) {
    out.print("//" + centringSpaces(header.icao.size() + header.airportName.size() + 3) +
              header.icao + " - " + header.airportName);
    if (!header.authorName.empty()) {
        out.print("//      Terminal Procedures Created by");
        out.print("//" + centringSpaces(header.authorName.size()) + header.authorName);
    }
    out.print("//  Generated " + header.dateText + " by Vextrel V" + "1.0");
    out.print("");
}

// A printed number as an operand: a negative one gets a space of its own so
// it stays apart from the token before it.
std::string numberOperand(float value) {
    const std::string printed = runtime::printedNumber(value);
    return printed[0] == '-' ? " " + printed : printed;
}

// Only an altitude the reader takes for one is written; anything else would
// make the file unreadable.
std::string altitude(const std::string& alt) {
    std::string trimmed = runtime::trim(alt);
    return runtime::isNumeric(trimmed) ? trimmed : std::string();
}

std::string fixLine(const FixRecord& fix) {
    std::string line = "FIX " + fix.Name;
    if (!fix.TypeOfID.empty())
        line += " ID " + fix.TypeOfID;
    if (!fix.VOR.empty())
        return line + " COLOCATED " + fix.VOR + numberOperand(fix.Heading) +
               numberOperand(fix.VORDist);
    return line + " LATLON " + fix.HemLat + " " + fix.LatDeg + " " + runtime::trimLeft(fix.LatMin) +
           " " + fix.HemLong + " " + fix.LongDeg + " " + runtime::trim(fix.LongMin);
}

void printFixes(runtime::LineWriter& out, const FixTable& fixes) {
    out.print("FIXES");
    for (int i = 1; !fixes.rowOrEmpty(i).Name.empty(); ++i)
        out.print(fixLine(fixes[i]));
    out.print("ENDFIXES");
    out.print("");
}

// The header line carries the end point and up to four waypoints, each
// continuation line up to five, a FROM line its start point and four more.
void printRunway(runtime::LineWriter& out, const RunwayTable& runways, int first, int end) {
    const RunwayWaypoint* eop = nullptr;
    for (int i = first; i < end && !eop; ++i) {
        const RunwayWaypoint& row = runways[i];
        if (row.EOP != False && (!row.Navaid.empty() || !row.FIX.empty()))
            eop = &row;
    }
    // Without an end point the runway cannot be written so that it reads back.
    if (!eop)
        return;
    std::string line = "RNW " + runways[first].ID + " " +
                       (eop->Navaid.empty() ? "FIX " + eop->FIX : "NAVAID " + eop->Navaid) + " ";
    if (const std::string alt = altitude(eop->Alt); !alt.empty())
        line += alt + " ";
    int onLine = 0;
    for (int i = first; i < end; ++i) {
        const RunwayWaypoint& row = runways[i];
        if (row.EOP != False || (row.FIX.empty() && row.Navaid.empty()))
            continue;
        if (row.FROM != False) {
            out.print(line);
            line = "   FROM " + (row.FIX.empty() ? row.Navaid : row.FIX) + " ";
            onLine = 0;
        } else {
            if (++onLine > 4) {
                out.print(line);
                line = "        ";
                onLine = 0;
            }
            line += row.FIX.empty() ? "NAVAID " + row.Navaid + " " : "FIX " + row.FIX + " ";
        }
        if (const std::string alt = altitude(row.Alt); !alt.empty())
            line += alt + " ";
    }
    out.print(line);
}

void printRunways(runtime::LineWriter& out, const RunwayTable& runways) {
    out.print("RNWS");
    for (const RowSpan& span : runwaySpans(runways))
        printRunway(out, runways, span.first, span.end);
    out.print("ENDRNWS");
    out.print("");
}

// One SID row as legs; empty when the row holds no leg the file can carry.
std::string sidLegs(const SIDWaypoint& row) {
    std::string legs;
    if (!row.InterceptHeading.empty() && !row.InterceptToFrom.empty() &&
        (!row.InterceptFix.empty() || !row.InterceptNavaid.empty()))
        legs += " INTERCEPT " + row.InterceptHeading + " " + row.InterceptToFrom +
                (row.InterceptFix.empty() ? " NAVAID " + row.InterceptNavaid
                                          : " FIX " + row.InterceptFix);
    if (!row.OnHeadAlt.empty()) {
        legs += " ONHDG " + row.OnHeadAlt;
        if (!row.OnHeadDist.empty())
            legs += " NOT BEFORE " + row.OnHeadDist;
    }
    if (!row.Fix.empty())
        legs += " FIX " + row.Fix;
    else if (!row.VOR.empty())
        legs += " NAVAID " + row.VOR;
    if (legs.empty())
        return legs;
    if (row.Float != False)
        legs += " FLOAT";
    if (const std::string alt = altitude(row.Alt); !alt.empty())
        legs += " " + alt;
    return legs;
}

void printSIDs(runtime::LineWriter& out, const SIDTable& sids) {
    out.print("SIDS");
    for (const RowSpan& span : sidSpans(sids)) {
        const SIDWaypoint& head = sids[span.first];
        std::string legs;
        for (int row = span.first; row < span.end; ++row)
            legs += sidLegs(sids[row]);
        // A SID without a leg would lend its name and runways to the next one.
        if (!legs.empty()) {
            std::string line = "SID " + head.Name;
            for (int slot = 1; slot <= 8 && !head.runway(slot).empty(); ++slot)
                line += " RNW " + head.runway(slot);
            out.print(line + legs);
        }
    }
    out.print("ENDSIDS");
    out.print("");
}

void printSTARs(runtime::LineWriter& out, const ProcedureStore& store,
                ProcedureCounters& counters) {
    out.print("STARS");
    const STARTable& stars = store.STARs;
    counters.STARNumber = 1;
    counters.STARRunwaySlot = 1;
    for (const RowSpan& span : starSpans(stars)) {
        const STARWaypoint& head = stars[span.first];
        std::string legs;
        for (int i = span.first; i < span.end; ++i) {
            const STARWaypoint& row = stars.rowOrEmpty(i);
            if (!row.Fix.empty())
                legs += " FIX " + row.Fix;
            else if (!row.VOR.empty())
                legs += " NAVAID " + row.VOR;
            else
                continue;
            if (row.Float != False)
                legs += " FLOAT";
            if (const std::string alt = altitude(row.Alt); !alt.empty())
                legs += " " + alt;
        }
        std::string runways;
        for (;;) {
            const std::string& cell =
                store.STARRunways.cellOrEmpty(counters.STARNumber, counters.STARRunwaySlot);
            if (cell.empty())
                break;
            runways += " RNW " + cell;
            ++counters.STARRunwaySlot;
        }
        // A STAR line without legs would shift the runways of the STARs after it.
        if (!legs.empty())
            out.print("STAR " + head.Name + legs + runways);
        ++counters.STARNumber;
        counters.STARRunwaySlot = 1;
    }
    out.print("ENDSTARS");
}

} // namespace

std::string PrintTheSidStarFile(ProcedureStore& store, ProcedureCounters& counters,
                                const FileHeader& header) {
    runtime::LineWriter out;
    printTitle(out, header);
    SortFixArray(store);
    printFixes(out, store.Fixes);
    printRunways(out, store.Runways);
    printSIDs(out, store.SIDs);
    printSTARs(out, store, counters);
    return out.content();
}

void writeAirportFile(const std::filesystem::path& file, const std::string& content) {
    runtime::writeFileReplacing(file, content);
}

} // namespace store
