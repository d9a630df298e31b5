#include "ScriptedUser.h"

namespace support {

namespace {
constexpr int Enter = 13;
}

void ScriptedUser::start(ui::Form& first) {
    app_.dispatch([&] { first.show(); });
}

void ScriptedUser::typeInto(ui::TextBox& box, std::string_view text) {
    if (!box.hasFocus() && app_.userPress(box))
        box.selectByUser(static_cast<int>(box.text().size()), 0);
    for (char c : text)
        pressKey(static_cast<unsigned char>(c));
}

void ScriptedUser::replaceText(ui::TextBox& box, std::string_view text) {
    if (!box.hasFocus() && !app_.userPress(box))
        return;
    box.selectByUser(0, static_cast<int>(box.text().size()));
    for (char c : text)
        pressKey(static_cast<unsigned char>(c));
}

void ScriptedUser::pressEnter(ui::TextBox& box) {
    if (!box.hasFocus())
        app_.userPress(box);
    pressKey(Enter);
}

void ScriptedUser::pressKey(int keyAscii) {
    if (auto* box = dynamic_cast<ui::TextBox*>(app_.focusOwner()))
        app_.userKey(*box, keyAscii);
}

void ScriptedUser::click(ui::Control& control) {
    app_.userClick(control);
}

void ScriptedUser::select(ui::ListControl& list, int index) {
    app_.userSelect(list, index);
}

void ScriptedUser::doubleClick(ui::Control& control) {
    app_.userDoubleClick(control);
}

void ScriptedUser::doubleClick(ui::ListControl& list, int index) {
    app_.userDoubleClick(list, index);
}

void ScriptedUser::tab() {
    app_.userTab(true);
}

void ScriptedUser::backTab() {
    app_.userTab(false);
}

void ScriptedUser::close(ui::Form& form) {
    app_.userClose(form);
}

} // namespace support
