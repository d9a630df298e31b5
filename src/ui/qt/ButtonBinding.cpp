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
#include <QLabel>

namespace ui::qt {

ButtonBinding::ButtonBinding(Application& owner, ui::Control& control, QAbstractButton& button)
    : ControlBinding(owner, control, button), button_(button) {
    // Groups are the model's; Qt's exclusivity could not show "none".
    button_.setAutoExclusive(false);
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
        if (auto* captioned = dynamic_cast<ui::Captioned*>(&control()))
            button_.setText(toQt(captioned->caption()));
        break;
    case ui::Property::ToolTip:
        if (auto* command = dynamic_cast<ui::CommandButton*>(&control()))
            button_.setToolTip(toQt(command->toolTip()));
        break;
    case ui::Property::Value:
        if (auto* o = dynamic_cast<ui::OptionButton*>(&control()))
            button_.setChecked(o->value());
        else if (auto* c = dynamic_cast<ui::CheckBox*>(&control()))
            button_.setChecked(c->value() != 0);
        break;
    default:
        ControlBinding::apply(what);
    }
}

bool ButtonBinding::keyPressed(QKeyEvent& event) {
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
                label->setText(toQt(captioned->caption()));
            else if (auto* box = qobject_cast<QGroupBox*>(&widget()))
                box->setTitle(toQt(captioned->caption()));
        }
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
