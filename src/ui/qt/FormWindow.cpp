#include "ui/qt/FormWindow.h"

#include <QCloseEvent>

namespace ui::qt {

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!onCloseRequested) {
        QWidget::closeEvent(event);
        return;
    }
    // The model decides: its unload hides the window through the binding.
    event->ignore();
    onCloseRequested();
}

} // namespace ui::qt
