#pragma once

#include <string>

namespace ui {

inline constexpr const char* ProgramTitle = "Vextrel";

enum class Buttons { OK, YesNo };
enum class Icon { None, Critical };
enum class DefaultButton { First, Second };

// The answers MsgBox returns.
namespace answers {
constexpr int OK = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace answers

struct Message {
    std::string prompt;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::First;
    std::string title = ProgramTitle;
};

// The one port every message box goes through (rule 7).
class Messages {
public:
    virtual ~Messages() = default;

    int MsgBox(const std::string& prompt, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
               DefaultButton defaultButton = DefaultButton::First,
               const std::string& title = ProgramTitle);

protected:
    // Shows the message modally and returns answers::OK, Yes or No.
    virtual int show(const Message& message) = 0;
};

} // namespace ui
