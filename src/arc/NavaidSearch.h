#pragma once

#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace arc {

// Rows of the identifier's letter group whose NavaidID, spaces trimmed,
// equals the identifier, in table order.
std::vector<std::int32_t> searchNavaids(const reference::NavaidTable& navaids,
                                        std::string_view identifier);

// A coordinate as the search screen shows it: hemisphere letter, whole
// degrees, a space, the minutes in the minutes format padded to 9
// characters, and the suffix. -33.5 with 'N', 'S' and " Latitude" is
// "S33 30.00     Latitude".
std::string coordinateCaption(float value, char positive, char negative, std::string_view suffix);

// A found navaid as the search list shows it, so same-named ones can be told
// apart: "SEA  N47 26.12 W122 18.58  116.8  3 NM from KSEA  (used)". The
// distance and the mark of the one the program's lookup takes need the
// airport.
std::vector<std::string> searchLines(const reference::NavaidTable& navaids,
                                     const std::vector<std::int32_t>& rows,
                                     const reference::AirportRecord* airport);

} // namespace arc
