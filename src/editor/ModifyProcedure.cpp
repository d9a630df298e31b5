#include "editor/ModifyProcedure.h"

#include "procedures/EntryRules.h"
#include "runtime/Numbers.h"
#include "shell/EntryChecks.h"

namespace editor {

ModifyProcedure::ModifyProcedure(ui::App& app, shell::Module1& module)
    : ui::Form(app, "ModifyProcedure"),
      m(module), runwayBoxes_{&RwText1, &RwText2, &RwText3, &RwText4,
                              &RwText5, &RwText6, &RwText7, &RwText8} {
    setDesignState();
    wireEvents();
}

void ModifyProcedure::setDesignState() {
    setCaption("Procedure Editor");
    mapPanel_.setDesignState();

    ICAOLabel.setCaption("ICAO");
    AptNameText.setMaxLength(4);
    AptNameText.setAccessibleName("Airport ICAO");
    ProcedureNameText.setAccessibleName("Procedure name");
    AddNavText.setAccessibleName("Navaid ID");
    Alt1Text.setAccessibleName("Altitude");
    FloatAltOption.setAccessibleName("Floating altitude");
    OnHeadAltText.setAccessibleName("On-heading altitude");
    OnHeadDistText.setAccessibleName("On-heading not before distance");
    InterceptHeadingText.setAccessibleName("Intercept heading");
    InterceptToOption.setAccessibleName("Intercept TO");
    InterceptFromOption.setAccessibleName("Intercept FROM");
    WaypointList.setAccessibleName("List of waypoints");
    ProcedureMap.setAccessibleName("Map of the procedure");
    ProcedureNameLabel.setCaption("Procedure Name");
    ProcedureNameText.setMaxLength(16);
    RunwaysLabel.setCaption("Runway(s) Available in Procedure");
    for (int k = 1; k <= 8; ++k) {
        runwayBox(k).setMaxLength(3);
        runwayBox(k).setAccessibleName("Runway " + std::to_string(k));
        runwayBox(k).setVisible(k == 1);
    }
    setCounterLabel(1, 1);

    AddNavLabel.setCaption("Fly2 Navaid ID");
    AddNavText.setMaxLength(7);
    AltLabel.setCaption("Altitude");
    Alt1Text.setMaxLength(5);
    FloatAltOption.setCaption("Floating");

    UserFixFrame.setCaption("User Defined Fix");
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &FixNameLabel, &FixNameText, &FixIDLabel, &FixIDText, &LatLabel, &DDMLatText,
             &DMMLatText, &LatFrame, &LongLabel, &DDMLongText, &DMMLongText, &LongFrame, &VORLabel,
             &VORFIXText, &HeadingLabel, &HeadingText, &DistLabel, &DistText})
        c->placeIn(UserFixFrame);
    FixNameLabel.setCaption("Fix Name");
    FixIDLabel.setCaption("ID");
    LatLabel.setCaption("D     M   Latitude");
    NLatOption.placeIn(LatFrame);
    SLatOption.placeIn(LatFrame);
    LongLabel.setCaption(" D      M Longitude");
    ELongOption.placeIn(LongFrame);
    WLongOption.placeIn(LongFrame);
    VORLabel.setCaption("VOR");
    HeadingLabel.setCaption("Heading");
    DistLabel.setCaption("Distance");
    fixPanel_.setDesignState();

    OnHeadFrame.setCaption("ONHDG");
    for (ui::Control* c : std::initializer_list<ui::Control*>{&OnHeadAltLabel, &OnHeadAltText,
                                                              &OnHeadDistLabel, &OnHeadDistText})
        c->placeIn(OnHeadFrame);
    OnHeadAltLabel.setCaption("Altitude");
    OnHeadAltText.setMaxLength(5);
    OnHeadDistLabel.setCaption("Not Before Distance");
    OnHeadDistText.setMaxLength(5);
    InterceptFrame.setCaption("INTERCEPT");
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&InterceptHeadingLabel, &InterceptHeadingText,
                                             &InterceptToOption, &InterceptFromOption})
        c->placeIn(InterceptFrame);
    InterceptHeadingLabel.setCaption("Heading");
    InterceptToOption.setCaption("TO");
    InterceptFromOption.setCaption("FROM");
    InterceptFromOption.setValue(true);
    coverInterceptONHDG(false);

    AddWaypointCommand.setCaption("Add To Waypoint List");
    ModifyWaypointCommand.setCaption("Modify");
    ModifyWaypointCommand.setEnabled(false);
    ClearDataCommand.setCaption("   Clear All    Input Boxes");
    WaypointListLabel.setCaption("List of Waypoints");
    MoveUp.setCaption("Move Up");
    MoveUp.setEnabled(false);
    MoveDown.setCaption("Move Down");
    MoveDown.setEnabled(false);
    DeleteWaypointCommand.setCaption("Delete This Waypoint");
    DeleteWaypointCommand.setEnabled(false);

    NextProcedureCommand.setCaption("View Next Procedure");
    AddAnotherProcedureCommand.setCaption("Add Another Procedure");
    DeleteProcedureCommand.setCaption("Delete This Procedure");
    SaveCommand.setCaption("Save All Procedures");
    OopsCommand.setCaption("No Changes Just Exit");
    OopsCommand.makeLeaveButton();
    UndoCommand.setCaption("Undo");
    UndoCommand.setShortcuts({"Ctrl+Z"});
    UndoCommand.setEnabled(false);
    RedoCommand.setCaption("Redo");
    RedoCommand.setShortcuts({"Ctrl+Shift+Z", "Ctrl+Y"});
    RedoCommand.setEnabled(false);
}

