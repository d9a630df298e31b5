#pragma once

#include "store/AirportReader.h"
#include "store/ProcedureStore.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace store {

// Thrown by the parser when it refuses the file; LoadData turns it into its
// result.
struct ParseRefusal {
    ReadResult result;
};

enum class FileSection { None, Fixes, Runways, SIDs, STARs };

// The reader's state over the logical lines of one file: the section, the
// current procedure names and the counters of the rows it adds.
class AirportParser {
public:
    explicit AirportParser(ProcedureStore& store)
        : store_(store), runwayLine_(RunwayCapacity + 1) {}

    void parse(std::string line, int lineNumber);
    void finishLine();
    void finishFile(ProcedureCounters& counters);
    // The tables could not hold what the line asked for.
    [[noreturn]] void refuseFullAtLine(int lineNumber, const std::string& reason);

private:
    using Handler = void (AirportParser::*)();
    struct Keyword {
        std::string_view word;
        Handler handler;
    };
    static const std::array<Keyword, 21> keywords;

    void dispatch();
    const std::string& nextToken();
    const std::string& operand(bool required = false);
    const std::string& runwayOperand();
    [[noreturn]] void refuse(const std::string& reason) const;
    [[noreturn]] void refuse(const std::string& reason, const std::string& token,
                             bool tableFull = false) const;
    // A refusal because the file needs more than the tables hold.
    [[noreturn]] void refuseFull(const std::string& reason) const {
        refuse(reason, keyword_, true);
    }
    [[noreturn]] void refuseFull(const std::string& reason, const std::string& token) const {
        refuse(reason, token, true);
    }
    [[noreturn]] void unknown() const;

    FixRecord& lastFix();
    RunwayWaypoint& addRunwayRow();
    SIDWaypoint& sidRowAt(int row);
    SIDWaypoint& legRow();
    SIDWaypoint& lastLegRow();
    void completeSIDRow(SIDWaypoint& row);
    void closeReopenedRow();
    bool touchesProcedure() const;
    void classifyFromRows();
    STARWaypoint& addSTARRow();
    STARWaypoint& lastSTARRow();

    void onNavaid();
    void onFrom();
    void onLatLon();
    void onColocated();
    void onId();
    void onFloat();
    void setSection(FileSection section);
    void requireSection(FileSection section, const char* name);
    void onFixes() { setSection(FileSection::Fixes); }
    void onFix();
    void onRnws() { setSection(FileSection::Runways); }
    void onSids() { setSection(FileSection::SIDs); }
    void onSid();
    void onStars() { setSection(FileSection::STARs); }
    void onStar();
    void onSectionEnd() { setSection(FileSection::None); }
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
    FileSection section_ = FileSection::None;

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
    // What the current logical line has done to the SID and STAR tables: a
    // line that names a procedure or adds runways, altitudes or FLOAT but no
    // leg would hand them to a neighbouring procedure.
    bool procedureNamedInLine_ = false;
    bool procedureTouchedInLine_ = false;
    int sidLegsInLine_ = 0;
    std::vector<std::string> runwaysRead_;
};

} // namespace store
