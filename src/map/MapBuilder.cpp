#include "map/MapBuilder.h"

#include "procedures/FeederRows.h"
#include "reference/FixLookup.h"
#include "reference/GreatCircle.h"
#include "reference/NavaidLookup.h"
#include "runtime/Numbers.h"
#include "store/ProcedureSpans.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace map {

namespace {

constexpr double RayMiles = 6;

std::string miles(double distance) {
    return runtime::bareNumber(std::round(distance * 10) / 10) + " NM";
}

std::string degrees(double value) {
    return runtime::bareNumber(std::round(value * 10) / 10) + "\u00B0";
}

std::string position(LatLon at) {
    auto part = [](double v, char plus, char minus) {
        const double a = std::fabs(v);
        const double whole = std::floor(a);
        return std::string(1, v < 0 ? minus : plus) + runtime::bareNumber(whole) + " " +
               runtime::formatMinutes((a - whole) * 60);
    };
    return part(at.lat, 'N', 'S') + " " + part(at.lon, 'E', 'W');
}

// The signed smallest turn from one bearing to another, -180..180.
double turn(double from, double to) {
    return std::remainder(to - from, 360.0);
}

// A name placed on the map, and how: what hovering tells.
struct Place {
    LatLon at;
    PointKind kind = PointKind::Fix;
    std::string detail;
    // A fix given from a navaid: that navaid, its radial (true) and distance.
    bool fromNavaid = false;
    LatLon navaid;
    std::string navaidName;
    double radial = 0;
    double distance = 0;
};

// One list line of a route as the map needs it.
struct Stop {
    enum class Kind { Leg, OnHeading, Intercept } kind = Kind::Leg;
    std::string name;
    bool fix = true;
    std::string label;
    int line = 0;
    double heading = 0; // magnetic, for heading legs and intercepts
};

struct Route {
    std::vector<Stop> stops;
    std::string runway; // a SID's first runway: where its heading legs begin
};

class Builder {
public:
    Builder(const MapRequest& request, Drawing& drawing)
        : r_(request), d_(drawing),
          projection_({request.airport->AirportLat, request.airport->AirportLong}) {
        const auto* store = r_.tables.store;
        if (store != nullptr)
            index(store->Fixes, store->FixCount, airportFixes_);
        if (r_.tables.feederFixes != nullptr)
            index(*r_.tables.feederFixes, r_.tables.feederFixCount, feederFixes_);
    }

    void addRoute(const Route& route, Emphasis emphasis);
    void widen(Point p) {
        d_.low = {std::min(d_.low.x, p.x), std::min(d_.low.y, p.y)};
        d_.high = {std::max(d_.high.x, p.x), std::max(d_.high.y, p.y)};
    }

private:
    using FixIndex = std::unordered_map<std::string, const store::FixRecord*>;
    static void index(const store::FixTable& fixes, int count, FixIndex& out) {
        for (int row = 1; row <= count && store::FixTable::fits(row); ++row)
            out.try_emplace(fixes[row].Name, &fixes[row]);
    }
    std::optional<Place> place(const std::string& name, bool fix);
    std::optional<Place> placeNavaid(const std::string& id, const std::string& forName);
    std::optional<Place> placeFix(const store::FixRecord& fix);
    void problem(const std::string& text) {
        if (std::find(d_.problems.begin(), d_.problems.end(), text) == d_.problems.end())
            d_.problems.push_back(text);
    }
    Point project(LatLon at) const { return projection_.forward(at); }
    void addPoint(const Place& place, const Stop& stop, Emphasis emphasis, PointKind kind);
    void addArc(const Place& a, const Place& b, Emphasis emphasis);
    LatLon airport() const { return projection_.centre(); }

