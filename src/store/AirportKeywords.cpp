#include "store/AirportParser.h"

#include "runtime/DecimalText.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace store {

namespace {

// A COLOCATED bearing or distance: a plain decimal, or the exponent form the
// writer prints for very large or small values, within single precision.
bool readSingle(const std::string& text, float& value) {
    double parsed = 0;
    // parseDecimal skips white space before a number; a token keeps it.
    const char first = text.empty() ? ' ' : text.front();
    const bool starts =
        (first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.';
    if (!starts || !runtime::parseDecimal(text, parsed) ||
        std::fabs(parsed) > double(std::numeric_limits<float>::max()))
        return false;
    value = static_cast<float>(parsed);
    return true;
}

} // namespace

void AirportParser::setSection(FileSection section) {
    // The procedure on this line would be finished under another section.
    if (touchesProcedure() || sidLegsInLine_ > 0 || starLegsInLine_ > 0)
        refuse("changes the section in the middle of a procedure line.");
    section_ = section;
}

void AirportParser::requireSection(FileSection section, const char* name) {
    if (section_ != section)
        refuse("has " + keyword_ + " outside the " + name + " section.");
}

void AirportParser::onNavaid() {
    const std::string name =
        operand(section_ != FileSection::None && section_ != FileSection::Fixes);
    switch (section_) {
    case FileSection::Runways:
        addRunwayRow().Navaid = name;
        break;
    case FileSection::SIDs: {
        SIDWaypoint& row = legRow();
        row.VOR = name;
        row.Alt.clear();
        completeSIDRow(row);
        break;
    }
    case FileSection::STARs: {
        STARWaypoint& row = addSTARRow();
        row.VOR = name;
        row.Alt.clear();
        break;
    }
    default:
        break;
    }
}

void AirportParser::onFrom() {
    requireSection(FileSection::Runways, "RNWS");
    const std::string name = operand(true);
    RunwayWaypoint& row = addRunwayRow();
    row.FROM = True;
    // Fix or navaid is decided once the whole file is read.
    row.Navaid = name;
}

void AirportParser::onLatLon() {
    FixRecord& fix = lastFix();
    // The file gives a fix one position; the other would be lost on saving.
    if (!fix.VOR.empty())
        refuse("gives the fix " + runtime::clipped(fix.Name) + " both COLOCATED and LATLON.");
    fix.HemLat = operand();
    fix.LatDeg = operand();
    fix.LatMin = operand();
    fix.HemLong = operand();
    fix.LongDeg = operand();
    fix.LongMin = operand();
}

void AirportParser::onColocated() {
    FixRecord& fix = lastFix();
    if (!fix.HemLat.empty() || !fix.LatDeg.empty() || !fix.LatMin.empty() || !fix.HemLong.empty() ||
        !fix.LongDeg.empty() || !fix.LongMin.empty())
        refuse("gives the fix " + runtime::clipped(fix.Name) + " both LATLON and COLOCATED.");
    const std::string vor = operand();
    float heading = 0;
    float distance = 0;
    for (float* value : {&heading, &distance}) {
        if (!readSingle(operand(), *value))
            refuse("has a COLOCATED bearing or distance that is not a number (" +
                   runtime::clipped(token_) + ").");
    }
    fix.VOR = vor;
    fix.Heading = heading;
    fix.VORDist = distance;
}

void AirportParser::onId() {
    lastFix().TypeOfID = operand();
}

void AirportParser::onFloat() {
    if (section_ == FileSection::SIDs || section_ == FileSection::STARs)
        procedureTouchedInLine_ = true;
    if (section_ == FileSection::SIDs) {
        lastLegRow().Float = True;
        if (reopened_)
            closeReopenedRow();
    } else if (section_ == FileSection::STARs) {
        lastSTARRow().Float = True;
    }
}

void AirportParser::onAltitude() {
    if (section_ == FileSection::SIDs || section_ == FileSection::STARs)
        procedureTouchedInLine_ = true;
    switch (section_) {
    case FileSection::Runways:
        if (runwayCount_ < 1)
            refuse("has " + keyword_ + " before the first RNW.");
        store_.Runways[runwayCount_].Alt = keyword_;
        break;
    case FileSection::SIDs:
        lastLegRow().Alt = keyword_;
        if (reopened_)
            closeReopenedRow();
        break;
    case FileSection::STARs:
        lastSTARRow().Alt = keyword_;
        break;
    default:
        break;
    }
}

void AirportParser::onFix() {
    store_.FixesDefined = True;
    const std::string name = operand(section_ != FileSection::None);
    switch (section_) {
    case FileSection::Fixes:
        if (fixCount_ >= FixCapacity)
            refuseFull("would need more than " + std::to_string(FixCapacity) + " fixes.");
        ++fixCount_;
        store_.Fixes[fixCount_].Name = name;
        break;
    case FileSection::Runways:
        addRunwayRow().FIX = name;
        break;
    case FileSection::SIDs: {
        SIDWaypoint& row = legRow();
        row.Fix = name;
        completeSIDRow(row);
        break;
    }
    case FileSection::STARs: {
        STARWaypoint& row = addSTARRow();
        row.Fix = name;
        row.Alt.clear();
        break;
    }
    default:
        break;
    }
}

void AirportParser::onSid() {
    requireSection(FileSection::SIDs, "SIDS");
    const std::string name = operand(true);
    if (procedureNamedInLine_ || sidLegsInLine_ > 0)
        refuse("has a second SID on one line.", name);
    procedureNamedInLine_ = true;
    if (sidRowNext_ == 0)
        sidRowNext_ = 1;
    sidRowAt(sidRowNext_).Name = name;
    sidName_ = name;
}

void AirportParser::onStar() {
    requireSection(FileSection::STARs, "STARS");
    const std::string name = operand(true);
    if (procedureNamedInLine_ || starLegsInLine_ > 0)
        refuse("has a second STAR on one line.", name);
    procedureNamedInLine_ = true;
    if (starRowCount_ >= STARCapacity)
        refuseFull("would need more than " + std::to_string(STARCapacity) + " STAR rows.");
    store_.STARs[starRowCount_ + 1].Name = name;
    starName_ = name;
}

void AirportParser::onRnw() {
    if (section_ == FileSection::Runways) {
        runwayName_ = runwayOperand();
        // A second line of the same runway would be read into the first one's
        // branches, its end point becoming a waypoint.
        if (std::find(runwaysRead_.begin(), runwaysRead_.end(), runwayName_) != runwaysRead_.end())
            refuse("gives the runway " + runwayName_ + " a second time.", runwayName_);
        runwaysRead_.push_back(runwayName_);
        RunwayWaypoint& header = addRunwayRow();
        const std::string kind = operand(true);
        const std::string point = operand(true);
        if (kind == "FIX")
            header.FIX = point;
        else if (kind == "NAVAID")
            header.Navaid = point;
        else
            refuse("has " + runtime::clipped(kind) + " where FIX or NAVAID has to come.", kind);
        return;
    }
    if (section_ == FileSection::SIDs) {
        const std::string id = runwayOperand();
        // Runways come between the SID's name and its first leg; anywhere else
        // they would go to the next SID.
        if (!procedureNamedInLine_ || sidLegsInLine_ > 0)
            refuse("has RNW " + id + " that belongs to no SID name before it.", id);
        SIDWaypoint& row = sidRowAt(sidRowNext_);
        int slot = 1;
        while (slot <= 8 && !row.runway(slot).empty())
            ++slot;
        if (slot > 8)
            refuseFull("gives one SID more than 8 runways.", id);
        row.runway(slot) = id;
    } else if (section_ == FileSection::STARs) {
        const std::string id = runwayOperand();
        procedureTouchedInLine_ = true;
        if (starNumber_ > STARLimit)
            refuseFull("would need more than " + std::to_string(STARLimit) + " STARs.");
        if (starRunwaySlot_ >= RunwaysPerSTAR)
            refuseFull("would need more than " + std::to_string(RunwaysPerSTAR) +
                   " runways for one STAR.");
        ++starRunwaySlot_;
        store_.STARRunways(starNumber_, starRunwaySlot_) = id;
    } else {
        operand();
    }
}

void AirportParser::onOnhdg() {
    requireSection(FileSection::SIDs, "SIDS");
    const std::string altitude = operand(true);
    SIDWaypoint& row = legRow();
    row.OnHeadAlt = altitude;
    completeSIDRow(row);
}

void AirportParser::onNot() {
    requireSection(FileSection::SIDs, "SIDS");
    // Only the on-heading leg just read takes a not-before distance; any
    // other row would be rewritten, or a row of an earlier SID reopened.
    const SIDWaypoint* last = sidLegsInLine_ > 0 ? &store_.SIDs[sidRowNext_ - 1] : nullptr;
    if (!last || last->OnHeadAlt.empty() || !last->OnHeadDist.empty() || !last->Fix.empty() ||
        !last->VOR.empty() || !last->InterceptHeading.empty())
        refuse("has NOT BEFORE that does not follow an ONHDG leg.");
    if (operand() != "BEFORE")
        refuse("has NOT without BEFORE after it.");
    const std::string distance = operand(true);
    --sidRowNext_;
    store_.SIDs[sidRowNext_].OnHeadDist = distance;
    reopened_ = true;
}

void AirportParser::onIntercept() {
    requireSection(FileSection::SIDs, "SIDS");
    const std::string heading = operand(true);
    const std::string toFrom = operand(true);
    const std::string kind = operand(true);
    const std::string name = operand(true);
    if (kind != "FIX" && kind != "NAVAID")
        refuse("has " + runtime::clipped(kind) + " where FIX or NAVAID has to come.", kind);
    SIDWaypoint& row = legRow();
    row.InterceptHeading = heading;
    row.InterceptToFrom = toFrom;
    if (kind == "FIX")
        row.InterceptFix = name;
    else
        row.InterceptNavaid = name;
    completeSIDRow(row);
}

} // namespace store
