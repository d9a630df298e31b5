#include "arc/ArcWalk.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using arc::ArcInput;
using arc::ArcPoint;
using arc::ArcProblem;
using arc::Turn;

constexpr std::int64_t NoLimit = 1000;

std::vector<float> radials(const std::vector<ArcPoint>& points) {
    std::vector<float> out;
    for (const ArcPoint& p : points)
        out.push_back(p.radial);
    return out;
}

struct WalkCase {
    const char* what;
    double start, end, step;
    Turn turn;
    std::vector<float> expected;
};

class WalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, RadialsFromStartToEnd) {
    const WalkCase& c = GetParam();
    const std::vector<ArcPoint> points =
        arc::walkArc(ArcInput{c.start, c.end, 12, c.step, c.turn, false}, NoLimit);
    EXPECT_EQ(radials(points), c.expected) << c.what;
    for (const ArcPoint& p : points)
        EXPECT_EQ(p.radius, 12.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, WalkTest,
    ::testing::Values(
        WalkCase{"up without passing north", 90, 120, 10, Turn::Right, {90, 100, 110, 120}},
        WalkCase{"up through north, 360 kept", 350, 10, 10, Turn::Right, {350, 360, 10}},
        WalkCase{"down through north, 0 kept", 10, 350, 10, Turn::Left, {10, 0, 350}},
        WalkCase{"step shortened to cover the sweep",
                 90,
                 120,
                 7,
                 Turn::Right,
                 {90, 97.5f, 105, 112.5f, 120}},
        WalkCase{"down without passing north", 120, 90, 10, Turn::Left, {120, 110, 100, 90}},
        WalkCase{"sweep smaller than the step is one step", 90, 95, 10, Turn::Right, {90, 95}},
        WalkCase{"ending on north going up stops there", 340, 0, 10, Turn::Right, {340, 350, 360}},
        WalkCase{"ending on north going down stops there", 10, 360, 10, Turn::Left, {10, 0}},
        WalkCase{"steps that do not add up exactly still end on the end radial",
                 90,
                 100,
                 3,
                 Turn::Right,
                 {90, 93.333336f, 96.66667f, 100}},
        WalkCase{"down through north with a shortened step",
                 20,
                 340,
                 7,
                 Turn::Left,
                 {20, 12, 4, 356, 348, 340}},
        WalkCase{"start equal to end going right is a full circle",
                 90,
                 90,
                 90,
                 Turn::Right,
                 {90, 180, 270, 360, 90}}));

TEST(WalkTurnIn, LastPointTwoInsideOnTheLastRadial) {
    const auto right = arc::walkArc(ArcInput{90, 120, 12, 10, Turn::Right, true}, NoLimit);
    ASSERT_EQ(right.size(), 5u);
    EXPECT_EQ(right[3], (ArcPoint{120, 12}));
    EXPECT_EQ(right[4], (ArcPoint{120, 10}));

    const auto left = arc::walkArc(ArcInput{10, 350, 12, 10, Turn::Left, true}, NoLimit);
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[3], (ArcPoint{350, 10}));
}

struct CheckCase {
    const char* what;
    ArcInput input;
    ArcProblem expected;
};

class CheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, RefusesWhatTheWalkCannotTake) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(arc::checkArc(c.input), c.expected) << c.what;
    if (c.expected != ArcProblem::None) {
        EXPECT_TRUE(arc::walkArc(c.input, NoLimit).empty()) << c.what;
        EXPECT_EQ(arc::arcPointCount(c.input), 0) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CheckTest,
    ::testing::Values(
        CheckCase{"step 0", {90, 120, 12, 0, Turn::Right, false}, ArcProblem::StepNotPositive},
        CheckCase{
            "negative step", {90, 120, 12, -5, Turn::Left, false}, ArcProblem::StepNotPositive},
        CheckCase{
            "negative start", {-10, 120, 12, 10, Turn::Right, false}, ArcProblem::RadialBelowZero},
        CheckCase{
            "negative end", {90, -0.5, 12, 10, Turn::Right, false}, ArcProblem::RadialBelowZero},
        CheckCase{
            "start past 360", {361, 10, 12, 10, Turn::Right, false}, ArcProblem::RadialAbove360},
        CheckCase{
            "same radial going left", {90, 90, 12, 10, Turn::Left, false}, ArcProblem::NoSweep},
        CheckCase{"0 to 360 going left", {0, 360, 12, 10, Turn::Left, false}, ArcProblem::NoSweep},
        CheckCase{
            "360 to 0 going right", {360, 0, 12, 10, Turn::Right, false}, ArcProblem::NoSweep},
        CheckCase{
            "turn-in at radius 2", {90, 120, 2, 10, Turn::Right, true}, ArcProblem::TurnInTooClose},
        CheckCase{"radius beyond single precision",
                  {90, 120, std::numeric_limits<float>::infinity(), 10, Turn::Right, false},
                  ArcProblem::RadiusTooLarge},
        CheckCase{
            "radius 2 without turn-in", {90, 120, 2, 10, Turn::Right, false}, ArcProblem::None},
        CheckCase{
            "turn-in just beyond 2", {90, 120, 2.5f, 10, Turn::Right, true}, ArcProblem::None},
        CheckCase{
            "full circle going right", {90, 90, 12, 10, Turn::Right, false}, ArcProblem::None}));

TEST(ArcPointCount, CountsStepsTurnInAndClampsTinySteps) {
    EXPECT_EQ(arc::arcPointCount({90, 120, 12, 10, Turn::Right, true}), 5);
    EXPECT_EQ(arc::arcPointCount({90, 120, 12, 7, Turn::Right, false}), 5);
    // A step far too small for any table is counted, not walked or
    // overflowed.
    const ArcInput tiny{0, 350, 12, 1e-300, Turn::Right, false};
    EXPECT_GT(arc::arcPointCount(tiny), 1000);
    EXPECT_TRUE(arc::walkArc(tiny, 400).empty());
}

TEST(StoredHeading, OneDecimalHalfToEven) {
    const std::vector<std::pair<float, float>> cases = {
        {97.5f, 97.5f},    {93.333336f, 93.3f}, {0.25f, 0.2f}, {0.75f, 0.8f},
        {359.96f, 360.0f}, {112.5f, 112.5f},    {0.35f, 0.3f}, {10.0f, 10.0f},
    };
    for (const auto& [radial, heading] : cases)
        EXPECT_EQ(arc::storedHeading(radial), heading) << radial;
}

} // namespace
