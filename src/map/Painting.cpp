#include "map/Painting.h"

#include "runtime/Numbers.h"

#include <algorithm>
#include <cmath>

namespace map {

namespace {

constexpr std::uint32_t Strong = 0x0050c8;
constexpr std::uint32_t Selected = 0xe06000;
constexpr std::uint32_t Faint = 0xb4b4b4;
constexpr std::uint32_t Ring = 0xd8d8d8;
constexpr std::uint32_t Ink = 0x303030;
constexpr std::uint32_t Problem = 0xd00000;

std::uint32_t colour(Emphasis e, bool selected = false) {
    return selected ? Selected : e == Emphasis::Current ? Strong : Faint;
}

void paintRings(const Drawing& d, const View& v, Canvas& c) {
    const Pixel centre = v.toPixel({0, 0});
    for (const double r : d.rings) {
        c.circle(centre, r * v.scale, {Ring, 1, false}, false);
        c.text({centre.x + r * v.scale * 0.7071 + 2, centre.y - r * v.scale * 0.7071 - 2},
               runtime::bareNumber(r) + " NM", 10, Faint, false);
    }
}

// A bar of a round length near a sixth of the width, bottom left.
void paintScale(const View& v, Canvas& c) {
    const double wanted = v.width / 6.0 / v.scale;
    double length = 1;
    for (const double step : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0})
        if (step <= wanted)
            length = step;
    const double y = v.height - 14.0;
    const double x0 = 12, x1 = 12 + length * v.scale;
    c.polyline({{x0, y - 4}, {x0, y}, {x1, y}, {x1, y - 4}}, {Ink, 1.5, false});
    c.text({x0, y - 7}, runtime::bareNumber(length) + " NM", 10, Ink, false);
}

void paintNorth(const View& v, Canvas& c) {
    const double x = v.width - 22.0, y = 14;
    c.polygon({{x, y}, {x - 6, y + 18}, {x, y + 14}, {x + 6, y + 18}}, {Ink, 1, false}, Ink);
    c.text({x - 4, y + 32}, "N", 11, Ink, true);
}

void paintPoint(const MapPoint& p, const View& v, Canvas& c) {
    const Pixel at = v.toPixel(p.at);
    const std::uint32_t rgb =
        p.kind == PointKind::NearbyNavaid ? Faint : colour(p.emphasis, p.selected);
    const Pen pen{rgb, p.selected ? 2.5 : 1.2, false};
    switch (p.kind) {
    case PointKind::Airport:
        c.circle(at, 6, {Ink, 2, false}, false);
        c.circle(at, 2, {Ink, 1, false}, true);
        break;
    case PointKind::Navaid:
    case PointKind::NearbyNavaid:
        c.polygon({{at.x - 5, at.y},
                   {at.x - 2.5, at.y - 4.3},
                   {at.x + 2.5, at.y - 4.3},
                   {at.x + 5, at.y},
                   {at.x + 2.5, at.y + 4.3},
                   {at.x - 2.5, at.y + 4.3}},
                  pen, 0xffffff);
        break;
    case PointKind::Fix:
        c.polygon({{at.x, at.y - 5}, {at.x + 4.5, at.y + 3.5}, {at.x - 4.5, at.y + 3.5}}, pen,
                  0xffffff);
        break;
    case PointKind::ArcPoint:
        c.circle(at, 3, pen, true);
        break;
    }
    if (p.selected)
        c.circle(at, 10, {Selected, 1.5, false}, false);
    const double size = p.kind == PointKind::NearbyNavaid ? 9 : 11;
    c.text({at.x + 7, at.y - 4}, p.name, size, p.kind == PointKind::NearbyNavaid ? Faint : rgb,
           p.emphasis == Emphasis::Current && p.kind != PointKind::NearbyNavaid);
    // Altitudes only on the route on screen: the others stay quiet.
    if (!p.label.empty() && p.emphasis == Emphasis::Current)
        c.text({at.x + 7, at.y + 9}, p.label, 9, rgb, false);
}

void paintRay(const MapRay& r, const View& v, Canvas& c) {
    const Pixel a = v.toPixel(r.from), b = v.toPixel(r.to);
    const std::uint32_t rgb = colour(r.emphasis, r.selected);
    c.polyline({a, b}, {rgb, r.emphasis == Emphasis::Current ? 2.0 : 1.0, false});
    const double angle = std::atan2(b.y - a.y, b.x - a.x);
    auto wing = [&](double side) {
        return Pixel{b.x - 9 * std::cos(angle + side), b.y - 9 * std::sin(angle + side)};
    };
    c.polygon({b, wing(0.4), wing(-0.4)}, {rgb, 1, false}, rgb);
    c.text({b.x + 5, b.y + 4}, r.label, 9, rgb, false);
}

} // namespace

View fitView(const Drawing& d, int width, int height) {
    View v;
    v.width = width;
    v.height = height;
    v.centre = {(d.low.x + d.high.x) / 2, (d.low.y + d.high.y) / 2};
    const double w = std::max(d.high.x - d.low.x, 1.0), h = std::max(d.high.y - d.low.y, 1.0);
    // Room for the names beside the points at the edges.
    v.scale = std::min((width - 120) / w, (height - 80) / h);
    v.scale = std::clamp(v.scale, 0.05, 2000.0);
    // The names stand to the right of their points.
    v.centre.x += 25 / v.scale;
    return v;
}

void paint(const Drawing& d, const View& v, Canvas& c) {
    paintRings(d, v, c);
    for (const Emphasis pass : {Emphasis::Other, Emphasis::Current}) {
        for (const MapLine& l : d.lines) {
            if (l.emphasis != pass)
                continue;
            std::vector<Pixel> pixels;
            for (const Point& p : l.points)
                pixels.push_back(v.toPixel(p));
            const bool current = l.emphasis == Emphasis::Current;
            const Pen pen =
                l.style == LineStyle::Radial
                    ? Pen{Faint, 0.8, false}
                    : Pen{colour(l.emphasis), current ? 2.0 : 1.0, l.style == LineStyle::Intercept};
            c.polyline(pixels, pen);
        }
        for (const MapRay& r : d.rays)
            if (r.emphasis == pass)
                paintRay(r, v, c);
    }
    // Faint points under the others, the selected one on top.
    for (const int layer : {0, 1, 2})
        for (const MapPoint& p : d.points) {
            const int of = p.selected ? 2 : p.emphasis == Emphasis::Current ? 1 : 0;
            if (of == layer)
                paintPoint(p, v, c);
        }
    paintScale(v, c);
    paintNorth(v, c);
    double y = 2;
    for (const std::string& problem : d.problems)
        c.text({8, y += 14}, problem, 10, Problem, true);
}

int pointAt(const Drawing& d, const View& v, Pixel at, double radius) {
    int best = -1;
    double bestDistance = radius;
    bool bestFaint = true;
    for (std::size_t i = 0; i < d.points.size(); ++i) {
        const MapPoint& p = d.points[i];
        const Pixel px = v.toPixel(p.at);
        const double distance = std::hypot(px.x - at.x, px.y - at.y);
        const bool faint = p.kind == PointKind::NearbyNavaid;
        if (distance > radius || (faint && !bestFaint))
            continue;
        if (best < 0 || distance < bestDistance || (bestFaint && !faint)) {
            best = static_cast<int>(i);
            bestDistance = distance;
            bestFaint = faint;
        }
    }
    return best;
}

} // namespace map
