#pragma once

#include "ui/Captioned.h"

#include <string>

namespace ui {

// A captioned panel. Controls placed in it hide and disable with it, and
// its option buttons form one group.
class Frame : public Captioned {
public:
    Frame(Form& form, std::string name) : Captioned(form, std::move(name)) {}
    const char* kind() const override { return "Frame"; }
};

} // namespace ui