void ModifyProcedure::wireEvents() {
    AptNameText.KeyPress = [this](int& key) { AptNameText_KeyPress(key); };
    AptNameText.LostFocus = [this] { AptNameText_LostFocus(); };
    ProcedureNameText.KeyPress = [this](int& key) { ProcedureNameText_KeyPress(key); };
    ProcedureNameText.LostFocus = [this] { ProcedureNameText_LostFocus(); };
    for (int k = 1; k <= 8; ++k) {
        runwayBox(k).Change = [this, k] { RwText_Change(k); };
        runwayBox(k).LostFocus = [this, k] { RwText_LostFocus(k); };
        runwayBox(k).DblClick = [this, k] { RwText_DblClick(k); };
    }

    AddNavText.KeyPress = [this](int& key) { AddNavText_KeyPress(key); };
    AddNavText.LostFocus = [this] { AddNavText_LostFocus(); };
    Alt1Text.LostFocus = [this] { Alt1Text_LostFocus(); };
    FixNameText.KeyPress = [this](int& key) { FixNameText_KeyPress(key); };
    FixNameText.LostFocus = [this] { FixNameText_LostFocus(); };
    FixNameText.DblClick = [this] { FixNameText_DblClick(); };
    FixNameText.setToolTip("Double-click or F4: pick one of your own fixes");
    fixPanel_.wire();
    OnHeadAltText.LostFocus = [this] { OnHeadAltText_LostFocus(); };
    OnHeadDistText.LostFocus = [this] { OnHeadDistText_LostFocus(); };
    InterceptHeadingText.LostFocus = [this] { InterceptHeadingText_LostFocus(); };

    AddWaypointCommand.Click = [this] { AddWaypointCommand_Click(); };
    ModifyWaypointCommand.Click = [this] { ModifyWaypointCommand_Click(); };
    ClearDataCommand.Click = [this] { ClearDataCommand_Click(); };
    WaypointList.Click = [this] { WaypointList_Click(); };
    MoveUp.Click = [this] { MoveUp_Click(); };
    MoveDown.Click = [this] { MoveDown_Click(); };
    DeleteWaypointCommand.Click = [this] { DeleteWaypointCommand_Click(); };

    NextProcedureCommand.Click = [this] { NextProcedureCommand_Click(); };
    AddAnotherProcedureCommand.Click = [this] { AddAnotherProcedureCommand_Click(); };
    DeleteProcedureCommand.Click = [this] { DeleteProcedureCommand_Click(); };
    SaveCommand.Click = [this] { SaveCommand_Click(); };
    OopsCommand.Click = [this] { OopsCommand_Click(); };
    UndoCommand.Click = [this] { UndoCommand_Click(); };
    RedoCommand.Click = [this] { RedoCommand_Click(); };
    mapPanel_.wire(WaypointList, [this] { WaypointList_Click(); });
}

