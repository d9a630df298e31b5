#pragma once

#include "ui/Color.h"
#include "ui/Control.h"

#include <string>

namespace ui {

// The key codes KeyPress sees for the keys that are no characters.
inline constexpr int KeyBackspace = 8;
inline constexpr int KeyEnter = 13;
inline constexpr int KeyEscape = 27;

// A single-line entry box. Texts are bytes in the system code page; the
// length limit counts bytes.
class TextBox : public Control {
public:
    TextBox(Form& form, std::string name);
    const char* kind() const override { return "TextBox"; }
    bool focusable() const override { return true; }

    const std::string& text() const { return s_.text; }
    // Cuts the text to maxLength and fires Change when it really changed
    // (rule 1). The caret goes to the start, as after any assignment.
    void setText(std::string text);

    // 0 = no limit. Limits typing and assignments; a lower limit does not
    // cut the text already there.
    int maxLength() const { return s_.maxLength; }
    void setMaxLength(int length);

    int selStart() const { return s_.selStart; }
    // Moves the caret and drops the selection.
    void setSelStart(int start);
    int selLength() const { return s_.selLength; }
    // Cut to the text after selStart.
    void setSelLength(int length);
    std::string selText() const;
    // The whole text selected, as a refused box shows it.
    void selectAll();

    Color foreColor() const { return s_.foreColor; }
    void setForeColor(Color color);

    Event Change;
    Event LostFocus;
    KeyEvent KeyPress;
    Event DblClick;

    // One keystroke typed into the box: KeyPress first, then the (possibly
    // replaced) key edits the text. 13 (Enter), 0 and other control codes
    // insert nothing; 8 (Backspace) deletes; a key past maxLength is lost.
    void typeKey(int keyAscii);
    // An edit that is no keystroke (paste, cut, Delete): the new text, cut
    // to maxLength, with the caret at the given place; Change if changed.
    void editText(std::string text, int caret);
    // The caret or selection moved by the user: no event.
    void selectByUser(int start, int length);

protected:
    void saveDesign() override;
    void restoreDesign() override;
    void doubleClickedByUser() override;
    void focusLost() override;

private:
    struct State {
        std::string text;
        int maxLength = 0;
        int selStart = 0;
        int selLength = 0;
        Color foreColor = colors::ButtonText;
    };
    void replaceSelection(const std::string& insert);
    void assign(std::string text, int caret);
    State s_;
    State design_;
};

} // namespace ui
