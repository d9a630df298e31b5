#include "ui/qt/ButtonBinding.h"

#include "ui/App.h"
#include "ui/Captioned.h"
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/OptionButton.h"
#include "ui/qt/Application.h"
#include "ui/qt/Text.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>

#include <algorithm>

namespace ui::qt {

ButtonBinding::ButtonBinding(Application& owner, ui::Control& control, QAbstractButton& button)
    : ControlBinding(owner, control, button), button_(button) {
    // A radio button stays auto-exclusive, so that it is one of a group to
    // a screen reader and the arrow keys move within its group: the model's
    // groups are the options of one frame, and so are Qt's, the options of
    // one parent widget. Showing "none" lifts the exclusivity for a moment.
    button_.setAutoExclusive(dynamic_cast<ui::OptionButton*>(&control) != nullptr);
    QObject::connect(&button_, &QAbstractButton::clicked, this, [this] {
        if (syncing())
            return;
        app().userRelease(this->control());
        const Application::Sync sync(owner_);
        apply(ui::Property::Value);
    });
}

void ButtonBinding::apply(ui::Property what) {
    switch (what) {
    case ui::Property::Caption:
        if (auto* command = dynamic_cast<ui::CommandButton*>(&control())) {
            // A new caption may move the Alt letters of the buttons after it.
            owner_.showMnemonics(command->form());
        } else if (auto* captioned = dynamic_cast<ui::Captioned*>(&control())) {
            button_.setText(toQt(ui::screenText(captioned->caption())));
        }
        ControlBinding::apply(ui::Property::AccessibleName);
        break;
    case ui::Property::Value:
        if (auto* o = dynamic_cast<ui::OptionButton*>(&control())) {
            button_.setAutoExclusive(o->value());
            button_.setChecked(o->value());
            button_.setAutoExclusive(true);
        } else if (auto* c = dynamic_cast<ui::CheckBox*>(&control()))
            button_.setChecked(c->value() != 0);
        break;
    default:
        ControlBinding::apply(what);
    }
}

void ButtonBinding::showMnemonic() {
    auto* command = dynamic_cast<ui::CommandButton*>(&control());
    if (command == nullptr)
        return;
    // The caption as shown, its own ampersands doubled and an ampersand
    // before the Alt letter (placed by counting characters, not bytes).
    const std::string shown = ui::screenText(command->caption());
    const std::size_t at = std::min(ui::mnemonicPosition(*command), shown.size());
    QString before = toQt(shown.substr(0, at));
    QString after = toQt(shown.substr(at));
    before.replace('&', "&&");
    after.replace('&', "&&");
    button_.setText(at < shown.size() ? before + '&' + after : before);
    // The model clicks the button on Alt and its letter (the key filter),
    // as it does for every key of a button: Qt's own would bypass the check
    // of the box being left.
    button_.setShortcut(QKeySequence());
}

bool ButtonBinding::keyPressed(QKeyEvent& event) {
    // An arrow key chooses the next option of the group, as a click on it
    // would (Qt's own would click it before the focus is there).
    if (auto* option = dynamic_cast<ui::OptionButton*>(&control())) {
        const int key = event.key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        if (ui::OptionButton* next = option->neighbour(key == Qt::Key_Down || key == Qt::Key_Right))
            app().userClick(*next);
        owner_.syncFocus();
        return true;
    }
    // Enter on a focused command button clicks it.
    if ((event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
        dynamic_cast<ui::CommandButton*>(&control()) != nullptr) {
        app().userRelease(control());
        return true;
    }
    return false;
}

CaptionBinding::CaptionBinding(Application& owner, ui::Control& control, QWidget& widget)
    : ControlBinding(owner, control, widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget))
        label->setTextFormat(Qt::PlainText);
}

void CaptionBinding::apply(ui::Property what) {
    switch (what) {
    case ui::Property::Caption:
        if (auto* captioned = dynamic_cast<ui::Captioned*>(&control())) {
            if (auto* label = qobject_cast<QLabel*>(&widget()))
                label->setText(toQt(ui::screenText(captioned->caption())));
            else if (auto* box = qobject_cast<QGroupBox*>(&widget()))
                box->setTitle(toQt(ui::screenText(captioned->caption())));
        }
        ControlBinding::apply(ui::Property::AccessibleName);
        break;
    case ui::Property::Visible:
        ControlBinding::apply(what);
        // A panel shown over other controls covers them.
        if (control().visible())
            widget().raise();
        break;
    default:
        ControlBinding::apply(what);
    }
}

} // namespace ui::qt
