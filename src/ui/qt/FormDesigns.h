#pragma once

#include "ui/qt/FormWindow.h"

#include <memory>
#include <string_view>

namespace ui::qt {

// A window with the Designer form (src/ui/qt/forms/<name>.ui) of the
// screen with that name set up on it; nullptr when there is none. The forms
// hold layout only: every caption, text and title lives in the screen's
// code, where the headless tests see it, and the binder shows it.
std::unique_ptr<FormWindow> createDesignedWindow(std::string_view formName);

} // namespace ui::qt
