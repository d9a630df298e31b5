#include "checks/AirportView.h"

#include "store/ProcedureSpans.h"

#include <map>

namespace checks {

namespace {

void addUse(Route& route, const std::string& fix, const std::string& navaid,
            const std::string& altitude = {}) {
    if (!fix.empty())
        route.uses.push_back({fix, true, altitude});
    else if (!navaid.empty())
        route.uses.push_back({navaid, false, altitude});
}

void addTransitions(const store::RunwayTable& runways, std::vector<Route>& routes) {
    for (const store::RowSpan& span : store::runwaySpans(runways)) {
        const std::string& runway = runways[span.first].ID;
        Route route{
            {Place::Kind::Transition, runway}, "the transition to runway " + runway, {}, {}};
        for (int row = span.first; row < span.end; ++row)
            addUse(route, runways[row].FIX, runways[row].Navaid, runways[row].Alt);
        routes.push_back(std::move(route));
    }
}

void addSIDs(const store::SIDTable& sids, std::vector<Route>& routes) {
    int ordinal = 0;
    for (const store::RowSpan& span : store::sidSpans(sids)) {
        const store::SIDWaypoint& head = sids[span.first];
        Route route{{Place::Kind::SID, head.Name, ++ordinal}, "SID " + head.Name, {}, {}};
        for (int slot = 1; slot <= 8 && !head.runway(slot).empty(); ++slot)
            route.runways.push_back(head.runway(slot));
        for (int row = span.first; row < span.end; ++row) {
            const store::SIDWaypoint& leg = sids[row];
            addUse(route, leg.InterceptFix, leg.InterceptNavaid);
            if (!leg.OnHeadAlt.empty())
                route.uses.push_back({"", true, leg.OnHeadAlt});
            addUse(route, leg.Fix, leg.VOR, leg.Alt);
        }
        routes.push_back(std::move(route));
    }
}

void addSTARs(const store::ProcedureStore& store, std::vector<Route>& routes) {
    int ordinal = 0;
    for (const store::RowSpan& span : store::starSpans(store.STARs)) {
        const std::string& name = store.STARs[span.first].Name;
        Route route{{Place::Kind::STAR, name, ++ordinal}, "STAR " + name, {}, {}};
        for (int slot = 1; !store.STARRunways.cellOrEmpty(ordinal, slot).empty(); ++slot)
            route.runways.push_back(store.STARRunways.cellOrEmpty(ordinal, slot));
        for (int row = span.first; row < span.end; ++row)
            addUse(route, store.STARs[row].Fix, store.STARs[row].VOR, store.STARs[row].Alt);
        routes.push_back(std::move(route));
    }
}

} // namespace

std::vector<Route> routesOf(const store::ProcedureStore& store) {
    std::vector<Route> routes;
    addTransitions(store.Runways, routes);
    addSIDs(store.SIDs, routes);
    addSTARs(store, routes);
    return routes;
}

std::vector<Place> fixPlaces(const store::ProcedureStore& store) {
    std::vector<Place> places(1);
    std::map<std::string, int, std::less<>> seen;
    for (int row = 1; row <= store.FixCount && store.Fixes.fits(row); ++row) {
        const std::string& name = store.Fixes[row].Name;
        places.emplace_back(Place::Kind::Fix, name, ++seen[name]);
    }
    return places;
}

} // namespace checks
