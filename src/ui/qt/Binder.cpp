#include "ui/qt/Binder.h"

#include "ui/Forms.h"
#include "ui/qt/BindError.h"
#include "ui/qt/ButtonBinding.h"
#include "ui/qt/ListBinding.h"
#include "ui/qt/MapBinding.h"
#include "ui/qt/TextBoxBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace ui::qt {

namespace {

template <class W> W& widgetFor(const ui::Control& control, QWidget& found, const char* needed) {
    if (auto* w = qobject_cast<W*>(&found))
        return *w;
    throw BindError(control.name(), control.form().name() + ": widget " + control.name() +
                                        " is a " + found.metaObject()->className() + ", the " +
                                        control.kind() + " needs a " + needed);
}

} // namespace

std::unique_ptr<ControlBinding> bindControl(Application& owner, ui::Control& control,
                                            QWidget& window) {
    const QString name = QString::fromStdString(control.name());
    QWidget* found = window.findChild<QWidget*>(name);
    if (found == nullptr)
        throw BindError(control.name(), control.form().name() + ": no widget named " +
                                            control.name() + " for the " + control.kind());

    if (auto* box = dynamic_cast<ui::TextBox*>(&control))
        return std::make_unique<TextBoxBinding>(owner, *box,
                                                widgetFor<QLineEdit>(control, *found, "QLineEdit"));
    if (dynamic_cast<ui::CommandButton*>(&control))
        return std::make_unique<ButtonBinding>(
            owner, control, widgetFor<QPushButton>(control, *found, "QPushButton"));
    if (dynamic_cast<ui::OptionButton*>(&control))
        return std::make_unique<ButtonBinding>(
            owner, control, widgetFor<QRadioButton>(control, *found, "QRadioButton"));
    if (dynamic_cast<ui::CheckBox*>(&control))
        return std::make_unique<ButtonBinding>(owner, control,
                                               widgetFor<QCheckBox>(control, *found, "QCheckBox"));
    if (dynamic_cast<ui::Label*>(&control))
        return std::make_unique<CaptionBinding>(owner, control,
                                                widgetFor<QLabel>(control, *found, "QLabel"));
    if (dynamic_cast<ui::Frame*>(&control))
        return std::make_unique<CaptionBinding>(owner, control, *found);
    if (auto* list = dynamic_cast<ui::ListControl*>(&control))
        return std::make_unique<ListBinding>(
            owner, *list, widgetFor<QListWidget>(control, *found, "QListWidget"));
    if (auto* mapView = dynamic_cast<ui::MapView*>(&control))
        return std::make_unique<MapBinding>(owner, *mapView, *found);
    if (auto* drives = dynamic_cast<ui::DriveListBox*>(&control))
        return std::make_unique<DriveBinding>(owner, *drives,
                                              widgetFor<QComboBox>(control, *found, "QComboBox"));
    throw BindError(control.name(), control.form().name() + ": no binder for the " +
                                        control.kind() + " " + control.name());
}

} // namespace ui::qt
