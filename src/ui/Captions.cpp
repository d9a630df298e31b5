// The captioned controls: labels, frames, buttons, options, check boxes.
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/OptionButton.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

void Captioned::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    changed(Property::Caption);
}

void Captioned::saveDesign() {
    Control::saveDesign();
    designCaption_ = caption_;
}

void Captioned::restoreDesign() {
    Control::restoreDesign();
    setCaption(designCaption_);
}

void CommandButton::clickedByUser() {
    if (Click)
        Click();
}

void CommandButton::setShortcuts(std::vector<std::string> keys) {
    shortcuts_ = std::move(keys);
}

CommandButton* buttonForShortcut(const Form& form, std::string_view keys) {
    for (Control* control : form.controls())
        if (auto* button = dynamic_cast<CommandButton*>(control))
            for (const std::string& shortcut : button->shortcuts())
                if (shortcut == keys)
                    return button;
    if (keys.size() == 5 && keys.starts_with("Alt+"))
        for (Control* control : form.tabOrder())
            if (auto* button = dynamic_cast<CommandButton*>(control))
                if (mnemonic(*button) == keys[4])
                    return button;
    return nullptr;
}

bool OptionButton::sameGroup(const Control& other) const {
    return &other != this && std::string_view(other.kind()) == kind() &&
           other.container() == container();
}

bool OptionButton::tabStopsHere() const {
    if (value_)
        return true;
    for (const Control* c : form().controls())
        if (sameGroup(*c) && static_cast<const OptionButton*>(c)->value() && c->canTakeFocus())
            return false;
    return true;
}

OptionButton* OptionButton::neighbour(bool forward) const {
    std::vector<OptionButton*> group;
    std::size_t self = 0;
    for (Control* c : form().controls())
        if (c == this || sameGroup(*c)) {
            if (c == this)
                self = group.size();
            group.push_back(static_cast<OptionButton*>(c));
        }
    const std::size_t n = group.size();
    for (std::size_t step = 1; step < n; ++step) {
        OptionButton* o = group[(self + (forward ? step : n - step)) % n];
        if (o->canTakeFocus())
            return o;
    }
    return nullptr;
}

void OptionButton::setValue(bool on) {
    if (on)
        for (Control* c : form().controls())
            if (sameGroup(*c))
                static_cast<OptionButton*>(c)->setValue(false);
    if (value_ == on)
        return;
    value_ = on;
    changed(Property::Value);
}

void OptionButton::saveDesign() {
    Captioned::saveDesign();
    designValue_ = value_;
}

void OptionButton::restoreDesign() {
    Captioned::restoreDesign();
    if (value_ != designValue_) {
        value_ = designValue_;
        changed(Property::Value);
    }
}

void OptionButton::clickedByUser() {
    setValue(true);
    if (Click)
        Click();
}

void CheckBox::setValue(int value) {
    if (value_ == value)
        return;
    value_ = value;
    changed(Property::Value);
}

void CheckBox::saveDesign() {
    Captioned::saveDesign();
    designValue_ = value_;
}

void CheckBox::restoreDesign() {
    Captioned::restoreDesign();
    setValue(designValue_);
}

void CheckBox::clickedByUser() {
    setValue(value_ == 1 ? 0 : 1);
    if (Click)
        Click();
}

} // namespace ui
