#pragma once

#include "map/Drawing.h"

#include <cstdint>
#include <string>
#include <vector>

// Painting a drawing: the same code for the screens and the picture files,
// onto any canvas (Qt's painter, an SVG writer).
namespace map {

struct Pixel {
    double x = 0;
    double y = 0;
};

struct Pen {
    std::uint32_t rgb = 0;
    double width = 1;
    bool dashed = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void polyline(const std::vector<Pixel>& points, const Pen& pen) = 0;
    virtual void polygon(const std::vector<Pixel>& points, const Pen& pen, std::uint32_t fill) = 0;
    virtual void circle(Pixel centre, double radius, const Pen& pen, bool filled) = 0;
    // Text with its baseline starting at `at`; `size` in pixels.
    virtual void text(Pixel at, const std::string& text, double size, std::uint32_t rgb,
                      bool bold) = 0;
};

// Which part of the plane a canvas of width x height pixels shows.
struct View {
    Point centre;     // NM, at the middle of the canvas
    double scale = 4; // pixels per NM
    int width = 600;
    int height = 600;

    Pixel toPixel(Point p) const {
        return {width / 2.0 + (p.x - centre.x) * scale, height / 2.0 - (p.y - centre.y) * scale};
    }
    Point toPoint(Pixel p) const {
        return {centre.x + (p.x - width / 2.0) / scale, centre.y - (p.y - height / 2.0) / scale};
    }
};

// The view that shows every route of the drawing, with a margin.
View fitView(const Drawing& drawing, int width, int height);

void paint(const Drawing& drawing, const View& view, Canvas& canvas);

// The point under a pixel (within `radius` pixels), nearest first: its index
// in drawing.points, or -1. Faint navaids count only when nothing else is
// near.
int pointAt(const Drawing& drawing, const View& view, Pixel at, double radius = 8);

} // namespace map
