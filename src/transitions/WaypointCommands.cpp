// The commands on the waypoints of the feeder on screen and on their fixes.
#include "transitions/RunwayForm.h"

#include "procedures/FeederRows.h"
#include "procedures/FixCatalogue.h"

#include <initializer_list>

namespace transitions {

void RunwayForm::AddRWWaypointCommand_Click() {
    ClearRWDataCommand.setEnabled(true);
    if (RWWaypointList.listIndex() >= 0) {
        const int answer =
            MsgBox("You have a current waypoint already selected.\r\n"
                   "Do you really want to Add a new waypoint?\r\n"
                   "If yes, the current values will be cleared.",
                   ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second);
        m.LastAnswer = std::to_string(answer);
        if (answer == ui::answers::Yes) {
            ClearRWDataCommand_Click();
            RWWaypointList.setListIndex(-1);
        }
        RWAddNavText.setFocus();
        return;
    }
    const procedures::NewWaypoint waypoint{RWAddNavText.text(), RWFixNameText.text(),
                                           RWAlt1Text.text(), fixPanel_.newFix()};
    const bool newFix =
        !waypoint.fix.empty() && fixPanel_.positionGiven() &&
        procedures::FixCatalogue(m.WorkFixes, m.WorkFixCount).find(waypoint.fix) == 0;
    if (newFix) {
        store::FixRecord fix = waypoint.definition;
        fix.Name = waypoint.fix;
        if (!fixPanel_.mayAddFix(fix, m.AirportTable, m.NavaidTable))
            return;
    }
    if (!waypoint.navaid.empty() || waypoint.fix.empty() || fixPanel_.positionComplete()) {
        procedures::FeederTables tables = feederTables();
        if (procedures::Outcome refusal = procedures::addWaypoint(tables, waypoint)) {
            refuse(*refusal);
            if (refusal->field == procedures::Field::None)
                RWAddNavText.setFocus();
            return;
        }
    } else {
        return;
    }
    if (!waypoint.fix.empty())
        m.Store.FixesDefined = store::True;
    listFeeder();
    fixPanel_.setEnabled(true);
    if (!waypoint.fix.empty())
        ClearRWLatLongs();
    RWAddNavText.setText("");
    RWAlt1Text.setText("");
    RWAddNavText.setFocus();
    stepName_ = "add " + (waypoint.navaid.empty() ? waypoint.fix : waypoint.navaid);
}

void RunwayForm::ModifyRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0)
        return;
    procedures::WaypointChange change;
    change.alt = RWAlt1Text.text();
    if (!RWFixNameText.text().empty()) {
        // Only the entry's own fix, found when it was selected, is written.
        if (RwFixIndex >= 1) {
            if (!fixPanel_.positionComplete())
                return;
            change.fix = fixPanel_.changes();
        }
    } else if (!RWAddNavText.text().empty()) {
        change.navaid = RWAddNavText.text();
    }
    const std::string name = entryName(entry);
    procedures::FeederTables tables = feederTables();
    if (procedures::Outcome refusal = procedures::modifyWaypoint(tables, entry, change)) {
        refuse(*refusal);
        return;
    }
    for (int k = 0; k < RWWaypointList.ListCount(); ++k) {
        const std::string text = procedures::entryText(m.WorkRunways[m.FeederStart + k]);
        if (RWWaypointList.List(k) != text)
            RWWaypointList.setList(k, text);
    }
    stepName_ = "change " + name;
}

void RunwayForm::DeleteRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0) {
        MsgBox("There is no waypoint selected.");
        return;
    }
    const std::string name = entryName(entry);
    ClearRWDataCommand_Click();
    procedures::FeederTables tables = feederTables();
    const bool last = tables.entries() == 1;
    procedures::removeWaypoint(tables, entry);
    if (last)
        showFirstFeeder();
    else
        listFeeder();
    stepName_ = "delete " + name;
}

void RunwayForm::RWMoveUp_Click() {
    const int i = RWWaypointList.listIndex();
    procedures::FeederTables tables = feederTables();
    if (i < 0 || procedures::moveWaypoint(tables, i, -1))
        return;
    const std::string name = entryName(i);
    listFeeder();
    RWWaypointList.setListIndex(i - 1);
    RWWaypointList_Click();
    stepName_ = "move " + name + " up";
}

void RunwayForm::RWMoveDown_Click() {
    const int i = RWWaypointList.listIndex();
    procedures::FeederTables tables = feederTables();
    if (i < 0 || procedures::moveWaypoint(tables, i, 1))
        return;
    const std::string name = entryName(i);
    listFeeder();
    RWWaypointList.setListIndex(i + 1);
    RWWaypointList_Click();
    stepName_ = "move " + name + " down";
}

void RunwayForm::RWWaypointList_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0)
        return;
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&RWMoveUp, &RWMoveDown, &DeleteRWWaypointCommand,
                                             &ModifyRWWaypointCommand, &ClearRWDataCommand})
        c->setEnabled(true);
    const store::RunwayWaypoint row = m.WorkRunways[m.FeederStart + entry];
    ClearRWLatLongs();
    RWAddNavText.setText("");
    RwFixIndex = 0;
    if (!row.Navaid.empty()) {
        RWAddNavText.setText(row.Navaid);
    } else if (m.Store.FixesDefined != store::False) {
        RwFixIndex = static_cast<std::int16_t>(feederTables().catalogue().find(row.FIX));
        if (RwFixIndex >= 1)
            PrintRWLatLong(RwFixIndex);
    }
    RWAlt1Text.setText(row.Alt == "0" ? "" : row.Alt);
}

void RunwayForm::PrintRWLatLong(int k) {
    fixPanel_.show(m.WorkFixes[k]);
}

void RunwayForm::ClearRWLatLongs() {
    fixPanel_.clear();
    RWAlt1Text.setText("");
    RWAlt1Text.setEnabled(true);
}

void RunwayForm::ClearRWDataCommand_Click() {
    RWWaypointList.setListIndex(-1);
    ModifyRWWaypointCommand.setEnabled(false);
    DeleteRWWaypointCommand.setEnabled(false);
    AddRWWaypointCommand.setEnabled(true);
    RWAddNavText.setText("");
    ClearRWLatLongs();
    RwFixIndex = 0;
    RwEnableUserDefinedAndNavaidSection();
}

void RunwayForm::RwEnableUserDefinedAndNavaidSection() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &RWAddNavLabel, &RWAddNavText, &RWFixNameLabel, &RWFixNameText,  &RwFixIDLabel,
             &RwFixIDText,   &RWLatLabel,   &RWDDMLatText,   &RWDMMLatText,   &RWNLatOption,
             &RWSLatOption,  &RWLongLabel,  &RWDDMLongText,  &RWDMMLongText,  &RWELongOption,
             &RWWLongOption, &RWVORFIXText, &RWVORFIXLabel,  &RWHeadingLabel, &RWHeadingText,
             &RWDistLabel,   &RWDistText})
        c->setEnabled(true);
}

} // namespace transitions
