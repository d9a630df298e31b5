// Opening and leaving the transition editor, and the commands on whole
// feeders.
#include "transitions/RunwayForm.h"

#include "procedures/TablesSnapshot.h"
#include "transitions/RunwayRows.h"

#include <algorithm>
#include <string>

namespace transitions {

void RunwayForm::Form_Load() {
    leaving_ = false;
    renames_.clear();
    RwFixIndex = 0;
    RwFixIsKnown = store::False;

    m.WorkRunways.clear();
    m.WorkRunwayCount = 0;
    for (int i = 1; store::RunwayTable::fits(i) && !m.Store.Runways[i].ID.empty(); ++i) {
        m.WorkRunways[i] = m.Store.Runways[i];
        m.WorkRunwayCount = static_cast<std::int16_t>(i);
    }
    m.WorkFixes.clear();
    m.WorkFixCount = 0;
    for (int i = 1; store::FixTable::fits(i) && !m.Store.Fixes[i].Name.empty(); ++i) {
        m.WorkFixes[i] = m.Store.Fixes[i];
        m.WorkFixCount = static_cast<std::int16_t>(i);
    }

    if (m.EditMode == "T") {
        setCaption("Add a Runway Intermediate Fix Procedure");
        ViewNextFeederCommand.setEnabled(false);
    } else {
        setCaption("Modify a Runway Intermediate Fix Procedure");
    }
    std::string airport;
    if (ui::Form* editor = app().findForm("ModifyProcedure"))
        if (auto* box = dynamic_cast<ui::TextBox*>(editor->find("AptNameText")))
            airport = box->text();
    Frame3.setCaption(airport);

    FeederNumber = 1;
    FeederTotal = 1;
    refreshCounterLabel();

    // The runway's group, wherever it is; a new runway starts after the last
    // group, its ID written into that row (the row is not counted until a
    // waypoint fills it).
    const std::string& runway = m.TransitionRunway;
    int start = findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, runway);
    if (start == 0) {
        start = m.WorkRunwayCount + 1;
        if (store::RunwayTable::fits(start))
            m.WorkRunways[start].ID = runway;
    }
    m.FeederStart = static_cast<std::int16_t>(start);

    RWWaypointList.Clear();
    Label8.setCaption(runway);
    RWSaveCommand.setCaption("Save Rw " + runway + "  Feeder");
    if (m.WorkRunwayCount > 0)
        LoadRWWaypointList();
    openedRunways_ = m.WorkRunways;
    openedRunwayCount_ = m.WorkRunwayCount;
    openedFixes_ = m.WorkFixes;
    openedFixCount_ = m.WorkFixCount;
}

void RunwayForm::Form_Unload() {
    if (leaving_)
        return;
    // Closing the window is "No Changes Just Exit".
    discardWork();
    returnToEditor(false);
}

void RunwayForm::LoadRWWaypointList() {
    RWWaypointList.Clear();
    const int first = findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, Label8.caption());
    // Feeders counted as View Next Feeder walks them: a file's first feeder
    // has no FROM row, and counting FROM rows alone would miss it.
    FeederTotal = static_cast<std::int16_t>(
        std::max(1, countFeeders(m.WorkRunways, m.WorkRunwayCount, first)));
    if (first != 0) {
        const int n = feederLength(m.WorkRunways, m.WorkRunwayCount, first);
        for (int i = first; i < first + n; ++i)
            RWWaypointList.AddItem(entryText(m.WorkRunways[i]));
    }
    refreshCounterLabel();
}

void RunwayForm::listFeeder() {
    RWWaypointList.Clear();
    const int n = feederLength(m.WorkRunways, m.WorkRunwayCount, m.FeederStart);
    for (int i = m.FeederStart; i < m.FeederStart + n; ++i)
        RWWaypointList.AddItem(entryText(m.WorkRunways[i]));
}

void RunwayForm::CorrectFlags() {
    const int n = RWWaypointList.ListCount();
    if (n == 0)
        return;
    setFeederFlags(m.WorkRunways, m.FeederStart, n);
}

void RunwayForm::AddFeederProcedureCommand_Click() {
    // A feeder still empty is the new one already; another would only count
    // a feeder that has no rows.
    if (RWWaypointList.ListCount() == 0) {
        RWAddNavText.setFocus();
        return;
    }
    CorrectFlags();
    ClearRWLatLongs();
    const std::string& runway = Label8.caption();
    int start = m.FeederStart;
    while (start <= m.WorkRunwayCount && m.WorkRunways[start].ID == runway)
        ++start;
    m.FeederStart = static_cast<std::int16_t>(start);
    RWWaypointList.Clear();
    ++FeederTotal;
    FeederNumber = FeederTotal;
    refreshCounterLabel();
    RWAddNavText.setFocus();
}

