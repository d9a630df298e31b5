#pragma once

#include "runtime/Sequential.h"

namespace reference {

// Overflow: a number that does not fit a single-precision field.
constexpr int OverflowError = 6;

// Reads a number field into single precision. A value beyond the float range
// is error 6 rather than an infinity that would be written back unreadable.
float readSingle(runtime::SequentialReader& reader);

} // namespace reference
