#pragma once

#include <string>

namespace procedures {

// A fix's bearing or distance as every fix box shows it: the printed number
// without its sign space (12.5 -> "12.5", 0.5 -> ".5"), the form the airport
// file carries, so a box left unchanged compares equal to what is stored.
std::string fixFieldText(float value);

} // namespace procedures
