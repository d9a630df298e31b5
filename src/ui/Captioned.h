#pragma once

#include "ui/Control.h"

#include <string>

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

} // namespace ui
