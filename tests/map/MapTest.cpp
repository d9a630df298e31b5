// The map's drawing model: where radial/distance fixes and arc points land
// (checked back with the inverse geodesic), heading legs, the names that
// cannot be placed, and KSEA's procedures.
#include "map/MapBuilder.h"
#include "map/SvgCanvas.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"
#include "runtime/Numbers.h"
#include "runtime/TextFiles.h"
#include "store/AirportReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double OneMetre = 1 / map::MetresPerMile;

const reference::NavaidTable& navaids() {
    static const auto table =
        reference::loadNavaids(VEXTREL_DATA_DIR "/reference/AllFlyNavaids.txt");
    return table;
}

const reference::AirportRecord& ksea() {
    static const auto airports =
        reference::loadAirports(VEXTREL_DATA_DIR "/reference/AllFlyAirports.txt");
    return *airports.findAirport("KSEA");
}

struct Airport {
    explicit Airport(const std::string& text) {
        store::ProcedureCounters counters;
        const auto read = store::LoadData(text, *store, counters);
        EXPECT_TRUE(read.ok) << read.message;
    }
    map::Drawing draw(map::RouteKind kind, int firstRow = 1, double variation = 0) const {
        map::MapRequest r;
        r.tables.store = store.get();
        r.tables.navaids = &navaids();
        r.airport = ksea();
        r.variation = variation;
        r.focus = {kind, firstRow, "", 1};
        return map::buildMap(r);
    }
    std::unique_ptr<store::ProcedureStore> store = std::make_unique<store::ProcedureStore>();
};

const map::MapPoint* named(const map::Drawing& d, const std::string& name) {
    for (const auto& p : d.points)
        if (p.name == name && p.kind != map::PointKind::NearbyNavaid)
            return &p;
    return nullptr;
}

map::LatLon navaidSEA() {
    const auto& n = navaids()[navaids().findFirst("SEA")];
    return {n.NavaidLat, n.NavaidLong};
}

} // namespace

// Each row: a fix's radial and distance from SEA and the variation; the
// point read back lies at that distance within a metre, on the radial plus
// the variation within a hundredth of a degree.
TEST(Map, RadialDistanceFixesLandWhereTheyAreGiven) {
    const struct {
        double radial, distance, variation;
    } cases[] = {{160, 10, 0}, {0, 35, 0}, {359.9, 0.5, 0}, {270, 120, 15.5}, {45, 12, -20}};
    for (const auto& c : cases) {
        const Airport a("FIXES\r\nFIX P COLOCATED SEA " + runtime::bareNumber(c.radial) + " " +
                        runtime::bareNumber(c.distance) +
                        "\r\nENDFIXES\r\nSTARS\r\nSTAR A FIX P RNW 16L\r\nENDSTARS\r\n");
        const auto d = a.draw(map::RouteKind::STAR, 1, c.variation);
        const auto* p = named(d, "P");
        ASSERT_NE(p, nullptr);
        const map::Projection projection({ksea().AirportLat, ksea().AirportLong});
        const auto course = map::between(navaidSEA(), projection.reverse(p->at));
        EXPECT_NEAR(course.miles, c.distance, OneMetre) << c.radial;
        EXPECT_NEAR(std::remainder(course.azimuth - c.radial - c.variation, 360.0), 0, 0.01)
            << c.radial;
        EXPECT_EQ(d.lines.front().style, map::LineStyle::Radial);
        EXPECT_EQ(d.variationCaption, map::variationCaption(c.variation, c.variation != 0));
    }
    EXPECT_EQ(map::variationCaption(15.5, true), "Variation 15.5\u00B0 E");
    EXPECT_EQ(map::variationCaption(0, false), "Variation 0\u00B0 (not set)");
}

