#pragma once

#include <cstdint>

namespace ui {

// A colour as the screens name it: 0x00BBGGRR for a plain colour, or
// 0x80000000 plus a system colour index. So 0x0000FF (255) is pure red.
using Color = std::uint32_t;

namespace colors {
constexpr Color Black = 0x000000;
constexpr Color Red = 0x0000FF;
constexpr Color SystemFlag = 0x80000000;
constexpr Color WindowText = SystemFlag | 8;
// The normal text colour of the entry boxes (system colour 18).
constexpr Color ButtonText = SystemFlag | 18;
} // namespace colors

constexpr bool isSystemColor(Color c) {
    return (c & colors::SystemFlag) != 0;
}
constexpr int systemColorIndex(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr Color rgb(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

} // namespace ui
