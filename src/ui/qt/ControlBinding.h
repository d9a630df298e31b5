#pragma once

#include "ui/Control.h"

#include <QObject>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace ui {
class App;
}

namespace ui::qt {

class Application;

// Mirrors one control on one widget and turns the user's mouse and
// keyboard on that widget into App's user input, so focus moves, clicks
// and keystrokes follow the same rules as in the headless tests. The model
// is the truth: every change of state is pushed to the widget.
class ControlBinding : public QObject {
public:
    ControlBinding(Application& owner, ui::Control& control, QWidget& widget);
    ~ControlBinding() override;

    ui::Control& control() const { return control_; }
    QWidget& widget() const { return widget_; }

    // Pushes one property, or every one, to the widget.
    virtual void apply(ui::Property what);
    void applyAll();

protected:
    ui::App& app() const;
    bool syncing() const;
    // Watches another object too (an item view's viewport).
    void watch(QObject& object);

    // After the focus rules let the event through; true eats it.
    virtual bool mousePressed(QObject& watched, QMouseEvent& event, bool doubleClick);
    virtual bool keyPressed(QKeyEvent& event);
    // The widget is getting the focus (before it handles that itself).
    virtual void focusEntering() {}

    Application& owner_;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    ui::Control& control_;
    QWidget& widget_;
};

} // namespace ui::qt