void ModifyProcedure::refreshMap() {
    fixPanel_.followAirport(m.AirportTable, AptNameText.text());
    map::MapTables tables;
    tables.store = &m.Store;
    tables.navaids = &m.NavaidTable;
    tables.userFixes = &m.UserFixTable;
    mapPanel_.refresh(AptNameText.text(), tables,
                      {isSTARMode() ? map::RouteKind::STAR : map::RouteKind::SID, m.ProcedureStart,
                       "", WaypointList.listIndex()});
}

ui::TextBox& ModifyProcedure::runwayBox(int k) {
    return *runwayBoxes_.at(static_cast<std::size_t>(k - 1));
}

bool ModifyProcedure::isSTARMode() const {
    return shell::isSTARMode(m.EditMode);
}

void ModifyProcedure::setCounterLabel(int number, int total) {
    SIDCountLabel.setCaption("Procedure " + runtime::printedNumber(number) + "  of " +
                             runtime::printedNumber(total));
}

void ModifyProcedure::coverInterceptONHDG(bool covered) {
    HideInterceptONHDG.setVisible(covered);
    OnHeadFrame.setVisible(!covered);
    InterceptFrame.setVisible(!covered);
}

void ModifyProcedure::refuse(ui::TextBox& box, const std::string& message) {
    shell::refuseBox(box, message);
}

procedures::ProcedureAt ModifyProcedure::onScreen() const {
    return {m.ProcedureStart, WaypointList.ListCount()};
}

ui::TextBox* ModifyProcedure::boxFor(procedures::Field field) {
    using procedures::Field;
    switch (field) {
    case Field::ICAO:
        return &AptNameText;
    case Field::ProcedureName:
        return &ProcedureNameText;
    case Field::Runway:
        for (int k = 1; k <= 8; ++k)
            if (!runwayBox(k).text().empty() &&
                !procedures::isRunwayDesignator(runwayBox(k).text()))
                return &runwayBox(k);
        return &RwText1;
    case Field::Navaid:
        return &AddNavText;
    case Field::Altitude:
        return &Alt1Text;
    case Field::FixName:
        return &FixNameText;
    case Field::FixID:
        return &FixIDText;
    case Field::LatitudeDegrees:
        return &DDMLatText;
    case Field::LatitudeMinutes:
        return &DMMLatText;
    case Field::LongitudeDegrees:
        return &DDMLongText;
    case Field::LongitudeMinutes:
        return &DMMLongText;
    case Field::VOR:
        return &VORFIXText;
    case Field::Heading:
        return &HeadingText;
    case Field::Distance:
        return &DistText;
    case Field::OnHeadingAltitude:
        return &OnHeadAltText;
    case Field::OnHeadingDistance:
        return &OnHeadDistText;
    case Field::InterceptHeading:
        return &InterceptHeadingText;
    default:
        return nullptr;
    }
}

bool ModifyProcedure::made(const procedures::Outcome& outcome) {
    if (!outcome)
        return true;
    if (ui::TextBox* box = boxFor(outcome->field))
        refuse(*box, outcome->message);
    else
        MsgBox(outcome->message);
    return false;
}

} // namespace editor