void RunwayForm::DeleteFeederCommand_Click() {
    const int n = RWWaypointList.ListCount();
    if (n == 0)
        return;
    removeRows(m.WorkRunways, m.WorkRunwayCount, m.FeederStart, n);
    ClearRWLatLongs();
    showFirstFeeder();
}

void RunwayForm::showFirstFeeder() {
    // With the runway's last feeder gone, a new one starts where it was.
    if (const int first = findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, Label8.caption()))
        m.FeederStart = static_cast<std::int16_t>(first);
    FeederNumber = 1;
    LoadRWWaypointList();
    CorrectFlags();
}

void RunwayForm::ViewNextFeederCommand_Click() {
    const int n = RWWaypointList.ListCount();
    if (n == 0)
        return;
    ClearRWLatLongs();
    RWAddNavText.setText("");
    const std::string& runway = Label8.caption();
    const int next = m.FeederStart + n;
    if (next <= m.WorkRunwayCount && m.WorkRunways[next].ID == runway) {
        m.FeederStart = static_cast<std::int16_t>(next);
        ++FeederNumber;
    } else {
        m.FeederStart =
            static_cast<std::int16_t>(findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, runway));
        FeederNumber = 1;
    }
    refreshCounterLabel();
    listFeeder();
}

void RunwayForm::RWSaveCommand_Click() {
    if (RWWaypointList.ListCount() == 0) {
        MsgBox("There are no waypoints to save");
        return;
    }
    CorrectFlags();
    const int group = findRunwayGroup(m.WorkRunways, m.WorkRunwayCount, Label8.caption());
    if (closeFeedersAtFinalFix(m.WorkRunways, m.WorkRunwayCount, group) < 0) {
        showTableFull("runway transition", store::RunwayCapacity, "rows");
        return;
    }
    if (m.OpeningRunwayBox >= 1 && m.OpeningRunwayBox <= 8)
        if (ui::Form* editor = app().findForm("ModifyProcedure"))
            if (auto* box = dynamic_cast<ui::TextBox*>(
                    editor->find("RwText" + std::to_string(m.OpeningRunwayBox))))
                box->setForeColor(ui::colors::ButtonText);

    m.Store.Runways.clear();
    for (int i = 1; i <= m.WorkRunwayCount; ++i)
        m.Store.Runways[i] = m.WorkRunways[i];
    m.Store.RunwayCount = m.WorkRunwayCount;
    m.Store.Fixes.clear();
    for (int i = 1; i <= m.WorkFixCount; ++i)
        m.Store.Fixes[i] = m.WorkFixes[i];
    m.Store.FixCount = m.WorkFixCount;
    applyRenamesToProcedures();

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
    m.WorkRunways.clear();
    m.WorkRunwayCount = 0;
    m.WorkFixes.clear();
    m.WorkFixCount = 0;
}

void RunwayForm::returnToEditor(bool focusNavaidBox) {
    hide();
    ui::Form* editor = app().findForm("ModifyProcedure");
    if (editor == nullptr)
        return;
    editor->show();
    if (focusNavaidBox)
        if (ui::Control* box = editor->find("AddNavText"))
            box->setFocus();
}

void RunwayForm::applyRenamesToProcedures() {
    if (renames_.empty())
        return;
    auto renamed = [this](std::string& name) {
        for (const auto& [from, to] : renames_)
            if (name == from)
                name = to;
    };
    for (int i = 1; i <= store::STARCapacity && !m.Store.STARs[i].Name.empty(); ++i)
        renamed(m.Store.STARs[i].Fix);
    for (int i = 1; i <= store::SIDCapacity && !m.Store.SIDs[i].Name.empty(); ++i) {
        renamed(m.Store.SIDs[i].Fix);
        renamed(m.Store.SIDs[i].InterceptFix);
    }
    // The STAR on the editor's screen shows fix names in its list.
    ui::Form* editor = app().findForm("ModifyProcedure");
    auto* list = editor ? dynamic_cast<ui::ListBox*>(editor->find("WaypointList")) : nullptr;
    if (list == nullptr)
        return;
    for (int line = 0; line < list->ListCount(); ++line) {
        const int row = m.ProcedureStart + line;
        if (!store::STARTable::fits(row))
            break;
        std::string text = list->List(line);
        renamed(text);
        if (text != list->List(line) && m.Store.STARs[row].Fix == text)
            list->setList(line, text);
    }
}

} // namespace transitions
