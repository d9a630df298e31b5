#pragma once

#include "ui/Control.h"

#include <string>

namespace ui {

class Label : public Control {
public:
    Label(Form& form, std::string name) : Control(form, std::move(name)) {}
    const char* kind() const override { return "Label"; }

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
