#pragma once

#include "map/Painting.h"

class QPainter;

namespace ui::qt {

// The map painted with Qt's painter: on the screens and into PNG files.
class QtCanvas : public map::Canvas {
public:
    explicit QtCanvas(QPainter& painter) : painter_(painter) {}
    void polyline(const std::vector<map::Pixel>& points, const map::Pen& pen) override;
    void polygon(const std::vector<map::Pixel>& points, const map::Pen& pen,
                 std::uint32_t fill) override;
    void circle(map::Pixel centre, double radius, const map::Pen& pen, bool filled) override;
    void text(map::Pixel at, const std::string& text, double size, std::uint32_t rgb,
              bool bold) override;

private:
    QPainter& painter_;
};

} // namespace ui::qt
