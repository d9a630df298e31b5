#include "ui/qt/MapWidget.h"

#include "ui/qt/QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace ui::qt {

MapWidget::MapWidget(QWidget* parent) : QWidget(parent), fitButton_(new QToolButton(this)) {
    setMouseTracking(true);
    setMinimumSize(200, 200);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    fitButton_->setText("Fit");
    fitButton_->setToolTip("Show the whole procedure");
    fitButton_->setFocusPolicy(Qt::NoFocus);
    connect(fitButton_, &QToolButton::clicked, this, [this] { fit(); });
}

void MapWidget::setDrawing(map::Drawing drawing) {
    // A drawing whose routes reach elsewhere (another procedure, a point
    // added far out) is fitted again; small edits keep the user's view.
    const bool moved = drawing.low != drawing_.low || drawing.high != drawing_.high;
    drawing_ = std::move(drawing);
    if (moved || !fitted_)
        fit();
    else
        update();
}

void MapWidget::fit() {
    view_ = map::fitView(drawing_, width(), height());
    fitted_ = true;
    update();
}

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter);
    map::paint(drawing_, view_, canvas);
}

void MapWidget::resizeEvent(QResizeEvent*) {
    fitButton_->move(width() - fitButton_->sizeHint().width() - 40, 4);
    if (fitted_) {
        view_.width = width();
        view_.height = height();
    }
    fit();
}

void MapWidget::wheelEvent(QWheelEvent* event) {
    const QPointF at = event->position();
    const map::Point before = view_.toPoint({at.x(), at.y()});
    view_.scale = std::clamp(view_.scale * std::pow(1.0015, event->angleDelta().y()), 0.05, 5000.0);
    // The point under the mouse stays there.
    const map::Point after = view_.toPoint({at.x(), at.y()});
    view_.centre = {view_.centre.x + before.x - after.x, view_.centre.y + before.y - after.y};
    update();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressedAt_ = event->position();
    centreAtPress_ = view_.centre;
    dragging_ = false;
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->buttons() & Qt::LeftButton) {
        const QPointF moved = at - pressedAt_;
        dragging_ = dragging_ || std::hypot(moved.x(), moved.y()) > 3;
        if (dragging_) {
            view_.centre = {centreAtPress_.x - moved.x() / view_.scale,
                            centreAtPress_.y + moved.y() / view_.scale};
            update();
        }
        return;
    }
    const int hit = map::pointAt(drawing_, view_, {at.x(), at.y()});
    if (hit < 0) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(
        event->globalPosition().toPoint(),
        QString::fromStdString(drawing_.points[static_cast<std::size_t>(hit)].detail), this);
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_)
        return;
    const QPointF at = event->position();
    const int hit = map::pointAt(drawing_, view_, {at.x(), at.y()});
    if (hit >= 0 && onPointClicked)
        onPointClicked(drawing_.points[static_cast<std::size_t>(hit)].line);
}

} // namespace ui::qt
