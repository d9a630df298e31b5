#include "ui/Messages.h"

namespace ui {

int Messages::MsgBox(const std::string& prompt, Buttons buttons, Icon icon,
                     DefaultButton defaultButton, const std::string& title) {
    return show(Message{prompt, buttons, icon, defaultButton, title});
}

} // namespace ui