    const MapRequest& r_;
    Drawing& d_;
    Projection projection_;
    FixIndex airportFixes_, feederFixes_;
};

std::optional<Place> Builder::placeNavaid(const std::string& id, const std::string& forName) {
    const auto& navaids = *r_.tables.navaids;
    reference::ReferencePosition at{airport().lat, airport().lon};
    if (!reference::LookUpNavaid(navaids, id, at)) {
        problem(forName + ": " +
                (navaids.findFirst(id) != 0
                     ? "navaid " + id + " has no entry within 200 NM of " + r_.airport->AirportICAO
                     : "navaid " + id + " is not in the navaid table"));
        return std::nullopt;
    }
    Place p;
    p.at = {at.lat, at.lon};
    p.kind = PointKind::Navaid;
    int entries = 0;
    for (int row = navaids.findFirst(id); navaids.fits(row) && navaids[row].NavaidID == id; ++row)
        ++entries;
    const double away = between(airport(), p.at).miles;
    p.detail = "navaid " + id + ", " + position(p.at) + ", " + miles(away) + " from " +
               r_.airport->AirportICAO;
    if (entries > 1)
        p.detail +=
            " (of " + std::to_string(entries) + " entries of that name, the first within 200 NM)";
    return p;
}

std::optional<Place> Builder::placeFix(const store::FixRecord& fix) {
    if (fix.VOR.empty()) {
        const auto at = reference::fixCoordinates(fix);
        Place p;
        p.at = {at.lat, at.lon};
        p.kind = fix.IsArcPoint != store::False ? PointKind::ArcPoint : PointKind::Fix;
        p.detail = "fix " + fix.Name + ", " + position(p.at);
        return p;
    }
    auto navaid = placeNavaid(fix.VOR, fix.Name);
    if (!navaid)
        return std::nullopt;
    Place p;
    p.fromNavaid = true;
    p.navaid = navaid->at;
    p.navaidName = fix.VOR;
    p.radial = fix.Heading + r_.variation;
    p.distance = fix.VORDist;
    p.at = destination(navaid->at, p.radial, p.distance);
    p.kind = fix.IsArcPoint != store::False ? PointKind::ArcPoint : PointKind::Fix;
    p.detail = "fix " + fix.Name + ", " + fix.VOR + " radial " + degrees(fix.Heading) + " " +
               miles(fix.VORDist) + ", " + position(p.at);
    return p;
}

std::optional<Place> Builder::place(const std::string& name, bool fix) {
    const FixIndex& fixes = r_.focus.kind == RouteKind::Feeder ? feederFixes_ : airportFixes_;
    if (fix) {
        if (const auto it = fixes.find(name); it != fixes.end())
            return placeFix(*it->second);
        if (r_.tables.userFixes != nullptr)
            if (const int row = r_.tables.userFixes->find(name); row != 0)
                return placeFix((*r_.tables.userFixes)[row]);
    }
    if (r_.tables.navaids->findFirst(name) != 0 || !fix)
        return placeNavaid(name, name);
    problem(name + ": defined nowhere");
    return std::nullopt;
}

void Builder::addPoint(const Place& place, const Stop& stop, Emphasis emphasis, PointKind kind) {
    MapPoint p;
    p.at = project(place.at);
    p.kind = kind;
    p.name = stop.name;
    p.label = stop.label;
    p.detail = place.detail;
    p.emphasis = emphasis;
    if (emphasis == Emphasis::Current) {
        p.line = stop.line;
        p.selected = stop.line == r_.focus.selectedLine;
    }
    if (emphasis == Emphasis::Current)
        widen(p.at);
    d_.points.push_back(std::move(p));
    if (place.fromNavaid && emphasis == Emphasis::Current)
        d_.lines.push_back(
            {{project(place.navaid), project(place.at)}, LineStyle::Radial, emphasis});
}

// The arc flown at one distance from one navaid, through the radials of two
// of its points, turning the short way.
void Builder::addArc(const Place& a, const Place& b, Emphasis emphasis) {
    const double sweep = turn(a.radial, b.radial);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep))));
    MapLine arc{{}, LineStyle::Leg, emphasis};
    for (int i = 0; i <= steps; ++i)
        arc.points.push_back(
            project(destination(a.navaid, a.radial + sweep * i / steps, a.distance)));
    d_.lines.push_back(std::move(arc));
}

