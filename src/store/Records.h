#pragma once

#include <cstdint>
#include <string>

namespace store {

// Flags hold -1 for true and 0 for false, as the files' users expect of them.
// Every member has an initializer, so a record written with designated
// initializers names only the fields it sets.
using Flag = std::int16_t;
constexpr Flag True = -1;
constexpr Flag False = 0;

// One fix. The coordinate parts keep the text read or typed; an empty text
// is an empty cell.
struct FixRecord {
    std::string TypeOfID{};
    std::string Name{};
    std::string HemLat{};
    std::string LatDeg{};
    std::string LatMin{};
    std::string HemLong{};
    std::string LongDeg{};
    std::string LongMin{};
    std::string VOR{};
    float VORDist = 0;
    float Heading = 0;
    Flag IsArcPoint = False;

    bool operator==(const FixRecord&) const = default;
};

// One row of a runway transition.
struct RunwayWaypoint {
    std::string ID{};
    std::string FIX{};
    std::string Navaid{};
    std::string Alt{};
    Flag FROM = False;
    Flag EOP = False;

    bool operator==(const RunwayWaypoint&) const = default;
};

// One STAR waypoint; `Elements` is set on the first row of a STAR only.
struct STARWaypoint {
    std::string Name{};
    std::string Fix{};
    std::string VOR{};
    std::string Alt{};
    Flag Float = False;
    std::int16_t Elements = 0;

    bool operator==(const STARWaypoint&) const = default;
};

// One SID leg; the runways are significant on the first row of a SID.
struct SIDWaypoint {
    std::string Name{};
    std::string RW1{}, RW2{}, RW3{}, RW4{}, RW5{}, RW6{}, RW7{}, RW8{};
    std::string Fix{};
    std::string VOR{};
    std::string Alt{};
    Flag Float = False;
    std::string OnHeadAlt{};
    std::string OnHeadDist{};
    std::string InterceptHeading{};
    std::string InterceptToFrom{};
    std::string InterceptFix{};
    std::string InterceptNavaid{};
    Flag EndOfRunway = False;

    // Runway slot 1..8.
    std::string& runway(int slot);
    const std::string& runway(int slot) const;

    bool operator==(const SIDWaypoint&) const = default;
};

} // namespace store
