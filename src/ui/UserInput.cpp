// What a person does with mouse and keyboard, as App turns it into focus
// moves and events (rules 3 and 4).
#include "ui/App.h"
#include "ui/CommandButton.h"
#include "ui/DriveListBox.h"
#include "ui/ListControl.h"
#include "ui/OptionButton.h"
#include "ui/TextBox.h"

#include <algorithm>
#include <functional>

namespace ui {

namespace {

// The focus went where the user pointed and the control is still usable.
bool holds(const App& app, const Control& control) {
    return app.focusOwner() == &control && control.isEnabledOnScreen() && control.isShowing();
}

// A press on `control`, then `act` as its own event while the focus holds.
void pressThen(App& app, Control& control, const std::function<void()>& act) {
    if (app.userPress(control))
        app.dispatch([&] {
            if (holds(app, control))
                act();
        });
}

} // namespace

bool App::userPress(Control& control) {
    bool holding = false;
    dispatch([&] {
        if (!control.canTakeFocus() || blockedByModal(control.form()))
            return;
        moveFocus(&control);
        holding = holds(*this, control);
    });
    return holding && !ended_;
}

void App::userRelease(Control& control) {
    dispatch([&] {
        if (holds(*this, control))
            control.clickedByUser();
    });
}

void App::userClick(Control& control) {
    if (userPress(control))
        userRelease(control);
}

void App::userSelect(ListControl& list, int index) {
    pressThen(*this, list, [&] { list.selectByUser(index); });
}

void App::userSelectByKeys(ListControl& list, int index) {
    pressThen(*this, list, [&] { list.selectByKeys(index); });
}

void App::userEnter(ListControl& list) {
    pressThen(*this, list, [&] { list.enterByUser(); });
}

void App::userDoubleClick(Control& control) {
    pressThen(*this, control, [&] { control.doubleClickedByUser(); });
}

void App::userDoubleClick(ListControl& list, int index) {
    userSelect(list, index);
    dispatch([&] {
        if (holds(*this, list) && list.listIndex() == index)
            list.doubleClickedByUser();
    });
}

void App::userKey(TextBox& box, int keyAscii) {
    if (focus_ != &box && !userPress(box))
        return;
    dispatch([&] {
        if (holds(*this, box))
            box.typeKey(keyAscii);
    });
}

void App::userEdit(TextBox& box, std::string text, int caret) {
    if (focus_ != &box && !userPress(box))
        return;
    dispatch([&] {
        if (holds(*this, box))
            box.editText(std::move(text), caret);
    });
}

void App::userTab(bool forward) {
    dispatch([&] {
        Form* form = focus_ != nullptr ? &focus_->form() : nullptr;
        if (form == nullptr)
            for (Form* f : forms_)
                if (f->visible())
                    form = f;
        if (form == nullptr)
            return;
        std::vector<Control*> order = form->tabOrder();
        if (!forward)
            std::reverse(order.begin(), order.end());
        const auto at = std::find(order.begin(), order.end(), focus_);
        const std::size_t start =
            at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin()) + 1;
        for (std::size_t i = 0; i < order.size(); ++i) {
            Control* c = order[(start + i) % order.size()];
            const auto* option = dynamic_cast<const OptionButton*>(c);
            if (c->canTakeFocus() && c->tabStop() &&
                (option == nullptr || option->tabStopsHere())) {
                moveFocus(c);
                return;
            }
        }
    });
}

bool App::userShortcut(Form& form, std::string_view keys) {
    CommandButton* button = buttonForShortcut(form, keys);
    if (button == nullptr)
        return false;
    userClick(*button);
    return true;
}

void App::userChangeDrive(DriveListBox& drives, const std::string& drive) {
    pressThen(*this, drives, [&] { drives.setDrive(drive); });
}

void App::userClose(Form& form) {
    dispatch([&] {
        if (form.isLoaded() && form.Form_QueryUnload())
            form.unload();
    });
}

} // namespace ui