void Builder::addRoute(const Route& route, Emphasis emphasis) {
    std::optional<Place> previous;
    Point from = {0, 0};
    for (const Stop& stop : route.stops) {
        if (stop.kind == Stop::Kind::OnHeading) {
            const LatLon start = previous ? previous->at : airport();
            const double heading = stop.heading + r_.variation;
            const LatLon end = destination(start, heading, RayMiles);
            MapRay ray{project(start), project(end), stop.label, emphasis,
                       emphasis == Emphasis::Current && stop.line == r_.focus.selectedLine};
            if (emphasis == Emphasis::Current)
                widen(ray.to);
            d_.rays.push_back(std::move(ray));
            continue;
        }
        const auto placed = place(stop.name, stop.fix);
        if (!placed)
            continue;
        const bool onArc = previous && previous->fromNavaid && placed->fromNavaid &&
                           previous->navaidName == placed->navaidName &&
                           previous->distance == placed->distance &&
                           previous->navaid.lat == placed->navaid.lat &&
                           previous->navaid.lon == placed->navaid.lon;
        PointKind kind = placed->kind;
        if (onArc) {
            addArc(*previous, *placed, emphasis);
            kind = PointKind::ArcPoint;
            if (!d_.points.empty() && d_.points.back().kind == PointKind::Fix)
                d_.points.back().kind = PointKind::ArcPoint;
        } else if (previous || stop.kind == Stop::Kind::Intercept) {
            d_.lines.push_back(
                {{previous ? project(previous->at) : from, project(placed->at)},
                 stop.kind == Stop::Kind::Intercept ? LineStyle::Intercept : LineStyle::Leg,
                 emphasis});
        }
        addPoint(*placed, stop, emphasis, kind);
        if (stop.kind != Stop::Kind::Intercept)
            previous = placed;
    }
}

std::string altitudeLabel(const std::string& altitude, store::Flag floating) {
    std::string label = altitude;
    if (floating != store::False)
        label += label.empty() ? "FLOAT" : " FLOAT";
    return label;
}

double runwayHeading(const std::string& runway) {
    double number = 0;
    for (const char c : runway)
        if (c >= '0' && c <= '9')
            number = number * 10 + (c - '0');
    return number * 10;
}

Route sidRoute(const store::SIDTable& sids, store::RowSpan span) {
    Route route;
    route.runway = sids[span.first].RW1;
    for (int row = span.first; row < span.end; ++row) {
        const store::SIDWaypoint& leg = sids[row];
        const int line = row - span.first;
        if (!leg.OnHeadAlt.empty()) {
            const double heading = runwayHeading(route.runway);
            route.stops.push_back({Stop::Kind::OnHeading, "", true,
                                   "HDG " + runtime::bareNumber(heading) + " to " + leg.OnHeadAlt,
                                   line, heading});
        }
        if (!leg.InterceptHeading.empty()) {
            const bool fix = !leg.InterceptFix.empty();
            route.stops.push_back(
                {Stop::Kind::Intercept, fix ? leg.InterceptFix : leg.InterceptNavaid, fix,
                 "INTERCEPT " + leg.InterceptHeading + " " + leg.InterceptToFrom, line, 0});
        }
        if (!leg.Fix.empty() || !leg.VOR.empty())
            route.stops.push_back({Stop::Kind::Leg, leg.Fix.empty() ? leg.VOR : leg.Fix,
                                   !leg.Fix.empty(), altitudeLabel(leg.Alt, leg.Float), line, 0});
    }
    return route;
}

Route starRoute(const store::STARTable& stars, store::RowSpan span) {
    Route route;
    for (int row = span.first; row < span.end; ++row) {
        const store::STARWaypoint& leg = stars[row];
        if (!leg.Fix.empty() || !leg.VOR.empty())
            route.stops.push_back({Stop::Kind::Leg, leg.Fix.empty() ? leg.VOR : leg.Fix,
                                   !leg.Fix.empty(), altitudeLabel(leg.Alt, leg.Float),
                                   row - span.first, 0});
    }
    return route;
}

Route feederRoute(const store::RunwayTable& rows, int start, int length) {
    Route route;
    for (int row = start; row < start + length; ++row) {
        const store::RunwayWaypoint& r = rows[row];
        route.stops.push_back({Stop::Kind::Leg, r.Navaid.empty() ? r.FIX : r.Navaid,
                               r.Navaid.empty(), r.Alt, row - start, 0});
    }
    return route;
}

