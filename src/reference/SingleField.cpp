#include "reference/SingleField.h"

#include <cmath>
#include <limits>

namespace reference {

float readSingle(runtime::SequentialReader& reader) {
    const double value = reader.readNumber();
    if (std::fabs(value) > std::numeric_limits<float>::max())
        reader.fail(OverflowError, "a number beyond single precision");
    return static_cast<float>(value);
}

} // namespace reference
