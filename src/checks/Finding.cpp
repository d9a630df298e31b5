#include "checks/Finding.h"

#include <algorithm>

namespace checks {

const std::vector<CheckInfo>& checkCatalogue() {
    static const std::vector<CheckInfo> catalogue = {
        {"unreadable", Severity::Error, "the file cannot be read as an airport file"},
        {"capacity", Severity::Error, "the file needs more rows than the tables hold"},
        {"unknown-waypoint", Severity::Error,
         "a name found neither among the fixes, the user fixes nor the navaids"},
        {"duplicate-fix", Severity::Error, "a fix defined twice, differently"},
        {"unknown-colocated-navaid", Severity::Error,
         "a COLOCATED fix placed from a navaid the navaid table lacks"},
        {"duplicate-procedure", Severity::Error, "two SIDs or STARs of one name and runway"},
        {"bad-runway", Severity::Error, "a runway that is not 1 to 36 with an optional L, C or R"},
        {"empty-procedure", Severity::Error, "a procedure without legs"},
        {"runway-without-transition", Severity::Warning, "a STAR runway with no transition"},
        {"unused-transition", Severity::Warning, "a transition for a runway no STAR uses"},
        {"ambiguous-navaid", Severity::Warning,
         "a navaid identifier with several entries within 200 NM of the airport"},
        {"far-fix", Severity::Warning, "a fix more than 200 NM from the airport"},
        {"altitude-range", Severity::Warning, "an altitude below 0 or above 60000"},
        {"unused-fix", Severity::Warning, "a fix defined but never used"},
        {"unknown-airport", Severity::Warning,
         "the airport is not in the airport table, so distances cannot be checked"},
    };
    return catalogue;
}

bool isCheckName(std::string_view name) {
    const auto& all = checkCatalogue();
    return std::any_of(all.begin(), all.end(), [&](const CheckInfo& c) { return c.name == name; });
}

std::string_view severityWord(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

} // namespace checks
