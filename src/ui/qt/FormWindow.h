#pragma once

#include <QWidget>

#include <functional>

namespace ui::qt {

// The top-level window of a screen; its Designer form is set up on it.
// Closing it asks the model to unload the screen instead of closing.
class FormWindow : public QWidget {
public:
    explicit FormWindow(QWidget* parent = nullptr) : QWidget(parent) {}
    std::function<void()> onCloseRequested;

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace ui::qt
