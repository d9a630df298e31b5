// Undo and redo in the transition editor: each edit of the working tables
// is one step; undoing one shows the feeder, list and selection it had.
#include "transitions/RunwayForm.h"

#include "procedures/FeederRows.h"

namespace transitions {

RunwayForm::StepValues RunwayForm::stepValues() const {
    return {m.WorkFixCount, m.WorkRunwayCount, m.LastInsertedRow, m.ArcCounter, renames_};
}

RunwayForm::StepView RunwayForm::stepView() const {
    return {m.FeederStart, FeederNumber, FeederTotal, RWWaypointList.listIndex()};
}

std::string RunwayForm::entryName(int entry) const {
    return entry >= 0 && entry < RWWaypointList.ListCount() ? RWWaypointList.List(entry) : "";
}

void RunwayForm::userEventEnded() {
    const std::string name = stepName_.empty() ? "edit" : stepName_;
    stepName_.clear();
    if (history_.record(name, stepValues(), stepBefore_, stepView()))
        showUndoButtons();
    refreshMap();
}

void RunwayForm::feederChanged(const std::string& step) {
    listFeeder();
    stepName_ = step;
}

void RunwayForm::RWUndoCommand_Click() {
    if (!history_.canUndo())
        return;
    const auto shown = history_.undo();
    showStep(shown.values, shown.view);
}

void RunwayForm::RWRedoCommand_Click() {
    if (!history_.canRedo())
        return;
    const auto shown = history_.redo();
    showStep(shown.values, shown.view);
}

void RunwayForm::showStep(const StepValues& values, const StepView& view) {
    m.WorkFixCount = values.fixCount;
    m.WorkRunwayCount = values.rowCount;
    m.LastInsertedRow = values.lastInserted;
    m.ArcCounter = values.arcCounter;
    renames_ = values.renames;
    m.FeederStart = view.feederStart;
    FeederNumber = view.feederNumber;
    FeederTotal = view.feederTotal;
    refreshCounterLabel();
    ClearRWDataCommand_Click();
    listFeeder();
    if (view.listIndex >= 0 && view.listIndex < RWWaypointList.ListCount()) {
        RWWaypointList.setListIndex(view.listIndex);
        RWWaypointList_Click();
    }
    showUndoButtons();
}

void RunwayForm::showUndoButtons() {
    RWUndoCommand.setEnabled(history_.canUndo());
    RWUndoCommand.setToolTip(history_.canUndo() ? "Undo: " + history_.undoName() : "");
    RWRedoCommand.setEnabled(history_.canRedo());
    RWRedoCommand.setToolTip(history_.canRedo() ? "Redo: " + history_.redoName() : "");
}

} // namespace transitions
