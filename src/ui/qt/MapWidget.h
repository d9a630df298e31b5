#pragma once

#include "map/Painting.h"

#include <QWidget>

#include <functional>

class QToolButton;

namespace ui::qt {

// The map on a screen: paints the drawing, zooms with the wheel, pans by
// dragging, fits on its button, tells what is under the mouse, and reports
// a click on a point of the route with its list line.
class MapWidget : public QWidget {
public:
    explicit MapWidget(QWidget* parent = nullptr);
    void setDrawing(map::Drawing drawing);
    const map::View& view() const { return view_; }
    void fit();

    std::function<void(int line)> onPointClicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    map::Drawing drawing_;
    map::View view_;
    bool fitted_ = false;
    QPointF pressedAt_;
    map::Point centreAtPress_;
    bool dragging_ = false;
    QToolButton* fitButton_;
};

} // namespace ui::qt