template <class Table>
void addProcedures(Builder& b, const Table& table, const std::vector<store::RowSpan>& spans,
                   int firstRow, Route (*make)(const Table&, store::RowSpan)) {
    for (const store::RowSpan& span : spans)
        if (firstRow < span.first || firstRow >= span.end)
            b.addRoute(make(table, span), Emphasis::Other);
    for (const store::RowSpan& span : spans)
        if (firstRow >= span.first && firstRow < span.end)
            b.addRoute(make(table, span), Emphasis::Current);
}

void addFeeders(Builder& b, const MapRequest& r) {
    const auto& rows = *r.tables.feederRows;
    const int count = r.tables.feederRowCount;
    const int first = procedures::findRunwayGroup(rows, count, r.focus.runway);
    if (first == 0)
        return;
    for (int start = first; start <= count && rows[start].ID == r.focus.runway;) {
        const int length = std::max(1, procedures::feederLength(rows, count, start));
        if (start != r.focus.firstRow)
            b.addRoute(feederRoute(rows, start, length), Emphasis::Other);
        start += length;
    }
    if (r.focus.firstRow >= 1 && r.focus.firstRow <= count)
        b.addRoute(feederRoute(rows, r.focus.firstRow,
                               procedures::feederLength(rows, count, r.focus.firstRow)),
                   Emphasis::Current);
}

} // namespace

std::string variationCaption(double variation, bool set) {
    if (!set)
        return "Variation 0\u00B0 (not set)";
    const double whole = std::fabs(variation);
    return "Variation " + runtime::bareNumber(whole) + "\u00B0" +
           (variation == 0  ? ""
            : variation > 0 ? " E"
                            : " W");
}

std::vector<MapPoint> nearbyNavaids(const reference::NavaidTable& navaids,
                                    const reference::AirportRecord& airport, double range) {
    std::vector<MapPoint> out;
    const Projection projection({airport.AirportLat, airport.AirportLong});
    for (int row = 1; row <= navaids.size(); ++row) {
        const auto& n = navaids[row];
        if (n.NavaidFreq == 0 ||
            reference::GreatCircleDistance(airport.AirportLat, airport.AirportLong, n.NavaidLat,
                                           n.NavaidLong) > range)
            continue;
        MapPoint p;
        p.at = projection.forward({n.NavaidLat, n.NavaidLong});
        p.kind = PointKind::NearbyNavaid;
        p.name = n.NavaidID;
        p.detail = "navaid " + n.NavaidID + ", " + runtime::bareNumber(n.NavaidFreq) + ", " +
                   position({n.NavaidLat, n.NavaidLong});
        p.emphasis = Emphasis::Other;
        out.push_back(std::move(p));
    }
    return out;
}

Drawing buildMap(const MapRequest& request) {
    Drawing d;
    if (!request.airport || request.tables.navaids == nullptr) {
        d.problems.push_back("The airport is not in the airport table: nothing can be placed.");
        return d;
    }
    const auto& airport = *request.airport;
    d.title = airport.AirportICAO + " " + airport.AirportName;
    d.rings = {10, 20, 30, 40};
    d.low = {-10, -10};
    d.high = {10, 10};
    MapPoint centre;
    centre.kind = PointKind::Airport;
    centre.name = airport.AirportICAO;
    centre.detail = "airport " + airport.AirportICAO + ", " +
                    position({airport.AirportLat, airport.AirportLong});
    d.points.push_back(centre);
    if (request.nearby != nullptr)
        d.points.insert(d.points.end(), request.nearby->begin(), request.nearby->end());
    Builder b(request, d);
    const auto* store = request.tables.store;
    switch (request.focus.kind) {
    case RouteKind::SID:
        if (store != nullptr)
            addProcedures<store::SIDTable>(b, store->SIDs, store::sidSpans(store->SIDs),
                                           request.focus.firstRow, sidRoute);
        break;
    case RouteKind::STAR:
        if (store != nullptr)
            addProcedures<store::STARTable>(b, store->STARs, store::starSpans(store->STARs),
                                            request.focus.firstRow, starRoute);
        break;
    case RouteKind::Feeder:
        if (request.tables.feederRows != nullptr)
            addFeeders(b, request);
        break;
    }
    d.variationCaption = variationCaption(request.variation, request.variation != 0);
    return d;
}

} // namespace map
