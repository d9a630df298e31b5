#pragma once

#include <optional>
#include <string>

namespace procedures {

// The box a refusal is about: the screen puts the focus there, with the whole
// text selected.
enum class Field {
    None,
    ICAO,
    ProcedureName,
    Runway,
    Navaid,
    Altitude,
    FixName,
    FixID,
    LatitudeDegrees,
    LatitudeMinutes,
    LongitudeDegrees,
    LongitudeMinutes,
    VOR,
    Heading,
    Distance,
    OnHeadingAltitude,
    OnHeadingDistance,
    InterceptHeading,
    ArcLabel,
    ArcAltitude,
};

// Why an edit was not made, in the words the user sees. An edit that is
// refused has changed nothing.
struct Refusal {
    std::string message;
    Field field = Field::None;
};

// Nothing when the edit was made.
using Outcome = std::optional<Refusal>;

inline Outcome refused(std::string message, Field field = Field::None) {
    return Refusal{std::move(message), field};
}

} // namespace procedures
