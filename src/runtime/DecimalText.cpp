#include "runtime/DecimalText.h"

#include <charconv>

namespace runtime {

bool parseDecimal(std::string_view text, double& value) {
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    // from_chars would also read "inf" and "nan": after one sign only a digit
    // or a point may follow. It takes no "+", so that one is dropped.
    const std::size_t sign = !text.empty() && (text.front() == '+' || text.front() == '-');
    if (text.size() <= sign || !((text[sign] >= '0' && text[sign] <= '9') || text[sign] == '.'))
        return false;
    if (text.front() == '+')
        text.remove_prefix(1);
    const char* const end = text.data() + text.size();
    if (scanShortDecimal(text.data(), end, value) == end)
        return true;
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && stop == end;
}

} // namespace runtime
