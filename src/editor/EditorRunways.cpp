#include "editor/ModifyProcedure.h"

#include "procedures/EntryRules.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"

namespace editor {

bool ModifyProcedure::IsValidRunwayNumber(const std::string& text) {
    return procedures::isRunwayDesignator(text);
}

std::string ModifyProcedure::CheckForZero(const std::string& text) {
    if (text.size() < 3) {
        const bool numeric = runtime::isNumeric(text);
        if ((numeric && text.size() == 1) || (!numeric && text.size() == 2))
            return "0" + text;
    }
    return text;
}

// Walks the whole table, not just the RunwayCount rows read from the file:
// the reader's post-pass adds end-of-procedure rows, so the runways at the
// end of the table would lie past that count.
bool ModifyProcedure::RunwayDefined(const std::string& runway) const {
    const auto& runways = m.Store.Runways;
    for (int row = 1; runways.fits(row) && !runways[row].ID.empty(); ++row)
        if (runways[row].ID == runway)
            return true;
    return false;
}

bool ModifyProcedure::anyRunwayRed() {
    for (int k = 1; k <= 8; ++k) {
        const ui::TextBox& box = runwayBox(k);
        if (box.visible() && !box.text().empty() && box.foreColor() == ui::colors::Red)
            return true;
    }
    return false;
}

void ModifyProcedure::PrintRunways() {
    if (!isSTARMode()) {
        RwText1.setVisible(true);
        return;
    }
    RwText1.setVisible(false);
    HideRw2to8();
    RwText1.setText("");
    const auto& grid = m.Store.STARRunways;
    const int number = procedures::starNumberAt(m.Store, m.ProcedureStart);
    int slot = 1;
    do {
        if (slot <= 8) {
            ui::TextBox& box = runwayBox(slot);
            box.setVisible(true);
            box.setText(grid.cellOrEmpty(number, slot));
            // Red whenever the runway has no transition, also here.
            const bool red = !box.text().empty() && !RunwayDefined(box.text());
            box.setForeColor(red ? ui::colors::Red : ui::colors::ButtonText);
        }
        ++slot;
    } while (!grid.cellOrEmpty(number, slot).empty());
}

bool ModifyProcedure::SaveRunways() {
    return made(procedures::setSTARRunways(tables(), onScreen(), runwayTexts()));
}

// The boxes are emptied for the next SID once stored.
bool ModifyProcedure::SaveSIDRunways() {
    if (WaypointList.ListCount() > 0 &&
        !made(procedures::setSIDRunways(tables(), onScreen(), runwayTexts())))
        return false;
    for (int k = 1; k <= 8; ++k)
        runwayBox(k).setText("");
    return true;
}

bool ModifyProcedure::storeProcedureOnScreen() {
    if (WaypointList.ListCount() == 0)
        return true;
    const std::string name = ProcedureNameText.text();
    if (isSTARMode())
        return made(procedures::renameSTAR(tables(), onScreen(), name)) && SaveRunways();
    return made(procedures::renameSID(tables(), onScreen(), name)) &&
           made(procedures::setSIDRunways(tables(), onScreen(), runwayTexts()));
}

void ModifyProcedure::HideRw2to8() {
    for (int k = 2; k <= 8; ++k) {
        runwayBox(k).setText("");
        runwayBox(k).setVisible(false);
    }
}

void ModifyProcedure::RwText_Change(int k) {
    ui::TextBox& box = runwayBox(k);
    if (box.text().empty()) {
        // An empty box shows no runway, so it shows no alert either.
        box.setForeColor(ui::colors::ButtonText);
        return;
    }
    if (k <= 5)
        runwayBox(k + 1).setVisible(true);
    if (IsValidRunwayNumber(box.text())) {
        // Upper-cased in place: the caret stays where the user is typing.
        const std::string upper = runtime::toUpper(box.text());
        if (upper != box.text()) {
            const int caret = box.selStart();
            box.setText(upper);
            box.setSelStart(caret);
        }
        const bool red = isSTARMode() && !RunwayDefined(box.text());
        box.setForeColor(red ? ui::colors::Red : ui::colors::ButtonText);
    } else {
        MsgBox("Incorrect Runway Number");
        box.setFocus();
        box.selectAll();
    }
}

void ModifyProcedure::RwText_LostFocus(int k) {
    ui::TextBox& box = runwayBox(k);
    box.setText(CheckForZero(box.text()));
}

void ModifyProcedure::RwText_DblClick(int k) {
    if (!isSTARMode())
        return;
    ui::TextBox& box = runwayBox(k);
    if (box.text().empty())
        return;
    if (!IsValidRunwayNumber(box.text())) {
        MsgBox("Incorrect Runway Number");
        box.setFocus();
        box.selectAll();
        return;
    }
    box.setText(CheckForZero(box.text()));
    m.TransitionRunway = box.text();
    m.OpeningRunwayBox = static_cast<std::int16_t>(box.foreColor() == ui::colors::Red ? k : 0);
    hide();
    app().show("RunwayForm");
}

void ModifyProcedure::markRunwayDefined(int box) {
    if (box >= 1 && box <= 8)
        runwayBox(box).setForeColor(ui::colors::ButtonText);
}

void ModifyProcedure::showAgain(bool focusNavaidBox) {
    // A feeder saved there is a step here.
    stepName_ = "save the feeders of runway " + m.TransitionRunway;
    show();
    if (focusNavaidBox)
        AddNavText.setFocus();
}

void ModifyProcedure::fixRenamed(const std::string& from, const std::string& to) {
    // The STAR on screen lists its fix names.
    for (int line = 0; line < WaypointList.ListCount(); ++line) {
        const int row = m.ProcedureStart + line;
        if (!store::STARTable::fits(row))
            break;
        if (WaypointList.List(line) == from && m.Store.STARs[row].Fix == to)
            WaypointList.setList(line, to);
    }
}

} // namespace editor
