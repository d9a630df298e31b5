#include "reference/SingleField.h"

#include "runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace reference {

float readSingle(runtime::SequentialReader& reader) {
    const double value = reader.readNumber();
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw runtime::RuntimeError(OverflowError, "number out of range");
    return static_cast<float>(value);
}

} // namespace reference
