#include "transitions/RunwayForm.h"

#include "runtime/Numbers.h"
#include "shell/EntryChecks.h"

#include <algorithm>
#include <initializer_list>

namespace transitions {

RunwayForm::RunwayForm(ui::App& app, shell::Module1& module,
                       shell::RunwayBoxAccess& procedureEditor)
    : ui::Form(app, "RunwayForm"), m(module), procedureEditor_(procedureEditor) {
    setDesignState();
    wireEvents();
}

void RunwayForm::setDesignState() {
    setCaption("Approach Editor");
    mapPanel_.setDesignState();
    FeederNumbers.setCaption("Feeder  1 of  1");

    RWAddNavLabel.setCaption("Fly2 Navaid ID");
    RWAddNavText.setMaxLength(7);
    RWAlt1Label.setCaption("Altitude");
    RWAlt1Text.setMaxLength(5);

    RWUserFixFrame.setCaption("User Defined Fix");
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &RWFixNameLabel, &RWFixNameText, &RwFixIDLabel, &RwFixIDText, &RWLatLabel,
             &RWDDMLatText, &RWDMMLatText, &RWLatFrame, &RWLongLabel, &RWDDMLongText,
             &RWDMMLongText, &RWLongFrame, &RWVORFIXLabel, &RWVORFIXText, &RWHeadingLabel,
             &RWHeadingText, &RWDistLabel, &RWDistText})
        c->placeIn(RWUserFixFrame);
    RWFixNameLabel.setCaption("Fix Name");
    RwFixIDLabel.setCaption("ID");
    RWLatLabel.setCaption("D     M   Latitude");
    RWNLatOption.placeIn(RWLatFrame);
    RWSLatOption.placeIn(RWLatFrame);
    RWLongLabel.setCaption(" D      M Longitude");
    RWELongOption.placeIn(RWLongFrame);
    RWWLongOption.placeIn(RWLongFrame);
    RWVORFIXLabel.setCaption("VOR");
    RWHeadingLabel.setCaption("Heading");
    RWDistLabel.setCaption("Distance");
    fixPanel_.setDesignState();

    RWAddNavText.setAccessibleName("Navaid ID");
    RWAlt1Text.setAccessibleName("Feeder altitude");
    RWWaypointList.setAccessibleName("List of waypoints");
    FeederMap.setAccessibleName("Map of the feeders");
    AddRWWaypointCommand.setCaption("Add To Waypoint List");
    ModifyRWWaypointCommand.setCaption("Modify");
    ModifyRWWaypointCommand.setEnabled(false);
    ClearRWDataCommand.setCaption("   Clear All    Input Boxes");
    RWWaypointListLabel.setCaption("List of Waypoints");
    RWMoveUp.setCaption("Move Up");
    RWMoveUp.setEnabled(false);
    RWMoveDown.setCaption("Move Down");
    RWMoveDown.setEnabled(false);
    DeleteRWWaypointCommand.setCaption("Delete This Waypoint");
    DeleteRWWaypointCommand.setEnabled(false);
    AddArcCommand.setCaption("Create ARC");

    AddFeederProcedureCommand.setCaption("Add another Feeder");
    DeleteFeederCommand.setCaption("Delete This Feeder");
    ViewNextFeederCommand.setCaption("View Next Feeder");
    RWSaveCommand.setCaption("Save Rw   Feeder");
    RWOopsCommand.setCaption("No Changes Just Exit");
    RWOopsCommand.makeLeaveButton();
    RWUndoCommand.setCaption("Undo");
    RWUndoCommand.setShortcuts({"Ctrl+Z"});
    RWUndoCommand.setEnabled(false);
    RWRedoCommand.setCaption("Redo");
    RWRedoCommand.setShortcuts({"Ctrl+Shift+Z", "Ctrl+Y"});
    RWRedoCommand.setEnabled(false);

    setTabOrder({&RWAddNavText,
                 &RWAlt1Text,
                 &RWFixNameText,
                 &RwFixIDText,
                 &RWDDMLatText,
                 &RWDMMLatText,
                 &RWNLatOption,
                 &RWSLatOption,
                 &RWDDMLongText,
                 &RWDMMLongText,
                 &RWELongOption,
                 &RWWLongOption,
                 &RWVORFIXText,
                 &RWHeadingText,
                 &RWDistText,
                 &AddRWWaypointCommand,
                 &ModifyRWWaypointCommand,
                 &ClearRWDataCommand,
                 &RWWaypointList,
                 &RWMoveUp,
                 &RWMoveDown,
                 &DeleteRWWaypointCommand,
                 &AddArcCommand,
                 &RWUndoCommand,
                 &RWRedoCommand,
                 &AddFeederProcedureCommand,
                 &DeleteFeederCommand,
                 &ViewNextFeederCommand,
                 &RWSaveCommand,
                 &RWOopsCommand,
                 &RWVariationText});
}

