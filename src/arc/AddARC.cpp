#include "arc/AddARC.h"

#include "arc/FindWaypointForm.h"
#include "procedures/EntryRules.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"
#include "shell/EntryChecks.h"

#include <stdexcept>

namespace arc {

AddARC::AddARC(ui::App& app, shell::Module1& m)
    : ui::Form(app, "AddARC"), SelectNavaidCommand(*this, "SelectNavaidCommand"),
      Label4(*this, "Label4"), ArcText(*this, "ArcText"), Label1(*this, "Label1"),
      ArcStartText(*this, "ArcStartText"), Label2(*this, "Label2"), ArcEndText(*this, "ArcEndText"),
      Label3(*this, "Label3"), ArcRadiusText(*this, "ArcRadiusText"), Label5(*this, "Label5"),
      StepAngleText(*this, "StepAngleText"), Frame1(*this, "Frame1"),
      LeftOption(*this, "LeftOption"), RightOption(*this, "RightOption"), Frame2(*this, "Frame2"),
      TurnInOptionYes(*this, "TurnInOptionYes"), TurnInOptionNo(*this, "TurnInOptionNo"),
      Label6(*this, "Label6"), ArcAltText(*this, "ArcAltText"),
      TransferCommand(*this, "TransferCommand"), ExitCommand(*this, "ExitCommand"), m_(m) {
    setCaption("ARC Designer");
    SelectNavaidCommand.setCaption("Select Navaid");
    // The label is chosen through the navaid search, which shows it.
    Label4.setCaption("ARC Label Will Be");
    Label4.setVisible(false);
    ArcText.setVisible(false);
    ArcText.setAccessibleName("ARC label");
    ArcStartText.setAccessibleName("ARC start radial");
    ArcEndText.setAccessibleName("ARC end radial");
    ArcRadiusText.setAccessibleName("ARC radius");
    StepAngleText.setAccessibleName("Step angle in degrees");
    ArcAltText.setAccessibleName("ARC altitude");
    LeftOption.setAccessibleName("Turn left");
    RightOption.setAccessibleName("Turn right");
    TurnInOptionYes.setAccessibleName("Add turn-in: yes");
    TurnInOptionNo.setAccessibleName("Add turn-in: no");
    Label1.setCaption("ARC Start");
    Label2.setCaption("ARC End");
    Label3.setCaption("ARC Radius");
    Label5.setCaption("Degrees");
    StepAngleText.setText("10");
    Frame1.setCaption("Turn");
    LeftOption.setCaption("Left");
    LeftOption.placeIn(Frame1);
    RightOption.setCaption("Right");
    RightOption.placeIn(Frame1);
    Frame2.setCaption("Add Turn-in");
    TurnInOptionYes.setCaption("Yes");
    TurnInOptionYes.placeIn(Frame2);
    TurnInOptionNo.setCaption("No");
    TurnInOptionNo.placeIn(Frame2);
    TurnInOptionNo.setValue(true);
    Label6.setCaption("ARC Altitude");
    TransferCommand.setCaption("Transfer Waypoint Data");
    ExitCommand.setCaption("No ARC Just Exit");
    ExitCommand.makeLeaveButton();

    SelectNavaidCommand.Click = [this] { SelectNavaidCommand_Click(); };
    ArcText.LostFocus = [this] { ArcText_LostFocus(); };
    ArcStartText.LostFocus = [this] { ArcStartText_LostFocus(); };
    ArcEndText.LostFocus = [this] { ArcEndText_LostFocus(); };
    ArcRadiusText.LostFocus = [this] { ArcRadiusText_LostFocus(); };
    StepAngleText.LostFocus = [this] { StepAngleText_LostFocus(); };
    ArcAltText.LostFocus = [this] { ArcAltText_LostFocus(); };
    TransferCommand.Click = [this] { TransferCommand_Click(); };
    ExitCommand.Click = [this] { ExitCommand_Click(); };
}

void AddARC::Form_Load() {
    // The settings file keeps the angle in its printed form (" 10 ").
    StepAngleText.setText(runtime::trim(m_.StepAngle));
    centre_.reset();
    // The points go to the transition editor's working tables, which close
    // with it.
    if (transitions::FeederAccess* editor = transitions::findFeederAccess(app()))
        editor->closeWithEditor(*this);
}

void AddARC::Form_Unload() {
    // A search still open was for this arc.
    if (ui::Form* search = app().findForm("FindWaypointForm"))
        search->unload();
}

void AddARC::SelectNavaidCommand_Click() {
    app().get<FindWaypointForm>().show();
}

void AddARC::refuse(ui::TextBox& box, const std::string& message) {
    shell::refuseBox(box, message);
}

void AddARC::ArcText_LostFocus() {
    if (const std::string message = procedures::checkArcLabel(ArcText.text(), m_.ArcCounter);
        !message.empty() && !ArcText.text().empty()) {
        refuse(ArcText, message);
        return;
    }
    ArcText.setText(runtime::toUpper(ArcText.text()));
}

void AddARC::ArcAltText_LostFocus() {
    if (const std::string message = procedures::checkAltitude(ArcAltText.text()); !message.empty())
        refuse(ArcAltText, message);
}

void AddARC::chooseCentre(const reference::NavaidRecord& navaid) {
    centre_ = navaid;
    const std::string identifier = runtime::trim(navaid.NavaidID);
    ArcText.setText(identifier);
    m_.ArcNavaid = identifier;
    Label4.setVisible(true);
    ArcText.setVisible(true);
}

void AddARC::refuseRadialAbove360(ui::TextBox& box) {
    refuse(box, "This value must be less than or equal to 360.\r\n"
                "                       Please correct.");
}

void AddARC::checkRadialBox(ui::TextBox& box) {
    if (const std::string message = procedures::checkNumber(box.text()); !message.empty())
        refuse(box, message);
    else if (runtime::val(box.text()) > 360)
        refuseRadialAbove360(box);
}

void AddARC::ArcStartText_LostFocus() {
    checkRadialBox(ArcStartText);
}

void AddARC::ArcEndText_LostFocus() {
    checkRadialBox(ArcEndText);
}

void AddARC::ArcRadiusText_LostFocus() {
    if (const std::string message = procedures::checkNumber(ArcRadiusText.text()); !message.empty())
        refuse(ArcRadiusText, message);
}

void AddARC::StepAngleText_LostFocus() {
    const std::string& text = StepAngleText.text();
    if (text.empty())
        refuse(StepAngleText, "There must be a Step Angle.");
    else if (const std::string message = procedures::checkNumber(text); !message.empty())
        refuse(StepAngleText, message);
}

void AddARC::ExitCommand_Click() {
    unload();
}

transitions::FeederAccess& AddARC::feeder() const {
    transitions::FeederAccess* editor = transitions::findFeederAccess(app());
    if (editor == nullptr)
        throw std::logic_error("the arc generator needs the transition editor");
    return *editor;
}

} // namespace arc
