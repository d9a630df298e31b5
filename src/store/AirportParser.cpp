#include "store/AirportParser.h"

#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "store/RunwayConversion.h"

#include <algorithm>
#include <limits>

namespace store {

const std::array<AirportParser::Keyword, 21> AirportParser::keywords = {{
    {"NAVAID", &AirportParser::onNavaid},
    {"FROM", &AirportParser::onFrom},
    {"LATLON", &AirportParser::onLatLon},
    {"COLOCATED", &AirportParser::onColocated},
    {"ID", &AirportParser::onId},
    {"FLOAT", &AirportParser::onFloat},
    {"FIXES", &AirportParser::onFixes},
    {"FIX", &AirportParser::onFix},
    {"ENDFIXES", &AirportParser::onSectionEnd},
    {"RNWS", &AirportParser::onRnws},
    {"ENDRNWS", &AirportParser::onSectionEnd},
    {"SIDS", &AirportParser::onSids},
    {"SID", &AirportParser::onSid},
    {"ENDSIDS", &AirportParser::onSectionEnd},
    {"STARS", &AirportParser::onStars},
    {"STAR", &AirportParser::onStar},
    {"ENDSTARS", &AirportParser::onSectionEnd},
    {"RNW", &AirportParser::onRnw},
    {"ONHDG", &AirportParser::onOnhdg},
    {"NOT", &AirportParser::onNot},
    {"INTERCEPT", &AirportParser::onIntercept},
}};

namespace {

std::string lineText(int line) {
    return "line " + runtime::printedNumber(double(line));
}

} // namespace

void AirportParser::refuse(const std::string& reason) const {
    refuse(reason, keyword_);
}

void AirportParser::refuse(const std::string& reason, const std::string& token,
                           bool tableFull) const {
    throw ParseRefusal{{false, line_, runtime::clipped(token),
                        "The airport file cannot be read: " + lineText(line_) + " " + reason +
                            "\r\n" + "The file has to be corrected before it can be opened.",
                        0, tableFull}};
}

void AirportParser::refuseFullAtLine(int lineNumber, const std::string& reason) {
    line_ = lineNumber;
    refuse(reason, std::string(), true);
}

void AirportParser::unknown() const {
    const std::string token = runtime::clipped(keyword_);
    throw ParseRefusal{{false, line_, token,
                        "An unknown grammer element (" + token + ") has popped up in " +
                            lineText(line_) + " of the airport file." + "\r\n" +
                            "This was caused by either an unknown grammer word or by a defective "
                            "airport file." +
                            "\r\n" +
                            "The program will have to terminate so the file can be corrected."}};
}

const std::string& AirportParser::nextToken() {
    token_ = GetToken(currentLine_, tokenPos_);
    // UserFixes.txt quotes its texts, so a name with a quote would break it
    // once the airport's fixes are merged into the user's.
    if (token_.find('"') != std::string::npos)
        refuse("has a double quote in " + runtime::clipped(token_) +
                   "; names in the airport file cannot hold one.",
               token_);
    return token_;
}

const std::string& AirportParser::operand(bool required) {
    nextToken();
    // An empty name would end its table in the middle.
    if (required && token_.empty())
        refuse("ends before the operand of " + keyword_ + ".");
    return token_;
}

// A runway box holds three characters (16L); a longer designator would be
// cut by the first save in the editor.
const std::string& AirportParser::runwayOperand() {
    operand(true);
    if (token_.size() > 3)
        refuse("has the runway " + runtime::clipped(token_) +
                   ", longer than the three characters of a runway designator.",
               token_);
    return token_;
}

void AirportParser::parse(std::string line, int lineNumber) {
    currentLine_ = std::move(line);
    tokenPos_ = 1;
    line_ = lineNumber;
    procedureNamedInLine_ = false;
    procedureTouchedInLine_ = false;
    sidLegsInLine_ = 0;
    for (;;) {
        nextToken();
        if (token_.empty())
            return;
        keyword_ = token_;
        dispatch();
        if (token_.empty())
            return;
    }
}

void AirportParser::dispatch() {
    const Keyword* keyword = nullptr;
    for (const Keyword& k : keywords)
        if (k.word == keyword_) {
            keyword = &k;
            break;
        }
    const bool isNumber = keyword == nullptr && runtime::isNumeric(keyword_);
    if (reopened_) {
        const bool continuesRow =
            section_ == FileSection::SIDs &&
            (isNumber || keyword_ == "FIX" || keyword_ == "NAVAID" || keyword_ == "FLOAT");
        if (!continuesRow)
            closeReopenedRow();
    }
    if (keyword)
        (this->*keyword->handler)();
    else if (isNumber)
        onAltitude();
    else
        unknown();
}

FixRecord& AirportParser::lastFix() {
    if (fixCount_ < 1)
        refuse("has " + keyword_ + " before the first FIX.");
    return store_.Fixes[fixCount_];
}

RunwayWaypoint& AirportParser::addRunwayRow() {
    if (runwayName_.empty())
        refuse("has " + keyword_ + " before the first RNW.");
    if (runwayCount_ >= RunwayCapacity)
        refuseFull("would need more than " + std::to_string(RunwayCapacity) + " runway rows.");
    ++runwayCount_;
    runwayLine_[static_cast<std::size_t>(runwayCount_)] = line_;
    RunwayWaypoint& row = store_.Runways[runwayCount_];
    row.ID = runwayName_;
    return row;
}

SIDWaypoint& AirportParser::sidRowAt(int row) {
    if (row > SIDCapacity)
        refuseFull("would need more than " + std::to_string(SIDCapacity) + " SID rows.");
    return store_.SIDs[row];
}

SIDWaypoint& AirportParser::legRow() {
    if (sidName_.empty())
        refuse("has " + keyword_ + " before the first SID.");
    return sidRowAt(sidRowNext_);
}

SIDWaypoint& AirportParser::lastLegRow() {
    if (reopened_)
        return store_.SIDs[sidRowNext_];
    if (sidRowNext_ < 2)
        refuse("has " + keyword_ + " before the first SID leg.");
    return store_.SIDs[sidRowNext_ - 1];
}

void AirportParser::completeSIDRow(SIDWaypoint& row) {
    row.Name = sidName_;
    ++sidRowNext_;
    ++sidLegsInLine_;
    reopened_ = false;
}

void AirportParser::closeReopenedRow() {
    ++sidRowNext_;
    reopened_ = false;
}

STARWaypoint& AirportParser::addSTARRow() {
    if (starName_.empty())
        refuse("has " + keyword_ + " before the first STAR.");
    if (starRowCount_ >= STARCapacity)
        refuseFull("would need more than " + std::to_string(STARCapacity) + " STAR rows.");
    ++starRowCount_;
    ++starLegsInLine_;
    STARWaypoint& row = store_.STARs[starRowCount_];
    row.Name = starName_;
    return row;
}

STARWaypoint& AirportParser::lastSTARRow() {
    if (starRowCount_ < 1)
        refuse("has " + keyword_ + " before the first STAR leg.");
    return store_.STARs[starRowCount_];
}

bool AirportParser::touchesProcedure() const {
    return procedureNamedInLine_ || procedureTouchedInLine_;
}

void AirportParser::finishLine() {
    if (reopened_)
        closeReopenedRow();
    const bool hasLegs = section_ == FileSection::SIDs ? sidLegsInLine_ > 0 : starLegsInLine_ > 0;
    if ((section_ == FileSection::SIDs || section_ == FileSection::STARs) && !hasLegs) {
        if (touchesProcedure())
            refuse(std::string("has a ") + (section_ == FileSection::SIDs ? "SID" : "STAR") +
                       " line without legs.",
                   section_ == FileSection::SIDs ? sidName_ : starName_);
        // A line of section keywords only: no procedure to count.
        if (section_ == FileSection::STARs)
            return;
    }
    if (section_ == FileSection::SIDs) {
        if (sidCount_ >= std::numeric_limits<std::int16_t>::max())
            refuseFull("would count more SID lines than the program can.");
        ++sidCount_;
        if (sidRowNext_ >= 2)
            store_.SIDs[sidRowNext_ - 1].EndOfRunway = True;
    } else if (section_ == FileSection::STARs && starRowCount_ != 0) {
        if (starCount_ >= STARLimit)
            refuseFull("would need more than " + std::to_string(STARLimit) + " STARs.", starName_);
        const int first = lastRowOfPreviousSTAR_ + 1;
        // A STAR line without legs points past the rows in use, possibly past the table.
        if (STARTable::fits(first))
            store_.STARs[first].Elements = static_cast<std::int16_t>(starLegsInLine_);
        lastRowOfPreviousSTAR_ = starRowCount_;
        starLegsInLine_ = 0;
        ++starNumber_;
        starRunwaySlot_ = 0;
        ++starCount_;
    }
}

// A FROM point is a fix when the airport defines that fix anywhere in the
// file: the writer puts FIXES first, so deciding by the fixes read so far
// would read the same file back differently.
void AirportParser::classifyFromRows() {
    for (int i = 1; i <= runwayCount_; ++i) {
        RunwayWaypoint& row = store_.Runways[i];
        if (row.FROM == False)
            continue;
        std::string name = row.FIX.empty() ? row.Navaid : row.FIX;
        const bool isFix = SearchForFix(store_.Fixes, name) != 0;
        row.FIX = isFix ? name : std::string();
        row.Navaid = isFix ? std::string() : std::move(name);
    }
}

void AirportParser::finishFile(ProcedureCounters& counters) {
    classifyFromRows();
    const ConversionResult converted = ConvertRWArray(store_.Runways);
    if (!converted.ok) {
        line_ = runwayLine_[static_cast<std::size_t>(converted.inputRow)];
        refuseFull("would need more than " + std::to_string(RunwayCapacity) + " runway rows.",
                   store_.Runways[converted.inputRow].ID);
    }
    store_.FixCount = fixCount_;
    store_.RunwayCount = static_cast<std::int16_t>(runwayCount_);
    counters.STARRowCount = static_cast<std::int16_t>(starRowCount_);
    counters.SIDRowNext = static_cast<std::int16_t>(sidRowNext_);
    // The SIDS line itself was counted with the SID lines.
    counters.SIDCount = static_cast<std::int16_t>(sidCount_ - 1);
    counters.STARCount = static_cast<std::int16_t>(starCount_);
    counters.STARNumber = static_cast<std::int16_t>(starNumber_);
    counters.STARRunwaySlot = static_cast<std::int16_t>(starRunwaySlot_);
}

} // namespace store
