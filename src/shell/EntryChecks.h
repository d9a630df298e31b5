#pragma once

#include "procedures/EntryRules.h"

#include <string>

namespace ui {
class TextBox;
}

// The box checks live with the editing rules; the screens of the shell and
// the editors reach them under their old names here.
namespace shell {

using procedures::checkHeading;
using procedures::checkLatitudeDegrees;
using procedures::checkLatitudeMinutes;
using procedures::checkLongitudeDegrees;
using procedures::checkLongitudeMinutes;
using procedures::checkName;
using procedures::checkNumber;
using procedures::MinutesCheck;
using procedures::StripParentheses;
using procedures::tableFullMessage;

// A refused box: the message, then the focus back with the whole text
// selected, so the next key replaces it.
void refuseBox(ui::TextBox& box, const std::string& message);

} // namespace shell
