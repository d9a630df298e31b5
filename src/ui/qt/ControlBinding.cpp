#include "ui/qt/ControlBinding.h"

#include "ui/App.h"
#include "ui/Captioned.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/qt/Application.h"
#include "ui/qt/Text.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWidget>

#include <string>

namespace ui::qt {

ControlBinding::ControlBinding(Application& owner, ui::Control& control, QWidget& widget)
    : owner_(owner), control_(control), widget_(widget) {
    control_.onChanged = [this](ui::Property what) {
        const Application::Sync sync(owner_);
        apply(what);
    };
    watch(widget_);
}

ControlBinding::~ControlBinding() {
    control_.onChanged = nullptr;
}

ui::App& ControlBinding::app() const {
    return owner_.app();
}

bool ControlBinding::syncing() const {
    return owner_.syncing();
}

void ControlBinding::watch(QObject& object) {
    object.installEventFilter(this);
}

void ControlBinding::apply(ui::Property what) {
    switch (what) {
    case ui::Property::Enabled:
        widget_.setEnabled(control_.enabled());
        break;
    case ui::Property::Visible:
        widget_.setVisible(control_.visible());
        break;
    case ui::Property::TabStop:
        widget_.setFocusPolicy(control_.focusable() && control_.tabStop() ? Qt::StrongFocus
                               : control_.focusable()                     ? Qt::ClickFocus
                                                                          : widget_.focusPolicy());
        break;
    case ui::Property::ToolTip:
        widget_.setToolTip(toQt(control_.toolTip()));
        break;
    case ui::Property::AccessibleName:
        widget_.setAccessibleName(toQt(ui::spokenName(control_)));
        break;
    default:
        break;
    }
}

void ControlBinding::applyAll() {
    const Application::Sync sync(owner_);
    for (ui::Property p :
         {ui::Property::Enabled, ui::Property::Visible, ui::Property::TabStop, ui::Property::Text,
          ui::Property::Caption, ui::Property::MaxLength, ui::Property::ForeColor,
          ui::Property::Items, ui::Property::ListIndex, ui::Property::Selection,
          ui::Property::Value, ui::Property::Path, ui::Property::Pattern, ui::Property::Drive,
          ui::Property::ToolTip, ui::Property::AccessibleName})
        apply(p);
}

bool ControlBinding::mousePressed(QObject&, QMouseEvent&, bool) {
    return false;
}

bool ControlBinding::keyPressed(QKeyEvent&) {
    return false;
}

namespace {

// The keys of a key press as CommandButton::shortcuts writes them.
std::string keysOf(const QKeyEvent& key) {
    return QKeySequence(key.keyCombination()).toString(QKeySequence::PortableText).toStdString();
}

} // namespace

bool ControlBinding::eventFilter(QObject* watched, QEvent* event) {
    if (syncing() || app().ended() || !control_.focusable())
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        focusEntering();
        // Clicks are handled on the press; the rest (Tab from an unbound
        // widget, a window the user activated) are the user's moves too.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::PopupFocusReason || control_.hasFocus())
            return false;
        app().userPress(control_);
        owner_.syncFocus();
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto& mouse = *static_cast<QMouseEvent*>(event);
        if (mouse.button() != Qt::LeftButton)
            return false;
        if (!control_.hasFocus() && !app().userPress(control_)) {
            // Refused (rule 4): the press never reaches the widget.
            owner_.syncFocus();
            return true;
        }
        return mousePressed(*watched, mouse, event->type() == QEvent::MouseButtonDblClick);
    }
    case QEvent::KeyPress: {
        auto& key = *static_cast<QKeyEvent*>(event);
        // The keys that move the focus are the model's, so Qt does not see
        // them: the window is told itself to show where the focus is now.
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
            key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
            (key.modifiers() & Qt::AltModifier))
            widget_.window()->setAttribute(Qt::WA_KeyboardFocusChange);
        // A button's keys win over the widget's own use of them (a line
        // edit's undo): this filter sees the key before the widget does.
        if (app().userShortcut(control_.form(), keysOf(key))) {
            owner_.syncFocus();
            return true;
        }
        const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)) {
            app().userTab(key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier));
            owner_.syncFocus();
            return true;
        }
        if (!control_.hasFocus() && !app().userPress(control_)) {
            owner_.syncFocus();
            return true;
        }
        return keyPressed(key);
    }
    default:
        return false;
    }
}

} // namespace ui::qt
