#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

// A captioned panel. Controls placed in it hide and disable with it, and
// its option buttons form one group.
class Frame : public Control {
public:
    Frame(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "Frame"; }

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
