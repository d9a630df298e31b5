// The waypoint list: deleting and moving waypoints, showing the selected one
// in the entry boxes, and the clear command.
#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"
#include "procedures/FixFieldText.h"

#include "runtime/RuntimeError.h"
#include "store/TestDump.h"

namespace editor {

void ModifyProcedure::DeleteWaypointCommand_Click() {
    const int line = WaypointList.listIndex();
    if (line < 0) {
        MsgBox("There is no waypoint selected.");
        return;
    }
    const procedures::ProcedureAt at = onScreen();
    if (!made(isSTARMode() ? procedures::removeSTARLeg(tables(), at, line)
                           : procedures::removeSIDLeg(tables(), at, line)))
        return;
    stepName_ = "delete " + WaypointList.List(line);
    WaypointList.RemoveItem(line);
    ClearDataCommand_Click();
}

namespace {

// Moving waypoints writes a dump of the tables when asked to, for debugging;
// a folder that cannot take it must not stop the edit.
void dump(const shell::Module1& m, const std::string& label) {
    if (m.DumpFolder.empty())
        return;
    try {
        store::PrintTestData(m.DumpFolder, label, m.Store, m.Counters);
    } catch (const runtime::RuntimeError&) {
    }
}

} // namespace

// The lines above and below the selected one swap with it, as their legs do.
void ModifyProcedure::MoveUp_Click() {
    dump(m, "BeforeUp");
    const int line = WaypointList.listIndex();
    if (line > 0 && moveLegDown(line - 1)) {
        WaypointList.setListIndex(line - 1);
        stepName_ = "move " + WaypointList.List(line - 1) + " up";
    }
    if (WaypointList.listIndex() >= 0)
        WaypointList_Click();
    dump(m, "AfterUp");
}

void ModifyProcedure::MoveDown_Click() {
    const int line = WaypointList.listIndex();
    if (line >= 0 && line < WaypointList.ListCount() - 1 && moveLegDown(line)) {
        WaypointList.setListIndex(line + 1);
        stepName_ = "move " + WaypointList.List(line + 1) + " down";
    }
    if (WaypointList.listIndex() >= 0)
        WaypointList_Click();
}

bool ModifyProcedure::moveLegDown(int line) {
    if (!made(isSTARMode() ? procedures::moveSTARLegDown(tables(), onScreen(), line)
                           : procedures::moveSIDLegDown(tables(), onScreen(), line)))
        return false;
    const std::string text = WaypointList.List(line);
    WaypointList.RemoveItem(line);
    WaypointList.AddItem(text, line + 1);
    return true;
}

void ModifyProcedure::WaypointList_Click() {
    const int line = WaypointList.listIndex();
    if (line < 0)
        return;
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &MoveUp, &MoveDown, &DeleteWaypointCommand, &ModifyWaypointCommand, &ClearDataCommand})
        c->setEnabled(true);
    FloatAltOption.setValue(0);
    const int row = m.ProcedureStart + line;
    if (row < 1 || row > procedureRows())
        return;

    if (isSTARMode()) {
        const store::STARWaypoint& star = m.Store.STARs[row];
        Alt1Text.setText(star.Alt);
        FloatAltOption.setValue(star.Float != store::False ? 1 : 0);
        AddNavText.setText(star.VOR);
    } else {
        const store::SIDWaypoint& sid = m.Store.SIDs[row];
        AddNavText.setText(sid.VOR);
        Alt1Text.setText(sid.Alt);
        FloatAltOption.setValue(sid.Float != store::False ? 1 : 0);
        if (!sid.OnHeadAlt.empty()) {
            OnHeadAltText.setText(sid.OnHeadAlt);
            OnHeadDistText.setText(sid.OnHeadDist);
            InterceptHeadingText.setText("");
        } else {
            OnHeadAltText.setText("");
            OnHeadDistText.setText("");
        }
        if (!sid.InterceptHeading.empty()) {
            InterceptHeadingText.setText(sid.InterceptHeading);
            if (sid.InterceptToFrom == "TO")
                InterceptToOption.setValue(true);
            else
                InterceptFromOption.setValue(true);
            OnHeadAltText.setText("");
            OnHeadDistText.setText("");
        } else {
            InterceptHeadingText.setText("");
        }
    }

    // Only a line that names a fix leaves FixIndex set, so "Modify" never
    // changes a fix the boxes do not show.
    FixIndex = 0;
    if (m.Store.FixesDefined != store::False) {
        const std::string text = isSTARMode() || !store::SIDTable::fits(row)
                                     ? WaypointList.List(line)
                                     : sidLineName(m.Store.SIDs[row]);
        if (!text.empty())
            FixIndex = static_cast<std::int16_t>(
                procedures::FixCatalogue(m.Store.Fixes, m.Store.FixCount).find(text));
        if (FixIndex != 0)
            PrintLatLong(FixIndex);
        else
            ClearLatLongs();
    }
}

void ModifyProcedure::PrintLatLong(int row) {
    if (store::FixTable::fits(row))
        fixPanel_.show(m.Store.Fixes[row]);
    else
        ClearLatLongs();
}

void ModifyProcedure::ClearDataCommand_Click() {
    WaypointList.setListIndex(-1);
    ModifyWaypointCommand.setEnabled(false);
    DeleteWaypointCommand.setEnabled(false);
    AddWaypointCommand.setEnabled(true);
    FloatAltOption.setEnabled(true);
    FloatAltOption.setValue(0);
    for (ui::TextBox* box :
         {&AddNavText, &Alt1Text, &InterceptHeadingText, &OnHeadAltText, &OnHeadDistText})
        box->setText("");
    // Also gives back the fix boxes a known fix had locked, which would
    // otherwise stay locked until the next add.
    ClearLatLongs();
    FixIsKnown = store::False;
}

std::string ModifyProcedure::WrapInParentheses(const std::string& text) {
    return "(" + text + ")";
}

} // namespace editor
