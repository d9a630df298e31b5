#pragma once

#include "ui/Control.h"

#include <string>
#include <string_view>

namespace ui {

// A control that shows a caption: labels, frames, buttons, options and check
// boxes. The caption is part of the design state.
class Captioned : public Control {
public:
    using Control::Control;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

protected:
    void saveDesign() override;
    void restoreDesign() override;

private:
    std::string caption_;
    std::string designCaption_;
};

// A caption as the screen shows it: the runs of spaces that once spread a
// caption over a fixed-width button or lined it up with the boxes below are
// one space, and no line starts or ends with one. The captions themselves
// stay as they are: messages and files use them.
std::string screenText(std::string_view caption);

// The name a screen reader says for `control`: its accessible name, else
// its caption as shown, else nothing.
std::string spokenName(const Control& control);

} // namespace ui
