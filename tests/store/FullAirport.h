#pragma once

// Airport files that fill the procedure tables to a chosen size, in the
// layout the writer uses, so writing what was read gives the same bytes.
// Shared by the store tests and the benchmarks; needs nothing but std.

#include <cstdio>
#include <string>

namespace fullairport {

struct Size {
    int fixes = 700;
    int runwayRows = 400; // rows of Runways once every branch ends in its EOP row
    int sidRows = 600;
    int starRows = 600; // at least one per STAR
    int stars = 40;
    int runwaysPerStar = 39;
};

// The header a writer has to be given to reproduce the file.
inline constexpr const char* Icao = "ZFUL";
inline constexpr const char* AirportName = "Full Capacity Field";
inline constexpr const char* AuthorName = "Vextrel Tests";
inline constexpr const char* DateText = "1/1/2027";

namespace detail {

inline std::string numbered(const char* prefix, int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%04d", prefix, n);
    return buf;
}

// Runway designators have at most three characters: R01, S39.
inline std::string runwayName(char prefix, int n) {
    return prefix + std::string(n < 10 ? "0" : "") + std::to_string(n);
}

inline void line(std::string& out, const std::string& text) {
    out += text;
    out += "\r\n";
}

inline std::string fixLine(int n) {
    const std::string name = numbered("FX", n);
    if (n % 3 == 0)
        return "FIX " + name + " COLOCATED " + numbered("NV", n % 97) + " " +
               std::to_string(n % 360) + " " + std::to_string(n % 40 + 1) + ".5";
    const std::string id = n % 3 == 1 ? " ID (CF)" : "";
    return "FIX " + name + id + " LATLON N " + std::to_string(40 + n % 9) + " " +
           std::to_string(10 + n % 49) + ".25 W " + std::to_string(100 + n % 30) + " " +
           std::to_string(n % 60) + ".5";
}

inline std::string runwayWaypoint(int n) {
    std::string text = n % 2 ? "FIX " + numbered("FX", n % 700 + 1) + " "
                             : "NAVAID " + numbered("NV", n % 97) + " ";
    if (n % 3 == 0)
        text += std::to_string(2000 + n % 50 * 100) + " ";
    return text;
}

// One runway: the end point, `first` waypoints, then when `second` > 0 a FROM
// branch of that many. Converted it takes first + 1 (+ 1 + second + 1) rows.
inline void runway(std::string& out, int number, int first, int second) {
    std::string text =
        "RNW " + runwayName('R', number) + " NAVAID " + numbered("NV", number % 97) + " 3000 ";
    int waypoint = number * 16;
    for (int i = 0, onLine = 0; i < first; ++i) {
        if (++onLine > 4) {
            line(out, text);
            text = "        ";
            onLine = 0;
        }
        text += runwayWaypoint(++waypoint);
    }
    if (second > 0) {
        line(out, text);
        text = "   FROM " + numbered("FX", number % 700 + 1) + " ";
        for (int i = 0; i < second; ++i)
            text += runwayWaypoint(++waypoint);
    }
    line(out, text);
}

inline std::string sidLeg(int n, bool last) {
    const std::string fix = numbered("FX", n % 700 + 1);
    const std::string navaid = numbered("NV", n % 97);
    if (last)
        return " ONHDG 2000 NOT BEFORE 5";
    switch (n % 6) {
    case 0:
        return " ONHDG 1000";
    case 1:
        return " ONHDG 1500 NOT BEFORE 3 FIX " + fix + " 4000";
    case 2:
        return " INTERCEPT 250 TO FIX " + fix;
    case 3:
        return " FIX " + fix + " 5000";
    case 4:
        return " NAVAID " + navaid + " FLOAT 6000";
    default:
        return " INTERCEPT 90 FROM NAVAID " + navaid;
    }
}

inline std::string starLeg(int n) {
    switch (n % 3) {
    case 0:
        return " FIX " + numbered("FX", n % 700 + 1) + " 12000";
    case 1:
        return " NAVAID " + numbered("NV", n % 97);
    default:
        return " FIX " + numbered("FX", n % 700 + 1) + " FLOAT 5000";
    }
}

} // namespace detail

inline std::string fullAirportFile(const Size& size = {}) {
    using detail::line;
    using detail::numbered;
    std::string out;
    line(out, "//        ZFUL - Full Capacity Field");
    line(out, "//      Terminal Procedures Created by");
    line(out, "//               Vextrel Tests");
    line(out, "//  Generated 1/1/2027 by Vextrel V1.0");
    line(out, "");

    line(out, "FIXES");
    for (int n = 1; n <= size.fixes; ++n)
        line(out, detail::fixLine(n));
    line(out, "ENDFIXES");
    line(out, "");

    // Runways of 6 + 2 waypoints (11 rows converted), the rest in one more.
    line(out, "RNWS");
    int number = 0;
    int rows = size.runwayRows;
    for (; rows >= 11; rows -= 11)
        detail::runway(out, ++number, 6, 2);
    if (rows > 0)
        detail::runway(out, ++number, rows - 1, 0);
    line(out, "ENDRNWS");
    line(out, "");

    // SIDs of up to 15 rows, every one ending in an on-heading leg with a
    // not-before distance and no fix.
    line(out, "SIDS");
    for (int row = 0, sid = 1; row < size.sidRows; ++sid) {
        const int legs = size.sidRows - row < 15 ? size.sidRows - row : 15;
        std::string text = "SID " + numbered("SD", sid);
        for (int r = 0; r <= sid % 8; ++r)
            text += " RNW " + detail::runwayName('R', r + 1);
        for (int leg = 0; leg < legs; ++leg)
            text += detail::sidLeg(row + leg, leg == legs - 1);
        line(out, text);
        row += legs;
    }
    line(out, "ENDSIDS");
    line(out, "");

    line(out, "STARS");
    for (int star = 0, row = 0; star < size.stars; ++star) {
        const int legs = size.starRows / size.stars + (star < size.starRows % size.stars ? 1 : 0);
        std::string text = "STAR " + numbered("ST", star + 1);
        for (int leg = 0; leg < legs; ++leg)
            text += detail::starLeg(row + leg);
        for (int r = 1; r <= size.runwaysPerStar; ++r)
            text += " RNW " + detail::runwayName('S', r);
        line(out, text);
        row += legs;
    }
    line(out, "ENDSTARS");
    return out;
}

} // namespace fullairport
