#pragma once

#include "ui/Color.h"

#include <QColor>

namespace ui::qt {

// A plain colour as it is; a system colour from the application palette.
QColor toQColor(ui::Color color);

} // namespace ui::qt
