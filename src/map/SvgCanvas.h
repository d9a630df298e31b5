#pragma once

#include "map/Painting.h"

#include <string>

namespace map {

// A canvas that writes SVG text.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(int width, int height);
    void polyline(const std::vector<Pixel>& points, const Pen& pen) override;
    void polygon(const std::vector<Pixel>& points, const Pen& pen, std::uint32_t fill) override;
    void circle(Pixel centre, double radius, const Pen& pen, bool filled) override;
    void text(Pixel at, const std::string& text, double size, std::uint32_t rgb,
              bool bold) override;
    // The whole document.
    std::string document() const { return out_ + "</svg>\n"; }

private:
    std::string out_;
};

// Every procedure of the drawing's kind on its own page is the caller's
// business; this writes one drawing, fitted, as an SVG document.
std::string svgPicture(const Drawing& drawing, int width, int height);

} // namespace map