// Arc points around SEA at 12 NM, across north: the arc is drawn through
// them, every point of it on the circle, turning the short way.
TEST(Map, AnArcIsDrawnOnItsCircleThroughItsPoints) {
    const Airport a("FIXES\r\nFIX SEA1 COLOCATED SEA 340 12\r\nFIX SEA2 COLOCATED SEA 355 12\r\n"
                    "FIX SEA3 COLOCATED SEA 10 12\r\nENDFIXES\r\nSTARS\r\n"
                    "STAR A FIX SEA1 FIX SEA2 FIX SEA3 NAVAID SEA RNW 16L\r\nENDSTARS\r\n");
    const auto d = a.draw(map::RouteKind::STAR);
    const map::Projection projection({ksea().AirportLat, ksea().AirportLong});
    int arcs = 0;
    for (const auto& line : d.lines) {
        if (line.points.size() < 3)
            continue;
        ++arcs;
        for (const auto& p : line.points)
            EXPECT_NEAR(map::between(navaidSEA(), projection.reverse(p)).miles, 12, OneMetre);
        EXPECT_EQ(line.points.size(), 16u); // 15 degrees, a point each
    }
    EXPECT_EQ(arcs, 2);
    EXPECT_EQ(named(d, "SEA2")->kind, map::PointKind::ArcPoint);
    EXPECT_EQ(named(d, "SEA")->kind, map::PointKind::Navaid);
}

TEST(Map, NamesThatCannotBePlacedAreProblemsNotPoints) {
    const Airport a("FIXES\r\nFIX FAR COLOCATED QQX 90 10\r\nENDFIXES\r\nSTARS\r\n"
                    "STAR A FIX FAR NAVAID ON NAVAID XYZZY NAVAID BTG RNW 16L\r\nENDSTARS\r\n");
    const auto d = a.draw(map::RouteKind::STAR);
    EXPECT_EQ(d.problems, (std::vector<std::string>{
                              "FAR: navaid QQX is not in the navaid table",
                              "XYZZY: navaid XYZZY is not in the navaid table",
                          }));
    EXPECT_EQ(named(d, "FAR"), nullptr);
    // ON has two entries near KSEA: the lookup's first, placed and said so.
    ASSERT_NE(named(d, "ON"), nullptr);
    EXPECT_NE(named(d, "ON")->detail.find("entries of that name, the first within 200 NM"),
              std::string::npos);
    // A navaid found only beyond 200 NM is not drawn at a guessed place.
    const Airport far("STARS\r\nSTAR A NAVAID ABC RNW 16L\r\nENDSTARS\r\n");
    EXPECT_EQ(far.draw(map::RouteKind::STAR).problems,
              (std::vector<std::string>{"ABC: navaid ABC has no entry within 200 NM of KSEA"}));
}

// KSEA's SIDs: SEA9 on screen strong, the others faint; its heading leg is
// a ray on the runway's heading, its list line selected.
TEST(Map, KSEAsSIDsWithAHeadingLegAndTheSelectedLine) {
    const Airport a(runtime::readWholeFile(VEXTREL_DATA_DIR "/sample/PMDG/KSEA.txt"));
    const auto d = a.draw(map::RouteKind::SID);
    ASSERT_EQ(d.rays.size(), 2u);
    const auto& ray = d.rays[1]; // SEA9's, drawn last as the current one
    EXPECT_EQ(ray.emphasis, map::Emphasis::Current);
    EXPECT_EQ(ray.label, "HDG 160 to 1000");
    EXPECT_NEAR(std::atan2(ray.to.x - ray.from.x, ray.to.y - ray.from.y) * 180 / std::numbers::pi,
                160, 0.5);
    std::vector<std::string> current;
    for (const auto& p : d.points)
        if (p.emphasis == map::Emphasis::Current && p.kind != map::PointKind::Airport)
            current.push_back(p.name + (p.selected ? "*" : "") + ":" + std::to_string(p.line));
    // Line 0 is the heading leg, the ray; line 1 selected.
    EXPECT_EQ(current, (std::vector<std::string>{"SEA*:1", "SEA160:2"}));
    EXPECT_NE(named(d, "SUMMA"), nullptr);
    EXPECT_EQ(named(d, "SUMMA")->emphasis, map::Emphasis::Other);
    EXPECT_TRUE(d.problems.empty());
    const std::string svg = map::svgPicture(d, 800, 600);
    EXPECT_NE(svg.find(">SEA160</text>"), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
}
