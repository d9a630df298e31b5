#pragma once

#include <functional>
#include <string>

namespace ui {

class App;
class Form;
class Frame;

// What changed on a control, so the adapter can mirror just that.
enum class Property {
    Enabled,
    Visible,
    TabStop,
    Text,
    Caption,
    Selection,
    MaxLength,
    ForeColor,
    Items,
    ListIndex,
    Value,
    Path,
    Pattern,
    Drive,
    Drawing,
    ToolTip,
    AccessibleName,
};

using Event = std::function<void()>;
// KeyPress gets the character code by reference: setting it to 0 swallows
// the key, another value replaces it.
using KeyEvent = std::function<void(int& keyAscii)>;

// A named control of a form. Its state is plain data; changes are announced
// through onChanged so the Qt side can mirror them on a widget.
class Control {
public:
    Control(Form& form, std::string name);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    App& app() const;
    const std::string& name() const { return name_; }
    // The kind as the screens name it ("TextBox", "ListBox", ...).
    virtual const char* kind() const = 0;

    bool enabled() const { return common_.enabled; }
    void setEnabled(bool on);
    bool visible() const { return common_.visible; }
    void setVisible(bool on);
    bool tabStop() const { return common_.tabStop; }
    void setTabStop(bool on);
    // The text shown while the pointer rests on the control.
    const std::string& toolTip() const { return common_.toolTip; }
    void setToolTip(std::string text);

    // What a screen reader calls the control, unique within its form. When
    // none is set, a captioned control is called by its caption as shown.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name);
    // A helper no user works with (a hidden index list) is kept out of the
    // screen reader's way. Set at design time.
    bool exposed() const { return exposed_; }
    void setExposed(bool on) { exposed_ = on; }

    // A control inside a frame hides and disables with it; option buttons
    // in one container form one group. Set once, at design time.
    Frame* container() const { return container_; }
    void placeIn(Frame& frame);

    // Visible on screen: itself, its frames, and its form shown.
    bool isShowing() const;
    // Enabled itself and through its frames.
    bool isEnabledOnScreen() const;
    virtual bool focusable() const { return false; }
    // Moving the focus here runs the check of the box it leaves (its
    // LostFocus). Buttons that leave or cancel do not: the check waits until
    // the focus moves on to a control that does.
    virtual bool causesValidation() const { return true; }
    bool canTakeFocus() const { return focusable() && isShowing() && isEnabledOnScreen(); }
    bool hasFocus() const;
    // Moves the focus here (rule 3); does nothing on a control that cannot
    // take it.
    void setFocus();

    // The adapter's hook, called after each change of state.
    std::function<void(Property)> onChanged;

protected:
    void changed(Property what);
    // The design state is copied when the form first loads and put back
    // when it unloads. Each kind saves its own fields on top of these.
    virtual void saveDesign() { commonDesign_ = common_; }
    virtual void restoreDesign();
    // A user's click that got through rule 4.
    virtual void clickedByUser() {}
    // A user's double click on a control that has the focus.
    virtual void doubleClickedByUser() {}
    // The focus has moved away (LostFocus, for the kinds that have it).
    virtual void focusLost() {}

private:
    friend class Form;
    friend class App;

    struct Common {
        bool enabled = true;
        bool visible = true;
        bool tabStop = true;
        std::string toolTip;
    };
    Form& form_;
    std::string name_;
    Frame* container_ = nullptr;
    std::string accessibleName_;
    bool exposed_ = true;
    Common common_;
    Common commonDesign_;
};

} // namespace ui
