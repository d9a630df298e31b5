#include "ui/App.h"

#include "ui/Control.h"
#include "ui/Frame.h"
#include "ui/ProgramEnd.h"

#include <algorithm>
#include <ctime>

namespace ui {

App::App(Messages& messages) : messages_(&messages) {}

App::~App() {
    // The screens leave while the rest of the app is still whole.
    while (!owned_.empty())
        owned_.pop_back();
}

void App::addForm(Form& form) {
    forms_.push_back(&form);
}

void App::removeForm(Form& form) {
    std::erase(forms_, &form);
}

Form* App::findForm(std::string_view name) const {
    for (Form* f : forms_)
        if (f->name() == name)
            return f;
    return nullptr;
}

Form& App::form(std::string_view name) const {
    if (Form* f = findForm(name))
        return *f;
    throw std::out_of_range("no screen named " + std::string(name));
}

void App::End() {
    throw ProgramEnd{};
}

Messages& App::messages() const {
    return *messages_;
}

std::string App::today() const {
    if (clock_)
        return clock_();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, n);
}

void App::setScreenSize(int width, int height) {
    screenWidth_ = width;
    screenHeight_ = height;
}

void App::dispatch(const std::function<void()>& event) {
    if (ended_)
        return;
    struct Depth {
        int& d;
        explicit Depth(int& depth) : d(depth) { ++d; }
        ~Depth() { --d; }
    };
    try {
        Depth guard(depth_);
        const bool outermost = depth_ == 1;
        if (outermost)
            eachLoadedForm(&Form::userEventBegins);
        event();
        if (outermost && !ended_)
            eachLoadedForm(&Form::userEventEnded);
    } catch (const ProgramEnd&) {
        endProgram();
    } catch (...) {
        if (!onUnhandledError)
            throw;
        // As the platform does: say what happened, then end rather than go
        // on with half-done work.
        onUnhandledError(std::current_exception());
        endProgram();
    }
}

void App::eachLoadedForm(void (Form::*hook)()) {
    const std::vector<Form*> forms = forms_;
    for (Form* f : forms)
        if (f->isLoaded())
            (f->*hook)();
}

void App::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    focus_ = nullptr;
    inLostFocus_ = false;
    for (Form* f : forms_)
        if (f->visible_) {
            f->visible_ = false;
            f->changed(FormProperty::Visible);
        }
    if (onEnded)
        onEnded();
}

void App::moveFocus(Control* to) {
    if (to == focus_)
        return;
    Control* from = focus_;
    focus_ = to;
    if (to != nullptr)
        to->form().active_ = to;
    if (onFocusChanged)
        onFocusChanged(to);
    if (from == nullptr || inLostFocus_)
        return;
    if (to != nullptr && !to->causesValidation()) {
        if (from->causesValidation())
            unchecked_ = from;
        return;
    }
    if (!from->causesValidation()) {
        // Back from a leave button: the box it left is checked now, unless
        // the focus went back to that very box.
        from = unchecked_;
        unchecked_ = nullptr;
        if (from == nullptr || from == to || !from->form().isLoaded())
            return;
    }
    inLostFocus_ = true;
    try {
        from->focusLost();
    } catch (...) {
        inLostFocus_ = false;
        throw;
    }
    inLostFocus_ = false;
}

bool App::blockedByModal(const Form& form) const {
    for (const Form* f : forms_)
        if (f != &form && f->modal() && f->visible_)
            return true;
    return false;
}

void App::dropFocus(const Control& control) {
    if (unchecked_ == &control)
        unchecked_ = nullptr;
    for (const Control* c = focus_; c != nullptr; c = c->container())
        if (c == &control) {
            focus_ = nullptr;
            if (onFocusChanged)
                onFocusChanged(nullptr);
            return;
        }
}

void App::dropFocus(const Form& form) {
    if (unchecked_ != nullptr && &unchecked_->form() == &form)
        unchecked_ = nullptr;
    if (focus_ != nullptr && &focus_->form() == &form) {
        focus_ = nullptr;
        if (onFocusChanged)
            onFocusChanged(nullptr);
    }
}

} // namespace ui
