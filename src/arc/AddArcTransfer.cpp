// "Transfer Waypoint Data": the checks of the boxes, then the arc's edit.
#include "arc/AddARC.h"

#include "reference/NavaidLookup.h"
#include "runtime/Numbers.h"

namespace arc {

using procedures::ArcInput;
using procedures::ArcProblem;
using procedures::Turn;

void AddARC::TransferCommand_Click() {
    // The transition editor was closed while this screen stayed open: its
    // working tables are gone, so there is no feeder to add to.
    const ui::Form* editor = app().findForm("RunwayForm");
    if (editor == nullptr || !editor->isLoaded()) {
        unload();
        return;
    }
    const std::optional<ArcInput> input = readInput();
    if (!input || refuseProblem(*input))
        return;
    transitions::FeederAccess& target = feeder();
    procedures::FeederTables tables = target.feederTables();
    std::int16_t counter = m_.ArcCounter;
    const procedures::ArcRequest request{*input, centre(), ArcText.text(), ArcAltText.text()};
    if (procedures::Outcome refusal = procedures::addArc(tables, request, counter)) {
        if (refusal->field == procedures::Field::ArcLabel)
            refuse(ArcText, refusal->message);
        else if (refusal->field == procedures::Field::ArcAltitude)
            refuse(ArcAltText, refusal->message);
        else
            MsgBox(refusal->message);
        return;
    }
    m_.ArcCounter = counter;
    m_.StepAngle = runtime::bareNumber(input->step);
    m_.Store.FixesDefined = store::True;
    target.feederChanged("add arc " + request.label);
    unload();
}

procedures::ArcCentre AddARC::centre() const {
    procedures::ArcCentre centre{m_.ArcNavaid};
    if (!centre_)
        return centre;
    centre.lat = centre_->NavaidLat;
    centre.lon = centre_->NavaidLong;
    // A co-located fix names the navaid of its identifier that the airport's
    // lookups find; any other navaid of that identifier needs positions.
    reference::ReferencePosition found = m_.Reference;
    centre.colocated = reference::LookUpNavaid(m_.NavaidTable, centre.identifier, found) &&
                       found == reference::ReferencePosition{centre.lat, centre.lon};
    return centre;
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
    switch (procedures::checkArc(input)) {
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

} // namespace arc
