// Undo and redo in the procedure editor: each user action that changed the
// tables is one step (a feeder saved in the transition editor too); undoing
// one shows the procedure, list, selection and runway boxes it had.
#include "editor/ModifyProcedure.h"

namespace editor {

ModifyProcedure::StepValues ModifyProcedure::stepValues() const {
    return {m.Store.FixCount, m.Store.RunwayCount, m.Store.FixesDefined, m.Counters};
}

ModifyProcedure::StepView ModifyProcedure::stepView() const {
    StepView view;
    view.mode = m.EditMode;
    view.procedureStart = m.ProcedureStart;
    view.currentSID = CurrentSID;
    view.currentSTAR = CurrentSTAR;
    view.counter = SIDCountLabel.caption();
    view.name = ProcedureNameText.text();
    for (std::size_t k = 0; k < runwayBoxes_.size(); ++k) {
        view.runways[k] = runwayBoxes_[k]->text();
        view.colours[k] = runwayBoxes_[k]->foreColor();
        view.shown[k] = runwayBoxes_[k]->visible();
    }
    view.listIndex = WaypointList.listIndex();
    return view;
}

void ModifyProcedure::startHistory() {
    history_.start(stepValues());
    stepBefore_ = stepView();
    stepName_.clear();
    showUndoButtons();
}

void ModifyProcedure::userEventBegins() {
    stepBefore_ = stepView();
}

void ModifyProcedure::userEventEnded() {
    const std::string name = stepName_.empty() ? "edit" : stepName_;
    stepName_.clear();
    if (history_.record(name, stepValues(), stepBefore_, stepView()))
        showUndoButtons();
    refreshMap();
}

void ModifyProcedure::UndoCommand_Click() {
    if (!history_.canUndo())
        return;
    const auto shown = history_.undo();
    showStep(shown.values, shown.view);
}

void ModifyProcedure::RedoCommand_Click() {
    if (!history_.canRedo())
        return;
    const auto shown = history_.redo();
    showStep(shown.values, shown.view);
}

void ModifyProcedure::showStep(const StepValues& values, const StepView& view) {
    m.Store.FixCount = values.fixCount;
    m.Store.RunwayCount = values.runwayCount;
    m.Store.FixesDefined = values.fixesDefined;
    m.Counters = values.counters;
    m.EditMode = view.mode;
    m.ProcedureStart = view.procedureStart;
    CurrentSID = view.currentSID;
    CurrentSTAR = view.currentSTAR;
    SIDCountLabel.setCaption(view.counter);
    ClearDataCommand_Click();
    fillWaypointList();
    ProcedureNameText.setText(view.name);
    for (std::size_t k = 0; k < runwayBoxes_.size(); ++k) {
        runwayBoxes_[k]->setText(view.runways[k]);
        runwayBoxes_[k]->setForeColor(view.colours[k]);
        runwayBoxes_[k]->setVisible(view.shown[k]);
    }
    if (view.listIndex >= 0 && view.listIndex < WaypointList.ListCount()) {
        WaypointList.setListIndex(view.listIndex);
        WaypointList_Click();
    }
    showUndoButtons();
}

void ModifyProcedure::showUndoButtons() {
    UndoCommand.setEnabled(history_.canUndo());
    UndoCommand.setToolTip(history_.canUndo() ? "Undo: " + history_.undoName() : "");
    RedoCommand.setEnabled(history_.canRedo());
    RedoCommand.setToolTip(history_.canRedo() ? "Redo: " + history_.redoName() : "");
}

} // namespace editor
