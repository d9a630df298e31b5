#pragma once

#include <string_view>

namespace runtime {

// The value of a number field, independent of the locale: spaces (and other
// white space) before it, an optional sign, digits with an optional point,
// an optional exponent, nothing after. No "inf", "nan" or hex form; a value
// beyond double range is refused. False when refused.
bool parseDecimal(std::string_view text, double& value);

} // namespace runtime
