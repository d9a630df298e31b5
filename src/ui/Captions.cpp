// The captioned controls: labels, frames, buttons, options, check boxes.
#include "ui/CheckBox.h"
#include "ui/CommandButton.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/Label.h"
#include "ui/OptionButton.h"

#include <string_view>

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

bool OptionButton::sameGroup(const Control& other) const {
    return &other != this && std::string_view(other.kind()) == kind() &&
           other.container() == container();
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
