#include "ui/Form.h"

#include "ui/App.h"
#include "ui/Control.h"
#include "ui/ProgramEnd.h"

#include <algorithm>

namespace ui {

Form::Form(App& app, std::string name) : app_(app), name_(std::move(name)) {
    app_.addForm(*this);
}

Form::~Form() {
    app_.dropFocus(*this);
    app_.removeForm(*this);
}

void Form::add(Control& control) {
    controls_.push_back(&control);
    tabOrder_.push_back(&control);
}

void Form::remove(Control& control) {
    std::erase(controls_, &control);
    std::erase(tabOrder_, &control);
    if (active_ == &control)
        active_ = nullptr;
}

void Form::changed(FormProperty what) {
    if (onChanged)
        onChanged(what);
}

void Form::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    changed(FormProperty::Caption);
}

void Form::load() {
    if (loaded_)
        return;
    if (!designSaved_) {
        designCaption_ = caption_;
        for (Control* c : controls_)
            c->saveDesign();
        designSaved_ = true;
    }
    loaded_ = true;
    changed(FormProperty::Loaded);
    Form_Load();
}

void Form::setFirstFocus(Control& control) {
    if (&control.form() == this)
        active_ = &control;
}

void Form::show() {
    load();
    // Form_Load may have unloaded the form again.
    if (!loaded_)
        return;
    if (!visible_) {
        visible_ = true;
        changed(FormProperty::Visible);
    }
    const Control* owner = app_.focusOwner();
    if (owner != nullptr && &owner->form() == this)
        return;
    Control* target = (active_ != nullptr && active_->canTakeFocus()) ? active_ : nullptr;
    for (auto it = tabOrder_.begin(); target == nullptr && it != tabOrder_.end(); ++it)
        if ((*it)->canTakeFocus() && (*it)->tabStop())
            target = *it;
    if (target != nullptr)
        app_.moveFocus(target);
}

void Form::hide() {
    if (!visible_)
        return;
    visible_ = false;
    app_.dropFocus(*this);
    changed(FormProperty::Visible);
}

void Form::unload() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    try {
        Form_Unload();
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    // Form_Unload may have unloaded it already, through another path.
    if (!loaded_)
        return;
    hide();
    loaded_ = false;
    active_ = nullptr;
    setCaption(designCaption_);
    for (Control* c : controls_)
        c->restoreDesign();
    changed(FormProperty::Loaded);
}

void Form::move(int left, int top) {
    left_ = left;
    top_ = top;
    changed(FormProperty::Position);
}

void Form::setSize(int width, int height) {
    width_ = width;
    height_ = height;
    changed(FormProperty::Position);
}

Control* Form::find(std::string_view name) const {
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Form::setTabOrder(std::initializer_list<Control*> order) {
    std::vector<Control*> result(order);
    for (Control* c : controls_)
        if (std::find(result.begin(), result.end(), c) == result.end())
            result.push_back(c);
    tabOrder_ = std::move(result);
}

int Form::MsgBox(const std::string& prompt, Buttons buttons, Icon icon, DefaultButton defaultButton,
                 const std::string& title) {
    const int answer = app_.messages().MsgBox(prompt, buttons, icon, defaultButton, title);
    // The program may have ended while the box was open; nothing runs on.
    if (app_.ended())
        throw ProgramEnd{};
    return answer;
}

void Form::End() {
    app_.End();
}

} // namespace ui
