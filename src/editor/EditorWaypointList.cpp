// The waypoint list: deleting and moving waypoints, showing the selected one
// in the entry boxes, and the clear command.
#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"

#include "runtime/RuntimeError.h"
#include "store/TestDump.h"

namespace editor {

void ModifyProcedure::DeleteWaypointCommand_Click() {
    const int line = WaypointList.listIndex();
    if (line < 0) {
        MsgBox("There is no waypoint selected.");
        return;
    }
    WaypointList.RemoveItem(line);
    ClearDataCommand_Click();
    const int row = m.ProcedureStart + line;
    const int used = procedureRows();
    // A line whose row is not in use has nothing behind it to delete.
    if (row < 1 || row > used)
        return;

    if (isSTARMode()) {
        store::STARTable& stars = m.Store.STARs;
        const auto rest = static_cast<std::int16_t>(stars[m.ProcedureStart].Elements - 1);
        const int count = starsInUse(stars, used);
        closeRow(stars, row, used);
        // The first row carries the count. When the STAR had only this row,
        // the row now there is the next STAR's and keeps its own count, and
        // the next STARs' runways move down with them; the STAR on screen is
        // made again in its place by the next waypoint added.
        if (rest > 0)
            stars[m.ProcedureStart].Elements = rest;
        else
            removeSTARRunways(m.Store.STARRunways, m.Counters.STARNumber, count);
        m.Counters.STARRowCount = static_cast<std::int16_t>(used - 1);
    } else {
        store::SIDTable& sids = m.Store.SIDs;
        const bool hasMore = WaypointList.ListCount() > 0;
        if (hasMore && sids[row].EndOfRunway != store::False)
            sids[row - 1].EndOfRunway = store::True;
        // The SID's runways count on its first row: they go to the next one.
        if (hasMore && line == 0)
            for (int slot = 1; slot <= 8; ++slot)
                sids[row + 1].runway(slot) = sids[row].runway(slot);
        closeRow(sids, row, used);
        m.Counters.SIDRowNext = static_cast<std::int16_t>(m.Counters.SIDRowNext - 1);
    }
    if (WaypointList.listIndex() >= 0)
        LoadWaypointList();
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

void ModifyProcedure::MoveUp_Click() {
    dump(m, "BeforeUp");
    const int line = WaypointList.listIndex();
    if (line > 0) {
        const int row = m.ProcedureStart + line;
        if (row - 1 >= 1 && row <= procedureRows()) {
            const std::string text = WaypointList.List(line);
            WaypointList.RemoveItem(line);
            WaypointList.AddItem(text, line - 1);
            WaypointList.setListIndex(line - 1);
            if (isSTARMode())
                swapSTARRows(m.Store.STARs, row, row - 1);
            else
                swapSIDRows(m.Store.SIDs, row, row - 1);
        }
    }
    if (WaypointList.listIndex() >= 0)
        WaypointList_Click();
    dump(m, "AfterUp");
}

void ModifyProcedure::MoveDown_Click() {
    const int line = WaypointList.listIndex();
    if (line >= 0 && line < WaypointList.ListCount() - 1) {
        const int row = m.ProcedureStart + line;
        if (row >= 1 && row + 1 <= procedureRows()) {
            const std::string text = WaypointList.List(line);
            WaypointList.RemoveItem(line);
            WaypointList.AddItem(text, line + 1);
            WaypointList.setListIndex(line + 1);
            if (isSTARMode())
                swapSTARRows(m.Store.STARs, row, row + 1);
            else
                swapSIDRows(m.Store.SIDs, row, row + 1);
        }
    }
    if (WaypointList.listIndex() >= 0)
        WaypointList_Click();
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
        const std::string text = WaypointList.List(line);
        if (!text.empty())
            FixIndex = store::SearchForFix(m.Store.Fixes, text);
        if (FixIndex != 0)
            PrintLatLong(FixIndex);
        else
            ClearLatLongs();
    }
}

void ModifyProcedure::PrintLatLong(int row) {
    ClearLatLongs();
    if (!store::FixTable::fits(row))
        return;
    const store::FixRecord& fix = m.Store.Fixes[row];
    FixNameText.setText(fix.Name);
    if (!fix.TypeOfID.empty())
        FixIDText.setText(StripParentheses(fix.TypeOfID));
    if (!fix.VOR.empty()) {
        VORFIXText.setText(fix.VOR);
        HeadingText.setText(shortestText(fix.Heading));
        DistText.setText(shortestText(fix.VORDist));
        return;
    }
    DDMLatText.setText(fix.LatDeg);
    DMMLatText.setText(fix.LatMin);
    DDMLongText.setText(fix.LongDeg);
    DMMLongText.setText(fix.LongMin);
    if (fix.HemLat == "N")
        NLatOption.setValue(true);
    else
        SLatOption.setValue(true);
    if (fix.HemLong == "W")
        WLongOption.setValue(true);
    else
        ELongOption.setValue(true);
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
