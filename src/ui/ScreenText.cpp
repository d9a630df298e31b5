// Captions as the screen shows them and as a screen reader says them, and
// the buttons' Alt letters.
#include "ui/Captioned.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

std::string screenText(std::string_view caption) {
    std::string out;
    bool spaceWaits = false;
    for (const char c : caption) {
        if (c == ' ') {
            spaceWaits = true;
            continue;
        }
        const bool lineBreak = c == '\r' || c == '\n';
        if (spaceWaits && !lineBreak && !out.empty() && out.back() != '\r' && out.back() != '\n')
            out += ' ';
        spaceWaits = false;
        out += c;
    }
    return out;
}

std::string spokenName(const Control& control) {
    if (!control.accessibleName().empty())
        return control.accessibleName();
    const auto* captioned = dynamic_cast<const Captioned*>(&control);
    if (captioned == nullptr)
        return {};
    std::string oneLine = captioned->caption();
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return screenText(oneLine);
}

namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first free letter of `text` starting a word, else the first free one.
std::size_t freeLetter(const std::string& text, const std::string& taken) {
    const auto isFree = [&](std::size_t i) {
        return isLetter(text[i]) && taken.find(upper(text[i])) == std::string::npos;
    };
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((i == 0 || !isLetter(text[i - 1])) && isFree(i))
            return i;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (isFree(i))
            return i;
    return std::string::npos;
}

} // namespace

std::size_t mnemonicPosition(const CommandButton& button) {
    std::string taken;
    for (const Control* c : button.form().tabOrder()) {
        const auto* other = dynamic_cast<const CommandButton*>(c);
        if (other == nullptr)
            continue;
        const std::string text = screenText(other->caption());
        const std::size_t at = freeLetter(text, taken);
        if (other == &button)
            return at;
        if (at != std::string::npos)
            taken += upper(text[at]);
    }
    return std::string::npos;
}

char mnemonic(const CommandButton& button) {
    const std::size_t at = mnemonicPosition(button);
    return at == std::string::npos ? '\0' : upper(screenText(button.caption())[at]);
}

} // namespace ui
