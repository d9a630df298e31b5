// "Add To Waypoint List" and "Modify": the leg and the fix the entry boxes
// describe, handed to the procedure edits.
#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"

#include "procedures/EntryRules.h"

#include <optional>
#include <string>

namespace editor {

namespace {

bool ticked(const ui::CheckBox& box) {
    return box.value() != 0;
}

// What a box showed of a stored text: the box's length limit may have cut it.
std::string shownIn(const ui::TextBox& box, std::string stored) {
    if (box.maxLength() > 0 && static_cast<int>(stored.size()) > box.maxLength())
        stored.resize(static_cast<std::size_t>(box.maxLength()));
    return stored;
}

// A stored text stays as it was while its box still shows it; a text the
// box could not show whole is never written back cut.
std::string keptOrTyped(const ui::TextBox& box, const std::string& stored) {
    return box.text() == shownIn(box, stored) ? stored : box.text();
}

} // namespace

int ModifyProcedure::procedureRows() const {
    return isSTARMode() ? m.Counters.STARRowCount : sidRowsInUse(m.Counters);
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
    procedures::FixCatalogue fixes(m.Store.Fixes, m.Store.FixCount);
    // A fix the airport already defines keeps its definition: no position is
    // asked for and no second row of that name is made.
    const bool known = !fixName.empty() && fixes.find(fixName) != 0;
    procedures::NewFix newFix;
    if (!fixName.empty() && !known) {
        // A half position is the fix catalogue's to refuse; a radial without
        // its bearing or distance is refused here.
        if (!VORFIXText.text().empty() && (HeadingText.text().empty() || DistText.text().empty())) {
            MsgBox("The User defined VOR is missing data.");
            VORFIXText.setFocus();
            return;
        }
        newFix.given = true;
        newFix.fix = fixPanel_.newFix();
        newFix.fix.Name = fixName;
        if (!fixPanel_.mayAddFix(newFix.fix, m.AirportTable, m.NavaidTable))
            return;
    }

    fixPanel_.setEnabled(true);
    ClearDataCommand.setEnabled(true);
    stepName_ = "add " + (fixName.empty() ? AddNavText.text() : fixName);
    if (!addLeg(newFix))
        return;

    FixIsKnown = known ? store::True : store::False;
    AddUserFix(fixName);
    ClearDataCommand_Click();
    AddNavText.setFocus();
    FixIsKnown = store::False;
}

std::vector<std::string> ModifyProcedure::runwayTexts() {
    std::vector<std::string> runways;
    for (int k = 1; k <= 8; ++k)
        runways.push_back(runwayBox(k).text());
    return runways;
}

// The leg goes after the last line of the list, into the procedure on
// screen; the list gets its line.
bool ModifyProcedure::addLeg(const procedures::NewFix& newFix) {
    procedures::Leg leg;
    leg.navaid = AddNavText.text();
    leg.fix = FixNameText.text();
    leg.alt = Alt1Text.text();
    leg.floating = ticked(FloatAltOption);
    if (isSIDMode()) {
        leg.onHeadAlt = OnHeadAltText.text();
        leg.onHeadDist = OnHeadAltText.text().empty() ? "" : OnHeadDistText.text();
        leg.interceptHeading = InterceptHeadingText.text();
        leg.interceptTo = InterceptToOption.value();
    }
    const procedures::ProcedureAt at = onScreen();
    const std::string name = ProcedureNameText.text();
    const procedures::Outcome outcome =
        isSTARMode() ? procedures::addSTARLeg(tables(), at, name, runwayTexts(), leg, newFix)
                     : procedures::addSIDLeg(tables(), at, name, runwayTexts(), leg, newFix);
    if (!made(outcome))
        return false;
    // The lines say what the rows hold, as the list shows them when reloaded:
    // a leg may have become two rows, or joined the one before it.
    WaypointList.Clear();
    const int legs = isSTARMode() ? m.Store.STARs[at.start].Elements
                                  : procedures::sidLegsAt(m.Store.SIDs, at.start);
    for (int row = at.start; row < at.start + legs; ++row)
        WaypointList.AddItem(isSTARMode() ? starLineText(m.Store.STARs[row])
                                          : sidLineText(m.Store.SIDs[row]));
    return true;
}

bool ModifyProcedure::AddSIDWaypoint() {
    return addLeg({});
}

bool ModifyProcedure::AddSTARWaypoint() {
    return addLeg({});
}

void ModifyProcedure::ModifyWaypointCommand_Click() {
    const int line = WaypointList.listIndex();
    if (line < 0 || line >= WaypointList.ListCount())
        return;
    const int row = m.ProcedureStart + line;
    if (row < 1 || row > procedureRows())
        return;
    // A box left as it showed the stored value keeps the value whole.
    procedures::LegChange change;
    if (isSTARMode()) {
        const store::STARWaypoint& leg = m.Store.STARs[row];
        change.alt = keptOrTyped(Alt1Text, leg.Alt);
    } else {
        const store::SIDWaypoint& leg = m.Store.SIDs[row];
        change.alt = keptOrTyped(Alt1Text, leg.Alt);
        change.onHeadAlt = keptOrTyped(OnHeadAltText, leg.OnHeadAlt);
        change.onHeadDist = keptOrTyped(OnHeadDistText, leg.OnHeadDist);
        change.interceptHeading = InterceptHeadingText.text();
        change.interceptTo = InterceptToOption.value();
    }
    change.floating = ticked(FloatAltOption);
    std::optional<procedures::FixChange> fix = fixChange();
    const std::string from = fix ? m.Store.Fixes[fix->row].Name : std::string();
    if (!made(isSTARMode() ? procedures::changeSTARLeg(tables(), onScreen(), line, change,
                                                       fix ? &*fix : nullptr)
                           : procedures::changeSIDLeg(tables(), onScreen(), line, change,
                                                      fix ? &*fix : nullptr)))
        return;
    stepName_ = fix && fix->name != from ? "rename " + from + " to " + fix->name
                                         : "change " + WaypointList.List(line);
    if (fix)
        for (int i = 0; i < WaypointList.ListCount(); ++i)
            if (WaypointList.List(i) == from)
                WaypointList.setList(i, fix->name);
}

// The fix of the selected waypoint as the boxes give it: what the user left
// as shown stays as stored.
std::optional<procedures::FixChange> ModifyProcedure::fixChange() {
    procedures::FixCatalogue fixes(m.Store.Fixes, m.Store.FixCount);
    if (FixIndex < 1 || FixIndex > fixes.count())
        return std::nullopt;
    const store::FixRecord& fix = fixes[FixIndex];
    const procedures::FixChanges changes = fixPanel_.changes();
    const std::string to = changes.name && !changes.name->empty() ? *changes.name : fix.Name;
    return procedures::FixChange{FixIndex, to, procedures::changedFix(fix, changes)};
}

} // namespace editor
