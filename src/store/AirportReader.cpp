#include "store/AirportReader.h"

#include "runtime/Numbers.h"
#include "runtime/TextFiles.h"
#include "store/AirportLines.h"
#include "store/RunwayConversion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace store {

std::string GetToken(std::string_view currentLine, std::size_t& tokenPos) {
    std::size_t i = tokenPos == 0 ? 0 : tokenPos - 1;
    if (i > currentLine.size())
        i = currentLine.size();
    while (i < currentLine.size() && currentLine[i] == ' ')
        ++i;
    const std::size_t start = i;
    while (i < currentLine.size() && currentLine[i] != ' ')
        ++i;
    tokenPos = i + 1;
    return std::string(currentLine.substr(start, i - start));
}

namespace {

enum class Section { None, Fixes, Runways, SIDs, STARs };

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

struct Refused {
    ReadResult result;
};

class Reader {
public:
    explicit Reader(ProcedureStore& store) : store_(store), runwayLine_(RunwayCapacity + 1) {}

    void parse(std::string line, int lineNumber);
    void finishLine();
    void finishFile(ProcedureCounters& counters);

private:
    using Handler = void (Reader::*)();
    struct Keyword {
        std::string_view word;
        Handler handler;
    };
    static const std::array<Keyword, 21> keywords;

    void dispatch();
    const std::string& operand(bool required = false);
    [[noreturn]] void refuse(const std::string& reason) const;
    [[noreturn]] void refuse(const std::string& reason, const std::string& token) const;
    [[noreturn]] void unknown() const;

    FixRecord& lastFix();
    RunwayWaypoint& addRunwayRow();
    SIDWaypoint& sidRowAt(int row);
    SIDWaypoint& legRow();
    SIDWaypoint& lastLegRow();
    void completeSIDRow(SIDWaypoint& row);
    void closeReopenedRow();
    STARWaypoint& addSTARRow();
    STARWaypoint& lastSTARRow();

    void onNavaid();
    void onFrom();
    void onLatLon();
    void onColocated();
    void onId();
    void onFloat();
    void onFixes() { section_ = Section::Fixes; }
    void onFix();
    void onRnws() { section_ = Section::Runways; }
    void onSids() { section_ = Section::SIDs; }
    void onSid();
    void onStars() { section_ = Section::STARs; }
    void onStar();
    void onSectionEnd() { section_ = Section::None; }
    void onRnw();
    void onOnhdg();
    void onNot();
    void onIntercept();
    void onAltitude();

    ProcedureStore& store_;
    std::string currentLine_;
    std::size_t tokenPos_ = 1;
    std::string token_;
    std::string keyword_; // the token being carried out, named in refusals
    int line_ = 0;
    Section section_ = Section::None;

