#pragma once

namespace arc {

// Said both when a radial box is left and when the arc is made.
inline constexpr const char* RadialAbove360Message =
    "This value must be less than or equal to 360.\r\n                       Please correct.";
inline constexpr const char* NotNumericMessage = "Enter only numbers please.";

} // namespace arc
