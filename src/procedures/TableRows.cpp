#include "procedures/TableRows.h"

#include "procedures/EntryRules.h"

#include <algorithm>

namespace procedures::rows {

bool fits(ProcedureAt at, int used) {
    return at.start >= 1 && at.legs >= 0 && at.start <= used + 1 && at.start + at.legs - 1 <= used;
}

Outcome checkProcedureName(const std::string& name) {
    if (name.empty())
        return refused("The basic name is missing.", Field::ProcedureName);
    if (std::string message = checkName(name); !message.empty())
        return refused(std::move(message), Field::ProcedureName);
    return std::nullopt;
}

Outcome checkRunways(const std::vector<std::string>& runways, int limit,
                     std::vector<std::string>& normalized) {
    normalized.clear();
    for (const std::string& runway : runways) {
        if (runway.empty())
            continue;
        if (!isRunwayDesignator(runway))
            return refused("Incorrect Runway Number", Field::Runway);
        std::string upper = runway;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
        // "9" and "09" are one runway: the file names it with two digits.
        if (upper.size() == 1 || (upper.size() == 2 && upper[1] > '9'))
            upper.insert(upper.begin(), '0');
        if (std::find(normalized.begin(), normalized.end(), upper) != normalized.end())
            return refused("Runway " + upper + " is given twice.", Field::Runway);
        normalized.push_back(std::move(upper));
    }
    if (static_cast<int>(normalized.size()) > limit)
        return refused("A procedure has at most " + std::to_string(limit) + " runways.",
                       Field::Runway);
    return std::nullopt;
}

namespace {

Outcome checkText(const std::string& text, std::string (*check)(std::string_view), Field field) {
    if (std::string message = check(text); !message.empty())
        return refused(std::move(message), field);
    return std::nullopt;
}

} // namespace

Outcome checkLeg(const store::ProcedureStore& store, const Leg& leg, const NewFix& newFix,
                 bool sid) {
    const bool onHeading = sid && !leg.onHeadAlt.empty();
    if (leg.fix.empty() && leg.navaid.empty() && !onHeading)
        return refused("There is no Fix or Fly2 Nav ID.", Field::Navaid);
    if (Outcome bad = checkText(leg.navaid, checkName, Field::Navaid))
        return bad;
    if (Outcome bad = checkText(leg.fix, checkName, Field::FixName))
        return bad;
    if (!leg.fix.empty() && !(newFix.given && newFix.fix.Name == leg.fix)) {
        const std::int32_t count = store.FixCount;
        bool known = false;
        for (int r = 1; r <= count && store::FixTable::fits(r) && !known; ++r)
            known = store.Fixes[r].Name == leg.fix;
        if (!known)
            return refused("The fix " + leg.fix + " is not defined.", Field::FixName);
    }
    if (Outcome bad = checkText(leg.alt, checkAltitude, Field::Altitude))
        return bad;
    if (!sid)
        return std::nullopt;
    if (Outcome bad = checkText(leg.onHeadAlt, checkAltitude, Field::OnHeadingAltitude))
        return bad;
    if (Outcome bad = checkText(leg.onHeadDist, checkNumber, Field::OnHeadingDistance))
        return bad;
    if (!leg.onHeadDist.empty() && leg.onHeadAlt.empty())
        return refused("There must be an ONHDG Altitude if there is an ONHDG Distance.",
                       Field::OnHeadingAltitude);
    if (Outcome bad = checkText(leg.interceptHeading, checkHeading, Field::InterceptHeading))
        return bad;
    if (!leg.interceptHeading.empty() && leg.fix.empty() && leg.navaid.empty())
        return refused("Entering an Intercept Heading requires\r\n"
                       "a Fly2 Navaid ID or Fix be entered also.",
                       Field::Navaid);
    return std::nullopt;
}

Outcome addFix(store::ProcedureStore& store, const NewFix& newFix) {
    if (!newFix.given)
        return std::nullopt;
    FixCatalogue fixes(store.Fixes, store.FixCount);
    if (Outcome bad = fixes.append(newFix.fix))
        return bad;
    store.FixesDefined = store::True;
    return std::nullopt;
}

} // namespace procedures::rows
