// "Add To Waypoint List" and "Modify": a waypoint row built from the entry
// boxes, inserted at the end of the procedure on screen, and the fix it
// defines.
#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"

#include "runtime/Numbers.h"

#include <string>

namespace editor {

namespace {

bool ticked(const ui::CheckBox& box) {
    return box.value() != 0;
}

// A single-precision field from a box, kept as it was when the box still
// shows what was put into it (the box's length limit may have cut it).
float boxValue(const ui::TextBox& box, float stored) {
    std::string shown = shortestText(stored);
    if (box.maxLength() > 0 && static_cast<int>(shown.size()) > box.maxLength())
        shown.resize(static_cast<std::size_t>(box.maxLength()));
    return box.text() == shown ? stored : toSingle(runtime::val(box.text()));
}

// Of a degrees and minutes pair, an empty one becomes "0" once the other is
// given, so the fix is written with every part of its position.
void zeroIfEmpty(ui::TextBox& degrees, ui::TextBox& minutes) {
    if (degrees.text().empty())
        degrees.setText("0");
    if (minutes.text().empty())
        minutes.setText("0");
}

} // namespace

int ModifyProcedure::procedureRows() const {
    return isSTARMode() ? m.Counters.STARRowCount : sidRowsInUse(m.Counters);
}

bool ModifyProcedure::roomForWaypoint(bool newFix) {
    if (isSTARMode()) {
        if (procedureRows() >= store::STARCapacity) {
            ShowTableFull("STARs", store::STARCapacity, "rows");
            return false;
        }
        // A STAR without rows yet takes a STAR number, in front of the STARs
        // after it when there are any.
        const bool newSTAR = WaypointList.ListCount() == 0;
        const bool inFront = m.ProcedureStart <= m.Counters.STARRowCount;
        if (newSTAR &&
            (!store::STARRunwayGrid::fits(m.Counters.STARNumber, 1) ||
             (inFront && starsInUse(m.Store.STARs, m.Counters.STARRowCount) >= store::STARLimit))) {
            ShowTableFull("STARs", store::STARLimit, "STARs");
            return false;
        }
    } else if (procedureRows() >= store::SIDCapacity) {
        ShowTableFull("SIDs", store::SIDCapacity, "rows");
        return false;
    }
    if (newFix && m.Store.FixCount >= store::FixCapacity) {
        ShowTableFull("Fixes", store::FixCapacity, "fixes");
        return false;
    }
    return true;
}

bool ModifyProcedure::waypointIdentityGiven() {
    if (ProcedureNameText.text().empty()) {
        MsgBox("The basic name is missing.");
        ProcedureNameText.setFocus();
        return false;
    }
    if (RwText1.text().empty()) {
        MsgBox("The runway number is missing.");
        RwText1.setFocus();
        return false;
    }
    if (AddNavText.text().empty() && FixNameText.text().empty()) {
        MsgBox("There is no Fix or Fly2 Nav ID.");
        AddNavText.setFocus();
        return false;
    }
    return true;
}

void ModifyProcedure::AddWaypointCommand_Click() {
    if (WaypointList.listIndex() >= 0) {
        const int answer =
            MsgBox("You have a waypoint already selected.\r\n"
                   "Do you really want to write over this waypoint?\r\n"
                   "If yes, the older values will be erase.",
                   ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second);
        m.LastAnswer = std::to_string(answer);
        if (answer == ui::answers::Yes) {
            ClearDataCommand_Click();
            WaypointList.setListIndex(-1);
        }
        return;
    }
    if (!waypointIdentityGiven())
        return;

    const std::string fixName = FixNameText.text();
    // A fix the airport already defines keeps its definition: no position is
    // asked for and no second row of that name is made.
    const bool known = !fixName.empty() && store::SearchForFix(m.Store.Fixes, fixName) != 0;
    const bool newFix = !fixName.empty() && !known;
    if (newFix) {
        if (!VORFIXText.text().empty()) {
            if (HeadingText.text().empty() || DistText.text().empty()) {
                MsgBox("The User defined VOR is missing data.");
                VORFIXText.setFocus();
                return;
            }
        } else {
            if (DDMLatText.text().empty() && DMMLatText.text().empty()) {
                MsgBox("There is no Latitude data.");
                DDMLatText.setFocus();
                return;
            }
            if (DDMLongText.text().empty() && DMMLongText.text().empty()) {
                MsgBox("There is no Longitude data.");
                DDMLongText.setFocus();
                return;
            }
        }
    }
    if (!roomForWaypoint(newFix))
        return;

    for (ui::TextBox* box : {&FixNameText, &DDMLatText, &DMMLatText, &DDMLongText, &DMMLongText,
                             &VORFIXText, &HeadingText, &DistText})
        box->setEnabled(true);
    ClearDataCommand.setEnabled(true);

    const int row = m.ProcedureStart + WaypointList.ListCount();
    if (!(isSTARMode() ? AddSTARWaypoint() : AddSIDWaypoint()))
        return;

    if (newFix) {
        store::FixRecord fix;
        fix.Name = fixName;
        if (!FixIDText.text().empty())
            fix.TypeOfID = WrapInParentheses(FixIDText.text());
        if (!VORFIXText.text().empty()) {
            fix.VOR = VORFIXText.text();
            fix.VORDist = toSingle(runtime::val(DistText.text()));
            fix.Heading = toSingle(runtime::val(HeadingText.text()));
        } else {
            zeroIfEmpty(DDMLatText, DMMLatText);
            zeroIfEmpty(DDMLongText, DMMLongText);
            fix.LatDeg = DDMLatText.text();
            fix.LatMin = DMMLatText.text();
            fix.LongDeg = DDMLongText.text();
            fix.LongMin = DMMLongText.text();
            fix.HemLat = NLatOption.value() ? "N" : "S";
            fix.HemLong = ELongOption.value() ? "E" : "W";
        }
        ++m.Store.FixCount;
        m.Store.Fixes[m.Store.FixCount] = fix;
    }
    if (!fixName.empty())
        m.Store.FixesDefined = store::True;
    // The line says what the row holds, as the list shows it when reloaded.
    WaypointList.AddItem(isSTARMode() ? starLineText(m.Store.STARs[row])
                                      : sidLineText(m.Store.SIDs[row]));

    FixIsKnown = known ? store::True : store::False;
    AddUserFix(fixName);
    ClearDataCommand_Click();
    AddNavText.setFocus();
    FixIsKnown = store::False;
}

// The row goes after the last line of the list: the list shows rows
// ProcedureStart onward of the procedure on screen, so with an empty list
// the procedure has no row yet and the new one goes in at ProcedureStart.
bool ModifyProcedure::AddSIDWaypoint() {
    const int used = sidRowsInUse(m.Counters);
    const int lines = WaypointList.ListCount();
    const int at = m.ProcedureStart + lines;
    if (ProcedureNameText.text().empty() || used >= store::SIDCapacity || at < 1 || at > used + 1)
        return false;

    store::SIDTable& sids = m.Store.SIDs;
    openRow(sids, at, used);
    if (lines > 0)
        sids[at - 1].EndOfRunway = store::False;
    store::SIDWaypoint& row = sids[at];
    row.Name = ProcedureNameText.text();
    for (int slot = 1; slot <= 8; ++slot)
        row.runway(slot) = runwayBox(slot).text();
    row.EndOfRunway = store::True;
    if (!Alt1Text.text().empty()) {
        row.Alt = Alt1Text.text();
        row.Float = ticked(FloatAltOption) ? store::True : store::False;
    }
    if (InterceptHeadingText.text().empty() && AddNavText.text().empty())
        row.Fix = FixNameText.text();
    else if (InterceptHeadingText.text().empty())
        row.VOR = AddNavText.text();
    if (!OnHeadAltText.text().empty()) {
        row.OnHeadAlt = OnHeadAltText.text();
        row.OnHeadDist = OnHeadDistText.text();
    }
    if (!InterceptHeadingText.text().empty()) {
        row.InterceptHeading = InterceptHeadingText.text();
        row.InterceptToFrom = InterceptToOption.value() ? "TO" : "FROM";
        if (!FixNameText.text().empty())
            row.InterceptFix = FixNameText.text();
        else
            row.InterceptNavaid = AddNavText.text();
    }
    // One SID is one run of rows under one name, whatever the name box says
    // now.
    for (int r = m.ProcedureStart; r < at; ++r)
        sids[r].Name = row.Name;
    m.Counters.SIDRowNext = static_cast<std::int16_t>(used + 2);
    return true;
}

bool ModifyProcedure::AddSTARWaypoint() {
    if (AddNavText.text().empty() && FixNameText.text().empty()) {
        MsgBox("The waypoint Navaid or Fix is missing.");
        AddNavText.setFocus();
        return false;
    }
    const int used = m.Counters.STARRowCount;
    const int lines = WaypointList.ListCount();
    const int at = m.ProcedureStart + lines;
    if (ProcedureNameText.text().empty() || used >= store::STARCapacity || at < 1 ||
        at > used + 1 || !store::STARRunwayGrid::fits(m.Counters.STARNumber, 1))
        return false;

    store::STARTable& stars = m.Store.STARs;
    if (lines == 0 && at <= used) {
        const int count = starsInUse(stars, used);
        if (count >= store::STARLimit)
            return false;
        insertSTARRunways(m.Store.STARRunways, m.Counters.STARNumber, count);
    }
    openRow(stars, at, used);
    store::STARWaypoint& row = stars[at];
    if (!AddNavText.text().empty())
        row.VOR = AddNavText.text();
    else
        row.Fix = FixNameText.text();
    row.Name = ProcedureNameText.text();
    row.Alt = Alt1Text.text();
    row.Float = ticked(FloatAltOption) ? store::True : store::False;
    if (lines == 0)
        row.Elements = 1;
    else
        stars[m.ProcedureStart].Elements = static_cast<std::int16_t>(lines + 1);
    // A STAR renamed while it grows stays one STAR: all its rows take the
    // name on screen.
    for (int r = m.ProcedureStart; r < at; ++r)
        stars[r].Name = row.Name;
    m.Counters.STARRowCount = static_cast<std::int16_t>(used + 1);
    SaveRunways(m.Counters.STARNumber);
    return true;
}

void ModifyProcedure::ModifyWaypointCommand_Click() {
    const int line = WaypointList.listIndex();
    if (line < 0)
        return;
    const int row = m.ProcedureStart + line;
    if (row < 1 || row > procedureRows())
        return;
    if (FixIndex != 0 && !modifyFix())
        return;

    if (isSTARMode()) {
        store::STARWaypoint& star = m.Store.STARs[row];
        star.Alt = Alt1Text.text();
        star.Float = ticked(FloatAltOption) ? store::True : store::False;
        return;
    }
    store::SIDTable& sids = m.Store.SIDs;
    if (!ProcedureNameText.text().empty())
        for (int r = m.ProcedureStart;
             r < m.ProcedureStart + WaypointList.ListCount() && r <= procedureRows(); ++r)
            sids[r].Name = ProcedureNameText.text();
    store::SIDWaypoint& sid = sids[row];
    if (!Alt1Text.text().empty()) {
        sid.Alt = Alt1Text.text();
        sid.Float = ticked(FloatAltOption) ? store::True : store::False;
    }
    if (!InterceptHeadingText.text().empty()) {
        sid.InterceptHeading = InterceptHeadingText.text();
        sid.InterceptToFrom = InterceptToOption.value() ? "TO" : "FROM";
    }
    if (!OnHeadAltText.text().empty()) {
        sid.OnHeadAlt = OnHeadAltText.text();
        if (!OnHeadDistText.text().empty())
            sid.OnHeadDist = OnHeadDistText.text();
    }
}

// The fix of the selected waypoint takes the boxes' definition. Refuses,
// changing nothing, what would leave the fix without a position; a new name
// that is empty or already another fix's is not taken.
bool ModifyProcedure::modifyFix() {
    if (FixIndex < 1 || FixIndex > m.Store.FixCount)
        return true;
    store::FixRecord& fix = m.Store.Fixes[FixIndex];
    if (!fix.VOR.empty()) {
        if (VORFIXText.text().empty()) {
            MsgBox("The User defined VOR is missing data.");
            VORFIXText.setFocus();
            return false;
        }
        fix.VOR = VORFIXText.text();
        fix.VORDist = boxValue(DistText, fix.VORDist);
        fix.Heading = boxValue(HeadingText, fix.Heading);
        return true;
    }
    if (DDMLatText.text().empty() && DMMLatText.text().empty()) {
        MsgBox("There is no Latitude data.");
        DDMLatText.setFocus();
        return false;
    }
    if (DDMLongText.text().empty() && DMMLongText.text().empty()) {
        MsgBox("There is no Longitude data.");
        DDMLongText.setFocus();
        return false;
    }
    zeroIfEmpty(DDMLatText, DMMLatText);
    zeroIfEmpty(DDMLongText, DMMLongText);

    const std::string newName = FixNameText.text();
    if (!newName.empty() && newName != fix.Name &&
        store::SearchForFix(m.Store.Fixes, newName) == 0) {
        // The procedures and transitions that used the fix follow it, or the
        // file would name a fix its FIXES section no longer defines.
        renameFixReferences(m.Store, sidRowsInUse(m.Counters), m.Counters.STARRowCount, fix.Name,
                            newName);
        for (int i = 0; i < WaypointList.ListCount(); ++i)
            if (WaypointList.List(i) == fix.Name)
                WaypointList.setList(i, newName);
        fix.Name = newName;
    }
    fix.TypeOfID = FixIDText.text();
    fix.HemLat = NLatOption.value() ? "N" : "S";
    fix.HemLong = ELongOption.value() ? "E" : "W";
    fix.LatDeg = DDMLatText.text();
    fix.LatMin = DMMLatText.text();
    fix.LongDeg = DDMLongText.text();
    fix.LongMin = DMMLongText.text();
    return true;
}

} // namespace editor
