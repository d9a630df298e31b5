#pragma once

#include "ui/qt/ControlBinding.h"

#include <memory>

class QWidget;

namespace ui::qt {

// Finds the widget named after the control (its objectName) inside the
// screen's window and makes the binding for the control's kind. A missing
// widget, or one of a kind the control cannot live on, is a BindError
// naming it. Connections are made explicitly; nothing is connected by name.
std::unique_ptr<ControlBinding> bindControl(Application& owner, ui::Control& control,
                                            QWidget& window);

} // namespace ui::qt
