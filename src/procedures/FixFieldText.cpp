#include "procedures/FixFieldText.h"

#include "runtime/Numbers.h"

namespace procedures {

std::string fixFieldText(float value) {
    std::string text = runtime::printedNumber(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

} // namespace procedures
