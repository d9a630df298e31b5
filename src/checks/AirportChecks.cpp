#include "checks/AirportChecks.h"

#include "checks/AirportView.h"
#include "checks/ReferenceChecks.h"

#include "runtime/DecimalText.h"

#include <map>
#include <set>
#include <utility>

namespace checks {

namespace {

// 1 to 36, one or two digits, and L, C or R.
bool isRunway(std::string_view text) {
    if (!text.empty() && (text.back() == 'L' || text.back() == 'C' || text.back() == 'R'))
        text.remove_suffix(1);
    if (text.empty() || text.size() > 2)
        return false;
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= 36;
}

void checkRoutes(const std::vector<Route>& routes, Findings& out) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const Route& route : routes) {
        const bool transition = route.place.kind == Place::Kind::Transition;
        if (transition && !isRunway(route.place.name))
            out.add("bad-runway", route.place,
                    "a transition is for runway " + route.place.name +
                        ", which is not 1 to 36 with an optional L, C or R");
        bool legs = false;
        for (const Use& use : route.uses)
            legs = legs || !use.name.empty();
        if (!legs && !transition)
            out.add("empty-procedure", route.place, route.title + " has no legs");
        for (const std::string& runway : route.runways) {
            Place at = route.place;
            at.word = runway;
            if (!isRunway(runway))
                out.add("bad-runway", at,
                        route.title + " names runway " + runway +
                            ", which is not 1 to 36 with an optional L, C or R");
            const std::string kind = route.place.kind == Place::Kind::SID ? "SID " : "STAR ";
            if (!seen.insert({kind + route.place.name, runway}).second)
                out.add("duplicate-procedure", at,
                        route.title + " for runway " + runway + " is defined twice");
        }
    }
}

// STAR runways against the transitions, both ways.
void checkTransitions(const std::vector<Route>& routes, Findings& out) {
    std::set<std::string, std::less<>> transitions, arrivals;
    for (const Route& route : routes) {
        if (route.place.kind == Place::Kind::Transition)
            transitions.insert(route.place.name);
        else if (route.place.kind == Place::Kind::STAR)
            arrivals.insert(route.runways.begin(), route.runways.end());
    }
    for (const Route& route : routes) {
        if (route.place.kind == Place::Kind::Transition && !arrivals.contains(route.place.name))
            out.add("unused-transition", route.place, route.title + " is used by no STAR");
        if (route.place.kind != Place::Kind::STAR)
            continue;
        for (const std::string& runway : route.runways)
            if (!transitions.contains(runway))
                out.add("runway-without-transition",
                        {route.place.kind, route.place.name, route.place.ordinal, runway},
                        route.title + " uses runway " + runway + ", which has no transition");
    }
}

void checkAltitudes(const std::vector<Route>& routes, Findings& out) {
    for (const Route& route : routes)
        for (const Use& use : route.uses) {
            double feet = 0;
            if (use.altitude.empty() || !runtime::parseDecimal(use.altitude, feet) ||
                (feet >= 0 && feet <= 60000))
                continue;
            Place at = route.place;
            at.word = use.altitude;
            out.add("altitude-range", at,
                    route.title + " gives " + (use.name.empty() ? "a heading leg" : use.name) +
                        " the altitude " + use.altitude + ", outside 0 to 60000");
        }
}

void checkFixDefinitions(const store::ProcedureStore& store, const std::vector<Route>& routes,
                         Findings& out) {
    std::set<std::string, std::less<>> used;
    for (const Route& route : routes)
        for (const Use& use : route.uses)
            if (use.fix)
                used.insert(use.name);
    const std::vector<Place> places = fixPlaces(store);
    std::map<std::string, const store::FixRecord*, std::less<>> defined;
    for (int row = 1; row < static_cast<int>(places.size()); ++row) {
        const store::FixRecord& fix = store.Fixes[row];
        if (fix.Name.empty())
            continue;
        const auto [it, first] = defined.try_emplace(fix.Name, &fix);
        const Place& at = places[static_cast<std::size_t>(row)];
        store::FixRecord a = *it->second, b = fix;
        a.IsArcPoint = b.IsArcPoint = store::False;
        if (!first && a != b)
            out.add("duplicate-fix", at, "fix " + fix.Name + " is defined twice, differently");
        if (first && !used.contains(fix.Name))
            out.add("unused-fix", at, "fix " + fix.Name + " is defined but never used");
    }
}

} // namespace

void Findings::add(std::string_view check, Place place, std::string message) {
    if (disabled_.contains(check))
        return;
    for (const CheckInfo& info : checkCatalogue())
        if (info.name == check)
            list_.push_back(
                {info.severity, std::string(check), std::move(message), std::move(place)});
}

std::string savedFindingsMessage(const std::string& fileName, const std::vector<Finding>& findings,
                                 std::size_t shown) {
    std::vector<const Finding*> ordered;
    for (const Severity severity : {Severity::Error, Severity::Warning})
        for (const Finding& f : findings)
            if (f.severity == severity)
                ordered.push_back(&f);
    std::string text = fileName + " is saved. The checks found:";
    for (std::size_t i = 0; i < ordered.size() && i < shown; ++i)
        text +=
            "\r\n" + std::string(severityWord(ordered[i]->severity)) + ": " + ordered[i]->message;
    if (ordered.size() > shown)
        text += "\r\n... and " + std::to_string(ordered.size() - shown) + " more.";
    return text;
}

std::optional<reference::AirportRecord> findAirport(const reference::AirportTable& airports,
                                                    const std::string& code) {
    for (const std::string& candidate : {code, code.substr(0, 4)})
        if (const auto* airport = airports.findAirport(candidate))
            return *airport;
    return std::nullopt;
}

std::vector<Finding> checkAirport(const store::ProcedureStore& store,
                                  const ReferenceData& reference,
                                  const std::set<std::string, std::less<>>& disabled) {
    Findings out(disabled);
    const std::vector<Route> routes = routesOf(store);
    checkRoutes(routes, out);
    checkFixDefinitions(store, routes, out);
    checkTransitions(routes, out);
    checkAltitudes(routes, out);
    if (reference.navaids != nullptr)
        checkReferences(store, routes, reference, out);
    return out.take();
}

} // namespace checks
