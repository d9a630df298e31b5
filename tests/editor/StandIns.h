#pragma once

#include "ui/Forms.h"

#include <string>

namespace editortest {

// Screens of other folders that the editor shows or hides, recording only
// whether they are in front: the main menu, the runway transition editor,
// the folder locator.
class StandInScreen : public ui::Form {
public:
    StandInScreen(ui::App& app, std::string name) : ui::Form(app, std::move(name)) {}
};

// Airport files small enough to know every row.
// Runway 09 has a transition, 27 has none; one SID, no STAR.
inline const std::string SidOnlyAirport = "FIXES\r\n"
                                          "FIX ALPHA LATLON N 47 10.00 W 122 10.00\r\n"
                                          "ENDFIXES\r\n"
                                          "\r\n"
                                          "RNWS\r\n"
                                          "RNW 09 FIX ALPHA 3000 NAVAID SEA \r\n"
                                          "ENDRNWS\r\n"
                                          "\r\n"
                                          "SIDS\r\n"
                                          "SID DEP1 RNW 09 NAVAID SEA FIX ALPHA 5000\r\n"
                                          "ENDSIDS\r\n"
                                          "\r\n"
                                          "STARS\r\n"
                                          "ENDSTARS\r\n";

// One STAR with no runway, one with runway 09; no SID.
inline const std::string StarOnlyAirport = "FIXES\r\n"
                                           "FIX ALPHA LATLON N 47 10.00 W 122 10.00\r\n"
                                           "ENDFIXES\r\n"
                                           "\r\n"
                                           "RNWS\r\n"
                                           "RNW 09 FIX ALPHA 3000 NAVAID SEA \r\n"
                                           "ENDRNWS\r\n"
                                           "\r\n"
                                           "SIDS\r\n"
                                           "ENDSIDS\r\n"
                                           "\r\n"
                                           "STARS\r\n"
                                           "STAR ARR1 NAVAID SEA FIX ALPHA 4000\r\n"
                                           "STAR ARR2 FIX ALPHA NAVAID SEA RNW 09\r\n"
                                           "ENDSTARS\r\n";

} // namespace editortest
