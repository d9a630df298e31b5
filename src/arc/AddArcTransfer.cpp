// "Transfer Waypoint Data": the checks, then the points into the working
// tables and the feeder list, all or nothing.
#include "arc/AddARC.h"

#include "runtime/Numbers.h"
#include "store/ProcedureStore.h"

#include <algorithm>
#include <stdexcept>

namespace arc {

namespace {

constexpr const char* TransitionEditorName = "RunwayForm";

const std::string NoRoomForRows = "There is no room for this ARC: the runway table holds" +
                                  runtime::printedNumber(store::RunwayCapacity) +
                                  " rows.\r\nNothing has been added.";
const std::string NoRoomForFixes = "There is no room for this ARC: the fix table holds" +
                                   runtime::printedNumber(store::FixCapacity) +
                                   " fixes.\r\nNothing has been added.";

} // namespace

void AddARC::TransferCommand_Click() {
    // The transition editor was closed while this screen stayed open: its
    // working tables are gone, so there is no feeder to add to.
    const ui::Form* editor = app().findForm(TransitionEditorName);
    if (editor == nullptr || !editor->isLoaded()) {
        unload();
        return;
    }
    const std::optional<ArcInput> input = readInput();
    if (!input || refuseProblem(*input))
        return;
    ArcNaming naming{ArcText.text(), m_.ArcNavaid, m_.ArcCounter};
    const std::optional<std::vector<NamedArcPoint>> points = planPoints(*input, naming);
    if (!points)
        return;

    m_.StepAngle = runtime::bareNumber(input->step);
    transitions::FeederAccess& target = feeder();
    for (const NamedArcPoint& point : *points)
        addArcPoint(target, point);
    m_.ArcCounter = naming.counter;
    unload();
}

std::optional<ArcInput> AddARC::readInput() {
    const auto missing = [this](ui::TextBox& focus, const char* message) {
        MsgBox(message);
        focus.setFocus();
        return std::nullopt;
    };
    if (ArcText.text().empty())
        return missing(ArcStartText,
                       "You have not selected a Navaid.\r\n                  Please Correct.");
    if (ArcStartText.text().empty())
        return missing(ArcStartText, "You have not typed in the Arc starting radial.\r\n"
                                     "           Please Complete.");
    if (ArcEndText.text().empty())
        return missing(ArcEndText, "You have not typed in the Arc ending radial.\r\n"
                                   "          Please Complete.");
    if (ArcRadiusText.text().empty())
        return missing(ArcRadiusText,
                       "You have not typed in the Arc radius.\r\n        Please Complete.");
    if (!LeftOption.value() && !RightOption.value()) {
        MsgBox("You have not selected a turn direction.\r\n                  Please Correct.");
        return std::nullopt;
    }

    ArcInput input;
    input.radius = static_cast<float>(runtime::val(ArcRadiusText.text()));
    input.start = runtime::val(ArcStartText.text());
    input.end = runtime::val(ArcEndText.text());
    input.step = runtime::val(StepAngleText.text());
    input.turn = RightOption.value() ? Turn::Right : Turn::Left;
    input.turnIn = TurnInOptionYes.value();
    return input;
}

bool AddARC::refuseProblem(const ArcInput& input) {
    ui::TextBox& radialBox = (input.start < 0 || input.start > 360) ? ArcStartText : ArcEndText;
    switch (checkArc(input)) {
    case ArcProblem::None:
        return false;
    case ArcProblem::StepNotPositive:
        refuse(StepAngleText, "The Step Angle must be greater than 0.\r\nPlease Correct.");
        break;
    case ArcProblem::RadialBelowZero:
        refuse(radialBox, "An Arc radial cannot be less than 0.\r\nPlease Correct.");
        break;
    case ArcProblem::RadialAbove360:
        refuseRadialAbove360(radialBox);
        break;
    case ArcProblem::NoSweep:
        refuse(ArcEndText,
               "The Arc starting and ending radials are the same.\r\nThere is no Arc to create.");
        break;
    case ArcProblem::RadiusTooLarge:
        refuse(ArcRadiusText, "The Arc radius is too large.\r\nPlease Correct.");
        break;
    case ArcProblem::TurnInTooClose:
        refuse(ArcRadiusText,
               "The Arc radius must be more than 2 for a Turn-in.\r\nPlease Correct.");
        break;
    }
    return true;
}

std::optional<std::vector<NamedArcPoint>> AddARC::planPoints(const ArcInput& input,
                                                             ArcNaming& naming) {
    const int rowsLeft = feeder().freeRunwayRows();
    if (arcPointCount(input) > rowsLeft) {
        MsgBox(NoRoomForRows);
        return std::nullopt;
    }
    std::vector<NamedArcPoint> points =
        nameArcPoints(walkArc(input, rowsLeft), naming, m_.WorkFixes, m_.WorkFixCount);
    const auto newFixes = std::count_if(points.begin(), points.end(),
                                        [](const NamedArcPoint& point) { return point.newFix; });
    if (m_.WorkFixCount + newFixes > store::FixCapacity) {
        MsgBox(NoRoomForFixes);
        return std::nullopt;
    }
    return points;
}

void AddARC::addArcPoint(transitions::FeederAccess& feeder, const NamedArcPoint& point) {
    // Room was made sure of before the first point.
    if (!feeder.appendFixWaypoint(point.fix, ArcAltText.text()))
        throw std::logic_error("no runway row left for an arc point");
    if (!point.newFix)
        return;

    m_.Store.FixesDefined = store::True;
    m_.WorkFixCount = static_cast<std::int16_t>(m_.WorkFixCount + 1);
    store::FixRecord fix;
    fix.Name = point.fix;
    fix.VOR = m_.ArcNavaid;
    fix.VORDist = point.radius;
    fix.Heading = point.heading;
    fix.IsArcPoint = store::True;
    m_.WorkFixes[m_.WorkFixCount] = fix;
}

} // namespace arc
