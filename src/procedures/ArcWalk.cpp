#include "procedures/ArcWalk.h"

#include <cmath>

namespace procedures {

namespace {

constexpr float TurnInDistance = 2;
// Far beyond any table; keeps the step count inside integer range.
constexpr double StepCountLimit = 1e9;

std::int64_t stepCount(const ArcInput& input) {
    const double steps = std::floor(arcSweep(input.start, input.end, input.turn) / input.step);
    if (!(steps < StepCountLimit))
        return static_cast<std::int64_t>(StepCountLimit);
    // A sweep smaller than the step is still one step, from start to end.
    return steps < 1 ? 1 : static_cast<std::int64_t>(steps);
}

// The end radial as the walk reaches it: north is 360 going up, 0 going
// down.
float endRadial(const ArcInput& input) {
    const bool up = input.turn == Turn::Right;
    if (up && input.end == 0)
        return 360;
    if (!up && input.end == 360)
        return 0;
    return static_cast<float>(input.end);
}

} // namespace

double arcSweep(double start, double end, Turn turn) {
    if (turn == Turn::Right)
        return start < end ? end - start : 360 - start + end;
    return start < end ? 360 - end + start : start - end;
}

ArcProblem checkArc(const ArcInput& input) {
    if (!(input.step > 0))
        return ArcProblem::StepNotPositive;
    if (!(input.start >= 0) || !(input.end >= 0))
        return ArcProblem::RadialBelowZero;
    if (input.start > 360 || input.end > 360)
        return ArcProblem::RadialAbove360;
    if (!(arcSweep(input.start, input.end, input.turn) > 0))
        return ArcProblem::NoSweep;
    if (!std::isfinite(input.radius))
        return ArcProblem::RadiusTooLarge;
    if (input.turnIn && !(input.radius > TurnInDistance))
        return ArcProblem::TurnInTooClose;
    return ArcProblem::None;
}

std::int64_t arcPointCount(const ArcInput& input) {
    if (checkArc(input) != ArcProblem::None)
        return 0;
    return stepCount(input) + 1 + (input.turnIn ? 1 : 0);
}

std::vector<ArcPoint> walkArc(const ArcInput& input, std::int64_t maxPoints) {
    std::vector<ArcPoint> points;
    const std::int64_t count = arcPointCount(input);
    if (count == 0 || count > maxPoints)
        return points;
    const std::int64_t steps = stepCount(input);
    const double increment =
        arcSweep(input.start, input.end, input.turn) / static_cast<double>(steps);
    const bool up = input.turn == Turn::Right;

    // The radial is held in single precision and stepped in double, as the
    // stored headings are single precision.
    float radial = static_cast<float>(input.start);
    points.reserve(static_cast<std::size_t>(count));
    points.push_back({radial, input.radius});
    for (std::int64_t k = 1; k <= steps; ++k) {
        radial = static_cast<float>(static_cast<double>(radial) + (up ? increment : -increment));
        if (up && radial > 360.0f)
            radial = static_cast<float>(static_cast<double>(radial) - 360);
        else if (!up && radial < 0.0f)
            radial = static_cast<float>(static_cast<double>(radial) + 360);
        // The summed steps may drift off the end radial by a rounding; the
        // last point is the end radial itself, so the arc is never cut short
        // or carried past its end.
        if (k == steps)
            radial = endRadial(input);
        points.push_back({radial, input.radius});
    }
    if (input.turnIn)
        points.push_back({radial, input.radius - TurnInDistance});
    return points;
}

float storedHeading(float radial) {
    // nearbyint rounds a half to the even neighbour in the default mode.
    return static_cast<float>(std::nearbyint(static_cast<double>(radial) * 10) / 10);
}

} // namespace procedures
