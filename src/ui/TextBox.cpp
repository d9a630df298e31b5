#include "ui/TextBox.h"

#include <algorithm>

namespace ui {

TextBox::TextBox(Form& form, std::string name) : Control(form, std::move(name)) {}

void TextBox::assign(std::string text, int caret) {
    if (s_.maxLength > 0 && static_cast<int>(text.size()) > s_.maxLength)
        text.resize(static_cast<std::size_t>(s_.maxLength));
    const bool differs = text != s_.text;
    s_.text = std::move(text);
    s_.selStart = std::clamp(caret, 0, static_cast<int>(s_.text.size()));
    s_.selLength = 0;
    if (differs)
        changed(Property::Text);
    changed(Property::Selection);
    if (differs && Change)
        Change();
}

void TextBox::setText(std::string text) {
    assign(std::move(text), 0);
}

void TextBox::setMaxLength(int length) {
    length = std::max(length, 0);
    if (length == s_.maxLength)
        return;
    s_.maxLength = length;
    changed(Property::MaxLength);
}

void TextBox::setSelStart(int start) {
    s_.selStart = std::clamp(start, 0, static_cast<int>(s_.text.size()));
    s_.selLength = 0;
    changed(Property::Selection);
}

void TextBox::setSelLength(int length) {
    s_.selLength = std::clamp(length, 0, static_cast<int>(s_.text.size()) - s_.selStart);
    changed(Property::Selection);
}

std::string TextBox::selText() const {
    return s_.text.substr(static_cast<std::size_t>(s_.selStart),
                          static_cast<std::size_t>(s_.selLength));
}

void TextBox::selectAll() {
    s_.selStart = 0;
    s_.selLength = static_cast<int>(s_.text.size());
    changed(Property::Selection);
}

void TextBox::setForeColor(Color color) {
    if (color == s_.foreColor)
        return;
    s_.foreColor = color;
    changed(Property::ForeColor);
}

void TextBox::replaceSelection(const std::string& insert) {
    std::string text = s_.text;
    const auto start = static_cast<std::size_t>(s_.selStart);
    text.replace(start, static_cast<std::size_t>(s_.selLength), insert);
    assign(std::move(text), s_.selStart + static_cast<int>(insert.size()));
}

void TextBox::typeKey(int keyAscii) {
    if (KeyPress)
        KeyPress(keyAscii);
    if (keyAscii == KeyBackspace) {
        if (s_.selLength == 0 && s_.selStart == 0)
            return;
        if (s_.selLength == 0) {
            s_.selStart -= 1;
            s_.selLength = 1;
        }
        replaceSelection({});
        return;
    }
    // Enter and the other control codes insert nothing in a one-line box.
    if (keyAscii < 32 || keyAscii > 255 || keyAscii == KeyEnter)
        return;
    const int after = static_cast<int>(s_.text.size()) - s_.selLength + 1;
    if (s_.maxLength > 0 && after > s_.maxLength)
        return;
    replaceSelection(std::string(1, static_cast<char>(keyAscii)));
}

void TextBox::editText(std::string text, int caret) {
    assign(std::move(text), caret);
}

void TextBox::selectByUser(int start, int length) {
    s_.selStart = std::clamp(start, 0, static_cast<int>(s_.text.size()));
    s_.selLength = std::clamp(length, 0, static_cast<int>(s_.text.size()) - s_.selStart);
}

void TextBox::doubleClickedByUser() {
    if (DblClick)
        DblClick();
}

void TextBox::focusLost() {
    if (LostFocus)
        LostFocus();
}

void TextBox::saveDesign() {
    Control::saveDesign();
    design_ = s_;
}

void TextBox::restoreDesign() {
    Control::restoreDesign();
    s_ = design_;
    changed(Property::Text);
    changed(Property::MaxLength);
    changed(Property::Selection);
    changed(Property::ForeColor);
}

} // namespace ui
