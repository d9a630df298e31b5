#include "ui/qt/QtCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ui::qt {

namespace {

QColor colour(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 255), static_cast<int>((rgb >> 8) & 255),
                  static_cast<int>(rgb & 255));
}

QPen qpen(const map::Pen& pen) {
    QPen out(colour(pen.rgb), pen.width);
    if (pen.dashed)
        out.setDashPattern({6 / pen.width, 4 / pen.width});
    return out;
}

QPolygonF polygonOf(const std::vector<map::Pixel>& points) {
    QPolygonF out;
    for (const map::Pixel& p : points)
        out << QPointF(p.x, p.y);
    return out;
}

} // namespace

void QtCanvas::polyline(const std::vector<map::Pixel>& points, const map::Pen& pen) {
    painter_.setPen(qpen(pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(polygonOf(points));
}

void QtCanvas::polygon(const std::vector<map::Pixel>& points, const map::Pen& pen,
                       std::uint32_t fill) {
    painter_.setPen(qpen(pen));
    painter_.setBrush(colour(fill));
    painter_.drawPolygon(polygonOf(points));
}

void QtCanvas::circle(map::Pixel centre, double radius, const map::Pen& pen, bool filled) {
    painter_.setPen(qpen(pen));
    painter_.setBrush(filled ? QBrush(colour(pen.rgb)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
}

void QtCanvas::text(map::Pixel at, const std::string& text, double size, std::uint32_t rgb,
                    bool bold) {
    QFont font = painter_.font();
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    painter_.setFont(font);
    painter_.setPen(colour(rgb));
    painter_.drawText(QPointF(at.x, at.y), QString::fromStdString(text));
}

} // namespace ui::qt
