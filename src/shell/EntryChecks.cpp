#include "shell/EntryChecks.h"

#include "ui/Form.h"
#include "ui/TextBox.h"

namespace shell {

void refuseBox(ui::TextBox& box, const std::string& message) {
    box.form().MsgBox(message);
    box.setFocus();
    box.selectAll();
}

} // namespace shell
