#pragma once

#include "map/Drawing.h"

#include <filesystem>

namespace ui::qt {

// Writes the drawing, fitted, as a PNG image of width x height pixels,
// without a display. Throws runtime::RuntimeError when it cannot be written.
void writeMapPng(const map::Drawing& drawing, int width, int height,
                 const std::filesystem::path& file);

} // namespace ui::qt
