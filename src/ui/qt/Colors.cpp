#include "ui/qt/Colors.h"

#include <QApplication>
#include <QPalette>

namespace ui::qt {

namespace {

QPalette::ColorRole roleOf(int systemIndex) {
    switch (systemIndex) {
    case 5: // window background
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 18: // button text
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(ui::Color color) {
    if (ui::isSystemColor(color))
        return QApplication::palette().color(roleOf(ui::systemColorIndex(color)));
    return QColor(ui::redOf(color), ui::greenOf(color), ui::blueOf(color));
}

} // namespace ui::qt
