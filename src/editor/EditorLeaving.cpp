// Leaving the editor without saving: "No Changes Just Exit" and the window's
// close box ask first when there is work to lose.
#include "editor/ModifyProcedure.h"

#include <string>
#include <vector>

namespace editor {

namespace {

std::vector<std::string> nonEmpty(const std::vector<std::string>& texts) {
    std::vector<std::string> out;
    for (const std::string& text : texts)
        if (!text.empty())
            out.push_back(text);
    return out;
}

} // namespace

bool ModifyProcedure::hasUnsavedChanges() const {
    // The name and runway boxes reach the tables only on save or when the
    // screen moves on: typed into, they are work too.
    return !openedTables_.sameAs(m.Store, m.Counters) || !boxesMatchProcedure();
}

bool ModifyProcedure::boxesMatchProcedure() const {
    std::vector<std::string> boxes;
    for (const ui::TextBox* box : runwayBoxes_)
        boxes.push_back(box->text());
    std::vector<std::string> stored;
    std::string name;
    if (isSTARMode()) {
        name = m.Store.STARs.rowOrEmpty(m.ProcedureStart).Name;
        for (int slot = 1; slot <= 8; ++slot)
            stored.push_back(m.Store.STARRunways.cellOrEmpty(
                procedures::starNumberAt(m.Store, m.ProcedureStart), slot));
    } else {
        const store::SIDWaypoint& first = m.Store.SIDs.rowOrEmpty(m.ProcedureStart);
        name = first.Name;
        for (int slot = 1; slot <= 8; ++slot)
            stored.push_back(first.runway(slot));
    }
    return ProcedureNameText.text() == name && nonEmpty(boxes) == nonEmpty(stored);
}

bool ModifyProcedure::mayDiscardChanges() {
    if (!hasUnsavedChanges())
        return true;
    const int answer = MsgBox("Discard the changes to " + AptNameText.text() + "'s " +
                                  (isSTARMode() ? "STARs" : "SIDs") + "?",
                              ui::Buttons::YesNo, ui::Icon::None, ui::DefaultButton::Second);
    return answer == ui::answers::Yes;
}

bool ModifyProcedure::Form_QueryUnload() {
    return mayDiscardChanges();
}

void ModifyProcedure::OopsCommand_Click() {
    if (!mayDiscardChanges())
        return;
    if (ui::Form* menu = app().findForm("InitialLoad"))
        menu->show();
    m.TypedICAO.clear();
    procedures::clearTables(tables());
    unload();
}

} // namespace editor
