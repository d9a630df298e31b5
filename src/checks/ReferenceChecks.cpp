#include "checks/ReferenceChecks.h"

#include "reference/FixLookup.h"
#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
#include "runtime/Numbers.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace checks {

namespace {

std::string miles(double distance) {
    return runtime::bareNumber(std::round(distance)) + " NM";
}

struct Lookup {
    Lookup(const store::ProcedureStore& store_, const ReferenceData& reference_)
        : store(store_), reference(reference_) {
        for (int row = 1; row <= store.FixCount && store.Fixes.fits(row); ++row)
            fixNames.insert(store.Fixes[row].Name);
    }
    const store::ProcedureStore& store;
    const ReferenceData& reference;
    std::unordered_set<std::string_view> fixNames;

    bool known(const std::string& name) const {
        return fixNames.contains(name) ||
               (reference.userFixes != nullptr && reference.userFixes->find(name) != 0) ||
               reference.navaids->findFirst(name) != 0;
    }
    double fromAirport(double lat, double lon) const {
        return reference::GreatCircleDistance(reference.airport->AirportLat,
                                              reference.airport->AirportLong,
                                              static_cast<float>(lat), static_cast<float>(lon));
    }
    // The navaid of this identifier the program takes near the airport.
    std::optional<reference::NavaidRecord> nearAirport(const std::string& id) const {
        reference::ReferencePosition at{reference.airport->AirportLat,
                                        reference.airport->AirportLong};
        if (!reference::LookUpNavaid(*reference.navaids, id, at))
            return std::nullopt;
        return reference::NavaidRecord{id, static_cast<float>(at.lat), static_cast<float>(at.lon),
                                       0};
    }
};

void checkNames(const Lookup& look, const std::vector<Route>& routes, Findings& out) {
    for (const Route& route : routes)
        for (const Use& use : route.uses) {
            if (use.name.empty() || look.known(use.name))
                continue;
            Place at = route.place;
            at.word = use.name;
            out.add("unknown-waypoint", at,
                    route.title + " names " + (use.fix ? "fix " : "navaid ") + use.name +
                        ", which is defined nowhere");
        }
    const std::vector<Place> places = fixPlaces(look.store);
    for (int row = 1; row < static_cast<int>(places.size()); ++row) {
        const store::FixRecord& fix = look.store.Fixes[row];
        if (!fix.VOR.empty() && look.reference.navaids->findFirst(fix.VOR) == 0)
            out.add("unknown-colocated-navaid", places[static_cast<std::size_t>(row)],
                    "fix " + fix.Name + " is placed from navaid " + fix.VOR +
                        ", which is not in the navaid table");
    }
}

// Each identifier once, at its first use as a navaid.
void checkAmbiguousNavaids(const Lookup& look, const std::vector<Route>& routes, Findings& out) {
    std::set<std::string, std::less<>> done;
    const auto& navaids = *look.reference.navaids;
    auto checkOne = [&](const std::string& id, const Place& at) {
        if (!done.insert(id).second)
            return;
        const auto chosen = look.nearAirport(id);
        if (!chosen)
            return;
        std::vector<double> others;
        for (int row = navaids.findFirst(id); navaids.fits(row) && navaids[row].NavaidID == id;
             ++row) {
            const double d = look.fromAirport(navaids[row].NavaidLat, navaids[row].NavaidLong);
            const bool isChosen = navaids[row].NavaidLat == chosen->NavaidLat &&
                                  navaids[row].NavaidLong == chosen->NavaidLong;
            if (d <= reference::NavaidAcceptDistance && !isChosen)
                others.push_back(d);
        }
        if (others.empty())
            return;
        std::string away;
        for (const double d : others)
            away += (away.empty() ? "" : ", ") + miles(d);
        out.add("ambiguous-navaid", at,
                "navaid " + id + " has " + std::to_string(others.size() + 1) +
                    " entries within 200 NM of " + look.reference.airport->AirportICAO +
                    ": the program uses the one " +
                    miles(look.fromAirport(chosen->NavaidLat, chosen->NavaidLong)) +
                    " away; the others are " + away + " away");
    };
    for (const Route& route : routes)
        for (const Use& use : route.uses)
            if (!use.fix && !use.name.empty())
                checkOne(use.name,
                         {route.place.kind, route.place.name, route.place.ordinal, use.name});
    for (int row = 1; row <= look.store.FixCount && look.store.Fixes.fits(row); ++row) {
        const store::FixRecord& fix = look.store.Fixes[row];
        if (!fix.VOR.empty())
            checkOne(fix.VOR, {Place::Kind::Fix, fix.Name, 1, fix.VOR});
    }
}

void checkDistances(const Lookup& look, Findings& out) {
    const std::vector<Place> places = fixPlaces(look.store);
    for (int row = 1; row < static_cast<int>(places.size()); ++row) {
        const store::FixRecord& fix = look.store.Fixes[row];
        double lat = 0, lon = 0;
        if (fix.VOR.empty()) {
            const auto at = reference::fixCoordinates(fix);
            lat = at.lat;
            lon = at.lon;
        } else if (const auto navaid = look.nearAirport(fix.VOR)) {
            const auto at = reference::GreatCircleDestination(navaid->NavaidLat, navaid->NavaidLong,
                                                              fix.Heading, fix.VORDist);
            lat = at.lat;
            lon = at.lon;
        } else {
            continue;
        }
        const double d = look.fromAirport(lat, lon);
        if (d > reference::NavaidAcceptDistance)
            out.add("far-fix", places[static_cast<std::size_t>(row)],
                    "fix " + fix.Name + " lies " + miles(d) + " from " +
                        look.reference.airport->AirportICAO + "; is its hemisphere right?");
    }
}

} // namespace

void checkReferences(const store::ProcedureStore& store, const std::vector<Route>& routes,
                     const ReferenceData& reference, Findings& out) {
    const Lookup look(store, reference);
    checkNames(look, routes, out);
    if (!reference.airport) {
        out.add("unknown-airport", {},
                "airport " + reference.airportCode +
                    " is not in the airport table, so distances are not checked");
        return;
    }
    checkAmbiguousNavaids(look, routes, out);
    checkDistances(look, out);
}

} // namespace checks
