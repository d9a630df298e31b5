#pragma once

#include "ui/Messages.h"

#include <QMessageBox>

#include <memory>

namespace ui::qt {

// The message port on QMessageBox: modal, with the buttons, icon, default
// button and title asked for.
class MessageBoxes : public ui::Messages {
protected:
    int show(const ui::Message& message) override;
};

// The box for a message, ready to exec().
std::unique_ptr<QMessageBox> makeMessageBox(const ui::Message& message, QWidget* parent);
// The answer for the button that closed the box (OK when none did).
int answerOf(QMessageBox::StandardButton button);

} // namespace ui::qt