    int fixCount_ = 0;
    int runwayCount_ = 0;
    std::vector<int> runwayLine_; // logical line of each runway row as read
    int sidRowNext_ = 0;
    int sidCount_ = 0;
    int starRowCount_ = 0;
    int starCount_ = 0;
    int starNumber_ = 1;
    int starRunwaySlot_ = 0;
    int starLegsInLine_ = 0;
    int lastRowOfPreviousSTAR_ = 0;
    std::string sidName_;
    std::string starName_;
    std::string runwayName_;
    // NOT BEFORE steps back onto the on-heading row just completed; it stays
    // open for a following FIX or NAVAID, its FLOAT and altitude.
    bool reopened_ = false;
};

const std::array<Reader::Keyword, 21> Reader::keywords = {{
    {"NAVAID", &Reader::onNavaid},
    {"FROM", &Reader::onFrom},
    {"LATLON", &Reader::onLatLon},
    {"COLOCATED", &Reader::onColocated},
    {"ID", &Reader::onId},
    {"FLOAT", &Reader::onFloat},
    {"FIXES", &Reader::onFixes},
    {"FIX", &Reader::onFix},
    {"ENDFIXES", &Reader::onSectionEnd},
    {"RNWS", &Reader::onRnws},
    {"ENDRNWS", &Reader::onSectionEnd},
    {"SIDS", &Reader::onSids},
    {"SID", &Reader::onSid},
    {"ENDSIDS", &Reader::onSectionEnd},
    {"STARS", &Reader::onStars},
    {"STAR", &Reader::onStar},
    {"ENDSTARS", &Reader::onSectionEnd},
    {"RNW", &Reader::onRnw},
    {"ONHDG", &Reader::onOnhdg},
    {"NOT", &Reader::onNot},
    {"INTERCEPT", &Reader::onIntercept},
}};

std::string lineText(int line) {
    return "line " + runtime::printedNumber(double(line));
}

void Reader::refuse(const std::string& reason) const {
    refuse(reason, keyword_);
}

void Reader::refuse(const std::string& reason, const std::string& token) const {
    throw Refused{{false, line_, token,
                   "The airport file cannot be read: " + lineText(line_) + " " + reason + "\r\n" +
                       "The file has to be corrected before it can be opened."}};
}

void Reader::unknown() const {
    throw Refused{{false, line_, keyword_,
                   "An unknown grammer element (" + keyword_ + ") has popped up in " +
                       lineText(line_) + " of the airport file." + "\r\n" +
                       "This was caused by either an unknown grammer word or by a defective "
                       "airport file." +
                       "\r\n" +
                       "The program will have to terminate so the file can be corrected."}};
}

const std::string& Reader::operand(bool required) {
    token_ = GetToken(currentLine_, tokenPos_);
    // An empty name would end its table in the middle.
    if (required && token_.empty())
        refuse("ends before the operand of " + keyword_ + ".");
    return token_;
}

void Reader::parse(std::string line, int lineNumber) {
    currentLine_ = std::move(line);
    tokenPos_ = 1;
    line_ = lineNumber;
    for (;;) {
        token_ = GetToken(currentLine_, tokenPos_);
        if (token_.empty())
            return;
        keyword_ = token_;
        dispatch();
        if (token_.empty())
            return;
    }
}

void Reader::dispatch() {
    const Keyword* keyword = nullptr;
    for (const Keyword& k : keywords)
        if (k.word == keyword_) {
            keyword = &k;
            break;
        }
    const bool isNumber = keyword == nullptr && runtime::isNumeric(keyword_);
    if (reopened_) {
        const bool continuesRow =
            section_ == Section::SIDs &&
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

FixRecord& Reader::lastFix() {
    if (fixCount_ < 1)
        refuse("has " + keyword_ + " before the first FIX.");
    return store_.Fixes[fixCount_];
}

RunwayWaypoint& Reader::addRunwayRow() {
    if (runwayName_.empty())
        refuse("has " + keyword_ + " before the first RNW.");
    if (runwayCount_ >= RunwayCapacity)
        refuse("would need more than " + std::to_string(RunwayCapacity) + " runway rows.");
    ++runwayCount_;
    runwayLine_[static_cast<std::size_t>(runwayCount_)] = line_;
    RunwayWaypoint& row = store_.Runways[runwayCount_];
    row.ID = runwayName_;
    return row;
}

SIDWaypoint& Reader::sidRowAt(int row) {
    if (row > SIDCapacity)
        refuse("would need more than " + std::to_string(SIDCapacity) + " SID rows.");
    return store_.SIDs[row];
}

SIDWaypoint& Reader::legRow() {
    if (sidName_.empty())
        refuse("has " + keyword_ + " before the first SID.");
    return sidRowAt(sidRowNext_);
}

SIDWaypoint& Reader::lastLegRow() {
    if (reopened_)
        return store_.SIDs[sidRowNext_];
    if (sidRowNext_ < 2)
        refuse("has " + keyword_ + " before the first SID leg.");
    return store_.SIDs[sidRowNext_ - 1];
}

void Reader::completeSIDRow(SIDWaypoint& row) {
    row.Name = sidName_;
    ++sidRowNext_;
    reopened_ = false;
}

void Reader::closeReopenedRow() {
    ++sidRowNext_;
    reopened_ = false;
}

STARWaypoint& Reader::addSTARRow() {
    if (starName_.empty())
        refuse("has " + keyword_ + " before the first STAR.");
    if (starRowCount_ >= STARCapacity)
        refuse("would need more than " + std::to_string(STARCapacity) + " STAR rows.");
    ++starRowCount_;
    ++starLegsInLine_;
    STARWaypoint& row = store_.STARs[starRowCount_];
    row.Name = starName_;
    return row;
}

STARWaypoint& Reader::lastSTARRow() {
    if (starRowCount_ < 1)
        refuse("has " + keyword_ + " before the first STAR leg.");
    return store_.STARs[starRowCount_];
}

void Reader::onNavaid() {
    const std::string name = operand();
    switch (section_) {
    case Section::Runways:
        addRunwayRow().Navaid = name;
        break;
    case Section::SIDs: {
        SIDWaypoint& row = legRow();
        row.VOR = name;
        row.Alt.clear();
        completeSIDRow(row);
        break;
    }
    case Section::STARs: {
        STARWaypoint& row = addSTARRow();
        row.VOR = name;
        row.Alt.clear();
        break;
    }
    default:
        break;
    }
}

void Reader::onFrom() {
    const std::string name = operand();
    RunwayWaypoint& row = addRunwayRow();
    row.FROM = True;
    if (SearchForFix(store_.Fixes, name) != 0)
        row.FIX = name;
    else
        row.Navaid = name;
}

void Reader::onLatLon() {
    FixRecord& fix = lastFix();
    fix.HemLat = operand();
    fix.LatDeg = operand();
    fix.LatMin = operand();
    fix.HemLong = operand();
    fix.LongDeg = operand();
    fix.LongMin = operand();
}

void Reader::onColocated() {
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

void Reader::onId() {
    lastFix().TypeOfID = operand();
}

void Reader::onFloat() {
    if (section_ == Section::SIDs) {
        lastLegRow().Float = True;
        if (reopened_)
            closeReopenedRow();
    } else if (section_ == Section::STARs) {
        lastSTARRow().Float = True;
    }
}

void Reader::onAltitude() {
    switch (section_) {
    case Section::Runways:
        if (runwayCount_ < 1)
            refuse("has " + keyword_ + " before the first RNW.");
        store_.Runways[runwayCount_].Alt = keyword_;
        break;
    case Section::SIDs:
        lastLegRow().Alt = keyword_;
        if (reopened_)
            closeReopenedRow();
        break;
    case Section::STARs:
        lastSTARRow().Alt = keyword_;
        break;
    default:
        break;
    }
}

void Reader::onFix() {
    store_.FixesDefined = True;
    const std::string name = operand(section_ == Section::Fixes);
    switch (section_) {
    case Section::Fixes:
        if (fixCount_ >= FixCapacity)
            refuse("would need more than " + std::to_string(FixCapacity) + " fixes.");
        ++fixCount_;
        store_.Fixes[fixCount_].Name = name;
        break;
    case Section::Runways:
        addRunwayRow().FIX = name;
        break;
    case Section::SIDs: {
        SIDWaypoint& row = legRow();
        row.Fix = name;
        completeSIDRow(row);
        break;
    }
    case Section::STARs: {
        STARWaypoint& row = addSTARRow();
        row.Fix = name;
        row.Alt.clear();
        break;
    }
    default:
        break;
    }
}

void Reader::onSid() {
    const std::string name = operand(true);
    if (sidRowNext_ == 0)
        sidRowNext_ = 1;
    sidRowAt(sidRowNext_).Name = name;
    sidName_ = name;
}

void Reader::onStar() {
    const std::string name = operand(true);
    if (starRowCount_ >= STARCapacity)
        refuse("would need more than " + std::to_string(STARCapacity) + " STAR rows.");
    store_.STARs[starRowCount_ + 1].Name = name;
    starName_ = name;
}

void Reader::onRnw() {
    if (section_ == Section::Runways) {
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
    if (section_ == Section::SIDs) {
        if (sidRowNext_ == 0)
            sidRowNext_ = 1;
        SIDWaypoint& row = sidRowAt(sidRowNext_);
        for (int slot = 1; slot <= 8; ++slot)
            if (row.runway(slot).empty()) {
                row.runway(slot) = id;
                break;
            }
    } else if (section_ == Section::STARs) {
        if (starNumber_ > STARLimit)
            refuse("would need more than " + std::to_string(STARLimit) + " STARs.");
        if (starRunwaySlot_ >= RunwaysPerSTAR)
            refuse("would need more than " + std::to_string(RunwaysPerSTAR) +
                   " runways for one STAR.");
        ++starRunwaySlot_;
        store_.STARRunways(starNumber_, starRunwaySlot_) = id;
    }
}

void Reader::onOnhdg() {
    const std::string altitude = operand();
    SIDWaypoint& row = legRow();
    row.OnHeadAlt = altitude;
    completeSIDRow(row);
}

void Reader::onNot() {
    if (sidRowNext_ < 2)
        refuse("has " + keyword_ + " before the first SID leg.");
    --sidRowNext_;
    operand(); // BEFORE
    store_.SIDs[sidRowNext_].OnHeadDist = operand();
    reopened_ = true;
}

void Reader::onIntercept() {
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

void Reader::finishLine() {
    if (reopened_)
        closeReopenedRow();
    if (section_ == Section::SIDs) {
        if (sidCount_ >= std::numeric_limits<std::int16_t>::max())
            refuse("would count more SID lines than the program can.");
        ++sidCount_;
        if (sidRowNext_ >= 2)
            store_.SIDs[sidRowNext_ - 1].EndOfRunway = True;
    } else if (section_ == Section::STARs && starRowCount_ != 0) {
        if (starCount_ >= STARLimit)
            refuse("would need more than " + std::to_string(STARLimit) + " STARs.", starName_);
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

void Reader::finishFile(ProcedureCounters& counters) {
    const ConversionResult converted = ConvertRWArray(store_.Runways);
    if (!converted.ok) {
        line_ = runwayLine_[static_cast<std::size_t>(converted.inputRow)];
        refuse("would need more than " + std::to_string(RunwayCapacity) + " runway rows.",
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

bool isSkipped(const std::string& line) {
    // Every line starting with "E" goes, so the section end keywords at the
    // start of a line have no effect.
    return line.empty() || line[0] == '/' || line[0] == 'E' || line[0] == 'o';
}

} // namespace

ReadResult LoadData(std::string_view content, ProcedureStore& store, ProcedureCounters& counters) {
    const Flag fixesDefined = store.FixesDefined;
    ClearArrays(store);
    Reader reader(store);
    LogicalLines lines(content);
    std::string line;
    try {
        while (lines.next(line)) {
            if (isSkipped(line))
                continue;
            reader.parse(std::move(line), lines.count());
            reader.finishLine();
        }
        reader.finishFile(counters);
        return {};
    } catch (const Refused& refused) {
        ClearArrays(store);
        counters = ProcedureCounters{};
        store.FixCount = 0;
        store.RunwayCount = 0;
        store.FixesDefined = fixesDefined;
        return refused.result;
    }
}

ReadResult LoadDataFromFile(const std::filesystem::path& file, ProcedureStore& store,
                            ProcedureCounters& counters) {
    return LoadData(runtime::readWholeFile(file), store, counters);
}

} // namespace store
