#pragma once

#include <cstdint>
#include <vector>

namespace procedures {

enum class Turn { Left, Right };

// What the arc screen's boxes ask for, as numbers.
struct ArcInput {
    double start = 0; // radial, degrees
    double end = 0;
    float radius = 0; // NM from the navaid
    double step = 0;  // largest radial step, degrees
    Turn turn = Turn::Right;
    bool turnIn = false;
};

// One generated point: radial (unrounded, single precision) and distance.
struct ArcPoint {
    float radial = 0;
    float radius = 0;

    bool operator==(const ArcPoint&) const = default;
};

// Input the walk cannot take: it would divide by zero, never end, or make
// a turn-in point on or behind the navaid.
enum class ArcProblem {
    None,
    StepNotPositive,
    RadialBelowZero,
    RadialAbove360,
    NoSweep,
    TurnInTooClose,
    // Beyond single precision: it would be stored as an infinity.
    RadiusTooLarge,
};

// Degrees covered going from start to end in the given direction; 0 only
// when both name the same radial and the turn is Left, or 360 -> 0 Right.
double arcSweep(double start, double end, Turn turn);

ArcProblem checkArc(const ArcInput& input);

// Points the walk makes: the arc's steps plus one, plus the turn-in point.
// Large enough inputs are clamped rather than overflowing.
std::int64_t arcPointCount(const ArcInput& input);

// The points from the start radial to the end radial in equal steps no
// larger than input.step, then the turn-in point 2 NM inside the last one.
// Radials are kept in 0..360: 360 when reached going up, 0 going down.
// Empty for input checkArc refuses or beyond maxPoints.
std::vector<ArcPoint> walkArc(const ArcInput& input, std::int64_t maxPoints);

// The radial as a fix stores it: one decimal, a half to the even neighbour.
float storedHeading(float radial);

} // namespace procedures
