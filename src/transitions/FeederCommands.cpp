// Opening and leaving the transition editor, and the commands on whole
// feeders.
#include "transitions/RunwayForm.h"

#include "procedures/FeederRows.h"
#include "procedures/TablesSnapshot.h"

#include <algorithm>
#include <string>

namespace transitions {

void RunwayForm::Form_Load() {
    leaving_ = false;
    RwFixIndex = 0;
    dependents_.clear();

    if (m.EditMode == shell::EditMode::CreateSTARs) {
        setCaption("Add a Runway Intermediate Fix Procedure");
        ViewNextFeederCommand.setEnabled(false);
    } else {
        setCaption("Modify a Runway Intermediate Fix Procedure");
    }
    Frame3.setCaption(procedureEditor_.airportName());

    FeederNumber = 1;
    FeederTotal = 1;
    refreshCounterLabel();

    const std::string& runway = m.TransitionRunway;
    Label8.setCaption(runway);
    procedures::FeederTables tables = feederTables();
    procedures::openFeederWork(tables, m.Store);

    RWWaypointList.Clear();
    RWSaveCommand.setCaption("Save Rw " + runway + "  Feeder");
    if (m.WorkRunwayCount > 0)
        LoadRWWaypointList();
    openedRunways_ = m.WorkRunways;
    openedRunwayCount_ = m.WorkRunwayCount;
    openedFixes_ = m.WorkFixes;
    openedFixCount_ = m.WorkFixCount;
    history_.start(stepValues());
    stepBefore_ = stepView();
    showUndoButtons();
}

void RunwayForm::Form_Unload() {
    closeDependents();
    history_.end();
    if (leaving_)
        return;
    // Closing the window is "No Changes Just Exit".
    discardWork();
    returnToEditor(false);
}

void RunwayForm::LoadRWWaypointList() {
    RWWaypointList.Clear();
    const int first =
        procedures::findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, Label8.caption());
    // Feeders counted as View Next Feeder walks them: a file's first feeder
    // has no FROM row, and counting FROM rows alone would miss it.
    FeederTotal = static_cast<std::int16_t>(
        std::max(1, procedures::countFeeders(m.WorkRunways, m.WorkRunwayCount, first)));
    if (first != 0) {
        const int n = procedures::feederLength(m.WorkRunways, m.WorkRunwayCount, first);
        for (int i = first; i < first + n; ++i)
            RWWaypointList.AddItem(procedures::entryText(m.WorkRunways[i]));
    }
    refreshCounterLabel();
}

void RunwayForm::listFeeder() {
    RWWaypointList.Clear();
    const int n = feederTables().entries();
    for (int i = m.FeederStart; i < m.FeederStart + n; ++i)
        RWWaypointList.AddItem(procedures::entryText(m.WorkRunways[i]));
}

void RunwayForm::AddFeederProcedureCommand_Click() {
    // A feeder still empty is the new one already; another would only count
    // a feeder that has no rows.
    if (RWWaypointList.ListCount() == 0) {
        RWAddNavText.setFocus();
        return;
    }
    ClearRWLatLongs();
    procedures::FeederTables tables = feederTables();
    procedures::addFeeder(tables);
    RWWaypointList.Clear();
    ++FeederTotal;
    FeederNumber = FeederTotal;
    refreshCounterLabel();
    RWAddNavText.setFocus();
}

void RunwayForm::DeleteFeederCommand_Click() {
    if (RWWaypointList.ListCount() == 0)
        return;
    const int number = FeederNumber;
    procedures::FeederTables tables = feederTables();
    procedures::removeFeeder(tables);
    ClearRWLatLongs();
    showFirstFeeder();
    stepName_ = "delete feeder " + std::to_string(number);
}

void RunwayForm::showFirstFeeder() {
    procedures::FeederTables tables = feederTables();
    procedures::showFirstFeeder(tables);
    FeederNumber = 1;
    LoadRWWaypointList();
}

void RunwayForm::ViewNextFeederCommand_Click() {
    if (RWWaypointList.ListCount() == 0)
        return;
    ClearRWLatLongs();
    RWAddNavText.setText("");
    procedures::FeederTables tables = feederTables();
    if (procedures::showNextFeeder(tables))
        FeederNumber = 1;
    else
        ++FeederNumber;
    refreshCounterLabel();
    listFeeder();
}

void RunwayForm::RWSaveCommand_Click() {
    procedures::FeederTables tables = feederTables();
    std::string notice;
    if (procedures::Outcome refusal = procedures::saveFeederWork(tables, m.Store, notice)) {
        MsgBox(refusal->message);
        return;
    }
    if (!notice.empty())
        MsgBox(notice);
    procedureEditor_.markRunwayDefined(m.OpeningRunwayBox);
    for (const auto& [from, to] : renames_)
        procedureEditor_.fixRenamed(from, to);

    leaving_ = true;
    returnToEditor(true);
    unload();
}

void RunwayForm::RWOopsCommand_Click() {
    if (!mayDiscardWork())
        return;
    discardWork();
    leaving_ = true;
    returnToEditor(false);
    unload();
}

void RunwayForm::AddArcCommand_Click() {
    if (RWWaypointList.ListCount() == 0) {
        MsgBox("There must be at least one waypoint entered into\r\n"
               "the List of Waypoint box before an ARC can be created.");
        RWAddNavText.setFocus();
        return;
    }
    app().show("AddARC");
}

bool RunwayForm::Form_QueryUnload() {
    return mayDiscardWork();
}

bool RunwayForm::mayDiscardWork() {
    // Compared by content: work undone by hand is no work.
    if (procedures::sameRows(m.WorkRunways, m.WorkRunwayCount, openedRunways_,
                             openedRunwayCount_) &&
        procedures::sameRows(m.WorkFixes, m.WorkFixCount, openedFixes_, openedFixCount_))
        return true;
    return MsgBox("Discard the changes to runway " + Label8.caption() + "'s feeders?",
                  ui::Buttons::YesNo, ui::Icon::None,
                  ui::DefaultButton::Second) == ui::answers::Yes;
}

void RunwayForm::discardWork() {
    m.UseWorkFixes = store::False;
    procedures::FeederTables tables = feederTables();
    procedures::discardFeederWork(tables);
}

void RunwayForm::returnToEditor(bool focusNavaidBox) {
    hide();
    procedureEditor_.showAgain(focusNavaidBox);
}

} // namespace transitions
