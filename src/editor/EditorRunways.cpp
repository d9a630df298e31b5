#include "editor/ModifyProcedure.h"

#include "runtime/Numbers.h"
#include "runtime/Text.h"

#include <vector>

namespace editor {

namespace {
bool inRunwayRange(std::string_view number) {
    if (!runtime::isNumeric(number))
        return false;
    const double v = runtime::val(number);
    return v >= 0 && v <= 36;
}
} // namespace

bool ModifyProcedure::IsValidRunwayNumber(const std::string& text) {
    if (text.empty())
        return false;
    if (runtime::isNumeric(text))
        return inRunwayRange(text);
    const char side = runtime::toUpper(text.substr(text.size() - 1))[0];
    if (side != 'L' && side != 'R' && side != 'C')
        return false;
    return inRunwayRange(std::string_view(text).substr(0, text.size() - 1));
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
    auto& counters = m.Counters;
    const auto& grid = m.Store.STARRunways;
    counters.STARRunwaySlot = 1;
    do {
        const int slot = counters.STARRunwaySlot;
        if (slot >= 1 && slot <= 8) {
            ui::TextBox& box = runwayBox(slot);
            box.setVisible(true);
            box.setText(grid.cellOrEmpty(counters.STARNumber, slot));
            // Red whenever the runway has no transition, also here.
            const bool red = !box.text().empty() && !RunwayDefined(box.text());
            box.setForeColor(red ? ui::colors::Red : ui::colors::ButtonText);
        }
        ++counters.STARRunwaySlot;
    } while (!grid.cellOrEmpty(counters.STARNumber, counters.STARRunwaySlot).empty());
}

namespace {
// The runways of the boxes without the gaps: the writer ends a runway list
// at its first empty slot, so a runway after an emptied box would be lost.
std::vector<std::string> filledRunways(ModifyProcedure& editor) {
    std::vector<std::string> runways;
    for (int k = 1; k <= 8; ++k)
        if (!editor.runwayBox(k).text().empty())
            runways.push_back(editor.runwayBox(k).text());
    return runways;
}
} // namespace

void ModifyProcedure::SaveRunways(int star) {
    if (!store::STARRunwayGrid::fits(star, 1))
        return;
    const std::vector<std::string> runways = filledRunways(*this);
    auto& grid = m.Store.STARRunways;
    // With every box empty, slot 1 keeps its runway.
    if (!runways.empty())
        grid(star, 1) = runways[0];
    for (int slot = 2; slot <= 8; ++slot)
        grid(star, slot) =
            static_cast<std::size_t>(slot) <= runways.size() ? runways[slot - 1] : "";
}

void ModifyProcedure::SaveSIDRunways(int row) {
    if (store::SIDTable::fits(row)) {
        const std::vector<std::string> runways = filledRunways(*this);
        store::SIDWaypoint& sid = m.Store.SIDs[row];
        for (int slot = 1; slot <= 8; ++slot)
            sid.runway(slot) =
                static_cast<std::size_t>(slot) <= runways.size() ? runways[slot - 1] : "";
    }
    for (int k = 1; k <= 8; ++k)
        runwayBox(k).setText("");
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

} // namespace editor
