#pragma once

#include <string>
#include <vector>

// What a map of an airport's procedures shows, in nautical miles east (x)
// and north (y) of the airport on an azimuthal equidistant projection
// centred there. Screens and picture writers only paint it.
namespace map {

struct Point {
    double x = 0;
    double y = 0;
    bool operator==(const Point&) const = default;
};

// The route being edited is Current; the others of the screen are Other.
enum class Emphasis { Current, Other };

enum class PointKind { Airport, Fix, Navaid, ArcPoint, NearbyNavaid };

struct MapPoint {
    Point at;
    PointKind kind = PointKind::Fix;
    std::string name;
    std::string label;  // altitude and FLOAT, small beside the name
    std::string detail; // what hovering shows: kind, position, which navaid
    Emphasis emphasis = Emphasis::Current;
    int line = -1; // the editor's list line this point stands for, or -1
    bool selected = false;
};

enum class LineStyle { Leg, Intercept, Radial };

struct MapLine {
    std::vector<Point> points; // a polyline; an arc is drawn through many
    LineStyle style = LineStyle::Leg;
    Emphasis emphasis = Emphasis::Current;
};

// A heading leg: flown from `from` on a heading until an altitude; `to` is
// where the arrow's head is drawn, a few miles out on that heading.
struct MapRay {
    Point from;
    Point to;
    std::string label;
    Emphasis emphasis = Emphasis::Current;
    bool selected = false;
};

struct Drawing {
    std::string title;
    std::vector<double> rings; // radii in NM around the airport
    std::vector<MapPoint> points;
    std::vector<MapLine> lines;
    std::vector<MapRay> rays;
    std::vector<std::string> problems; // names that could not be placed
    std::string variationCaption;
    // The part of the plane the route on screen and the airport's
    // surroundings use, for "fit".
    Point low, high;
};

} // namespace map
