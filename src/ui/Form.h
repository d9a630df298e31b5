#pragma once

#include "ui/Messages.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class App;
class Control;

enum class FormProperty { Caption, Visible, Loaded, Position };

// A screen: derive from it, make the controls members, wire their events
// in the constructor and set their design state there (captions, limits,
// enabled, visible, colours). The state at the first load is the design
// state that unload() puts back.
class Form {
public:
    Form(App& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    App& app() const { return app_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }

    // A screen that waits for an answer: while it is shown, the screens
    // behind it take no clicks or keys. Set at design time.
    bool modal() const { return modal_; }
    void setModal(bool on) { modal_ = on; }
    void setCaption(std::string caption);

    bool isLoaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // Loads without showing; Form_Load runs once per load.
    void load();
    // Loads first when needed, shows the form modeless and brings the focus
    // into it: to the control that last had it, else the first one in tab
    // order. A form already showing the focus keeps it where it is.
    void show();
    // Hides; a control of this form loses the focus without LostFocus.
    void hide();
    // Runs Form_Unload, hides, and puts every control and the caption back
    // in the design state. Does nothing on a form not loaded.
    void unload();

    // Window placement in screen pixels.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void move(int left, int top);
    void setSize(int width, int height);

    // Controls in the order they were made (declaration order).
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    // Default: declaration order. The listed controls go first, in the
    // order given; the rest follow in declaration order.
    void setTabOrder(std::initializer_list<Control*> order);
    // Where the focus goes when the form is next shown, before it has been
    // anywhere: the box the user's first typing belongs in.
    void setFirstFocus(Control& control);
    const std::vector<Control*>& tabOrder() const { return tabOrder_; }
    // The control of this form that has, or last had, the focus.
    Control* activeControl() const { return active_; }

    // Shorthands for screens: the message port and the end of the program.
    int MsgBox(const std::string& prompt, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
               DefaultButton defaultButton = DefaultButton::First,
               const std::string& title = ProgramTitle);
    [[noreturn]] void End();

    // The adapter's hook, called after each change of state.
    std::function<void(FormProperty)> onChanged;

protected:
    virtual void Form_Load() {}
    // Runs on unload(), also when the user closes the window.
    virtual void Form_Unload() {}
    // Runs first when the user closes the window; false keeps it open.
    virtual bool Form_QueryUnload() { return true; }
    // Around each event from the user (App::dispatch), for a loaded form:
    // what one user action changed can be taken as one piece.
    virtual void userEventBegins() {}
    virtual void userEventEnded() {}

private:
    friend class Control;
    friend class App;
    void add(Control& control);
    void remove(Control& control);
    void changed(FormProperty what);

    App& app_;
    std::string name_;
    std::string caption_;
    std::string designCaption_;
    bool designSaved_ = false;
    bool loaded_ = false;
    bool modal_ = false;
    bool visible_ = false;
    bool unloading_ = false;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Control* active_ = nullptr;
};

} // namespace ui