void RunwayForm::wireEvents() {
    RWAddNavText.LostFocus = [this] { RWAddNavText_LostFocus(); };
    RWAddNavText.KeyPress = [this](int& key) { RWAddNavText_KeyPress(key); };
    RWFixNameText.LostFocus = [this] { RWFixNameText_LostFocus(); };
    RWFixNameText.KeyPress = [this](int& key) { RWFixNameText_KeyPress(key); };
    // The latitude degrees are checked as they are typed.
    fixPanel_.wire(true);
    RWAlt1Text.LostFocus = [this] { RWAlt1Text_LostFocus(); };

    AddRWWaypointCommand.Click = [this] { AddRWWaypointCommand_Click(); };
    ModifyRWWaypointCommand.Click = [this] { ModifyRWWaypointCommand_Click(); };
    ClearRWDataCommand.Click = [this] { ClearRWDataCommand_Click(); };
    RWWaypointList.Click = [this] { RWWaypointList_Click(); };
    RWMoveUp.Click = [this] { RWMoveUp_Click(); };
    RWMoveDown.Click = [this] { RWMoveDown_Click(); };
    DeleteRWWaypointCommand.Click = [this] { DeleteRWWaypointCommand_Click(); };
    AddArcCommand.Click = [this] { AddArcCommand_Click(); };

    AddFeederProcedureCommand.Click = [this] { AddFeederProcedureCommand_Click(); };
    DeleteFeederCommand.Click = [this] { DeleteFeederCommand_Click(); };
    ViewNextFeederCommand.Click = [this] { ViewNextFeederCommand_Click(); };
    RWSaveCommand.Click = [this] { RWSaveCommand_Click(); };
    RWOopsCommand.Click = [this] { RWOopsCommand_Click(); };
    RWUndoCommand.Click = [this] { RWUndoCommand_Click(); };
    RWRedoCommand.Click = [this] { RWRedoCommand_Click(); };
    mapPanel_.wire(RWWaypointList, [this] { RWWaypointList_Click(); });
}

void RunwayForm::refreshMap() {
    fixPanel_.followAirport(m.AirportTable, procedureEditor_.airportName());
    map::MapTables tables;
    tables.feederRows = &m.WorkRunways;
    tables.feederRowCount = m.WorkRunwayCount;
    tables.feederFixes = &m.WorkFixes;
    tables.feederFixCount = m.WorkFixCount;
    tables.navaids = &m.NavaidTable;
    tables.userFixes = &m.UserFixTable;
    mapPanel_.refresh(
        procedureEditor_.airportName(), tables,
        {map::RouteKind::Feeder, m.FeederStart, Label8.caption(), RWWaypointList.listIndex()});
}

void RunwayForm::refreshCounterLabel() {
    FeederNumbers.setCaption("Feeder " + runtime::printedNumber(FeederNumber) + " of " +
                             runtime::printedNumber(FeederTotal));
}

void RunwayForm::refuse(ui::TextBox& box, const std::string& message) {
    shell::refuseBox(box, message);
}

void RunwayForm::refuse(const procedures::Refusal& refusal) {
    using procedures::Field;
    ui::TextBox* box = nullptr;
    switch (refusal.field) {
    case Field::Navaid:
        box = &RWAddNavText;
        break;
    case Field::Altitude:
        box = &RWAlt1Text;
        break;
    case Field::FixName:
        box = &RWFixNameText;
        break;
    case Field::LatitudeDegrees:
        box = &RWDDMLatText;
        break;
    case Field::LongitudeDegrees:
        box = &RWDDMLongText;
        break;
    default:
        break;
    }
    if (box && box->enabled())
        refuse(*box, refusal.message);
    else
        MsgBox(refusal.message);
}

procedures::FeederTables RunwayForm::feederTables() {
    return {m.WorkRunways,    m.WorkRunwayCount, m.WorkFixes,       m.WorkFixCount,
            Label8.caption(), m.FeederStart,     m.LastInsertedRow, renames_};
}

void RunwayForm::closeWithEditor(ui::Form& form) {
    if (std::find(dependents_.begin(), dependents_.end(), &form) == dependents_.end())
        dependents_.push_back(&form);
}

void RunwayForm::closeDependents() {
    // They work on the working tables, which go with this screen.
    const std::vector<ui::Form*> dependents = std::move(dependents_);
    dependents_.clear();
    for (ui::Form* form : dependents)
        if (form->isLoaded())
            form->unload();
}

} // namespace transitions
