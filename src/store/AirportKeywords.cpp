#include "store/AirportParser.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace store {

namespace {

// A COLOCATED bearing or distance: an altitude-style number, or the exponent
// form the writer prints for very large or small values.
bool readSingle(const std::string& text, float& value) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9')
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    double parsed = 0;
    const auto [end, ec] = std::from_chars(first, text.data() + n, parsed);
    if (ec != std::errc() || end != text.data() + n || !std::isfinite(parsed) ||
        std::fabs(parsed) > double(std::numeric_limits<float>::max()))
        return false;
    value = static_cast<float>(parsed);
    return true;
}

} // namespace

void AirportParser::onNavaid() {
    const std::string name = operand();
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
    const std::string name = operand();
    RunwayWaypoint& row = addRunwayRow();
    row.FROM = True;
    if (SearchForFix(store_.Fixes, name) != 0)
        row.FIX = name;
    else
        row.Navaid = name;
}

void AirportParser::onLatLon() {
    FixRecord& fix = lastFix();
    fix.HemLat = operand();
    fix.LatDeg = operand();
    fix.LatMin = operand();
    fix.HemLong = operand();
    fix.LongDeg = operand();
    fix.LongMin = operand();
}

void AirportParser::onColocated() {
    FixRecord& fix = lastFix();
    const std::string vor = operand();
    float heading = 0;
    float distance = 0;
    for (float* value : {&heading, &distance}) {
        if (!readSingle(operand(), *value))
            refuse("has a COLOCATED bearing or distance that is not a number (" + token_ + ").");
    }
    fix.VOR = vor;
    fix.Heading = heading;
    fix.VORDist = distance;
}

void AirportParser::onId() {
    lastFix().TypeOfID = operand();
}

void AirportParser::onFloat() {
    if (section_ == FileSection::SIDs) {
        lastLegRow().Float = True;
        if (reopened_)
            closeReopenedRow();
    } else if (section_ == FileSection::STARs) {
        lastSTARRow().Float = True;
    }
}

void AirportParser::onAltitude() {
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
    const std::string name = operand(section_ == FileSection::Fixes);
    switch (section_) {
    case FileSection::Fixes:
        if (fixCount_ >= FixCapacity)
            refuse("would need more than " + std::to_string(FixCapacity) + " fixes.");
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
    const std::string name = operand(true);
    if (sidRowNext_ == 0)
        sidRowNext_ = 1;
    sidRowAt(sidRowNext_).Name = name;
    sidName_ = name;
}

void AirportParser::onStar() {
    const std::string name = operand(true);
    if (starRowCount_ >= STARCapacity)
        refuse("would need more than " + std::to_string(STARCapacity) + " STAR rows.");
    store_.STARs[starRowCount_ + 1].Name = name;
    starName_ = name;
}

void AirportParser::onRnw() {
    if (section_ == FileSection::Runways) {
        runwayName_ = operand(true);
        RunwayWaypoint& header = addRunwayRow();
        operand(true); // FIX or NAVAID: the end point is looked up instead
        const std::string point = operand(true);
        if (SearchForFix(store_.Fixes, point) != 0)
            header.FIX = point;
        else
            header.Navaid = point;
        return;
    }
    const std::string id = operand();
    if (section_ == FileSection::SIDs) {
        if (sidRowNext_ == 0)
            sidRowNext_ = 1;
        SIDWaypoint& row = sidRowAt(sidRowNext_);
        for (int slot = 1; slot <= 8; ++slot)
            if (row.runway(slot).empty()) {
                row.runway(slot) = id;
                break;
            }
    } else if (section_ == FileSection::STARs) {
        if (starNumber_ > STARLimit)
            refuse("would need more than " + std::to_string(STARLimit) + " STARs.");
        if (starRunwaySlot_ >= RunwaysPerSTAR)
            refuse("would need more than " + std::to_string(RunwaysPerSTAR) +
                   " runways for one STAR.");
        ++starRunwaySlot_;
        store_.STARRunways(starNumber_, starRunwaySlot_) = id;
    }
}

void AirportParser::onOnhdg() {
    const std::string altitude = operand();
    SIDWaypoint& row = legRow();
    row.OnHeadAlt = altitude;
    completeSIDRow(row);
}

void AirportParser::onNot() {
    if (sidRowNext_ < 2)
        refuse("has " + keyword_ + " before the first SID leg.");
    --sidRowNext_;
    operand(); // BEFORE
    store_.SIDs[sidRowNext_].OnHeadDist = operand();
    reopened_ = true;
}

void AirportParser::onIntercept() {
    const std::string heading = operand();
    const std::string toFrom = operand();
    const std::string kind = operand();
    const std::string name = operand();
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
