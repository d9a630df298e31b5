#include "editor/ModifyProcedure.h"

#include "checks/AirportChecks.h"
#include "procedures/AirportSave.h"
#include "reference/UserFixFile.h"
#include "runtime/TextFiles.h"
#include "store/AirportWriter.h"

#include <memory>
#include <variant>

namespace editor {

namespace {
const std::string CRLF = "\r\n";
} // namespace

// "This airport does not have any SIDs. Do you want to add SIDs ... now?"
bool ModifyProcedure::askToAdd(const std::string& kind, const std::string& icao) {
    const int answer = MsgBox("This airport does not have any " + kind + "." + CRLF +
                                  "Do you want to add " + kind + " to " + icao + " now?",
                              ui::Buttons::YesNo, ui::Icon::Critical);
    m.LastAnswer = std::to_string(answer);
    return answer == ui::answers::Yes;
}

void ModifyProcedure::SaveCommand_Click() {
    auto& counters = m.Counters;
    // An airport whose last procedure of the mode was deleted is saved
    // without them: no name or waypoint is asked for.
    const bool emptied = shell::isModify(m.EditMode) && procedureRows() == 0;
    if (ProcedureNameText.text().empty() && !emptied) {
        MsgBox("The procedure basic name is missing");
        ProcedureNameText.setFocus();
        return;
    }
    if (AptNameText.text().empty()) {
        MsgBox("The ICAO is missing.");
        AptNameText.setFocus();
        return;
    }
    const std::string icao = AptNameText.text();
    const auto chosen = procedures::chooseSaveTarget(m.DataFolder, OpenedFile, OpenedICAO, icao);
    if (const auto* refusal = std::get_if<procedures::Refusal>(&chosen)) {
        MsgBox(refusal->message);
        AptNameText.setFocus();
        return;
    }
    const procedures::SaveTarget target = std::get<procedures::SaveTarget>(chosen);
    if (WaypointList.ListCount() == 0 && !emptied) {
        MsgBox("There are no waypoints.");
        AddNavText.setFocus();
        return;
    }
    if (target.replacesAnotherFile) {
        const int answer = MsgBox(
            "There is already a file by the same" + CRLF +
                "ICAO code as the one you want to save." + CRLF +
                "Click Yes to overwrite that file." + CRLF + "Click No to change your filename.",
            ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second);
        m.LastAnswer = std::to_string(answer);
        if (answer == ui::answers::No) {
            AptNameText.setFocus();
            return;
        }
    }
    SavedICAO = icao;

    // The name and runway boxes are what is saved, in every mode.
    if (!storeProcedureOnScreen())
        return;
    if (isSTARMode()) {
        if (counters.SIDRowNext == 0) {
            if (askToAdd("SIDs", icao)) {
                m.EditMode = shell::EditMode::CreateSIDs;
                FreshForm();
                HideRw2to8();
                setCaption("Create a Departure Procedure");
                RwText1.setVisible(true);
                RwText1.setEnabled(true);
                AptNameText.setText(SavedICAO);
                ProcedureNameText.setEnabled(true);
                ProcedureNameText.setText("");
                // The first SID goes into row 1, which the list must stand for.
                m.ProcedureStart = 1;
                int number = 0;
                procedures::beginSID(tables(), number);
                CurrentSID = 1;
                setCounterLabel(CurrentSID, number);
                coverInterceptONHDG(false);
                DeleteProcedureCommand.setEnabled(false);
                return;
            }
        }
    } else {
        SaveSIDRunways();
        if (counters.STARRowCount == 0) {
            if (askToAdd("STARs", icao)) {
                m.EditMode = shell::EditMode::CreateSTARs;
                FreshForm();
                HideRw2to8();
                setCaption("Create a Standard Terminal Arrival Procedure");
                // A fresh STAR table: its first STAR, numbered 1 of 1.
                m.ProcedureStart = 1;
                int number = 0;
                procedures::beginSTAR(tables(), number);
                CurrentSTAR = 1;
                setCounterLabel(CurrentSTAR, number);
                AptNameText.setText(SavedICAO);
                ProcedureNameText.setEnabled(true);
                AddWaypointCommand.setEnabled(true);
                DeleteWaypointCommand.setEnabled(false);
                ModifyWaypointCommand.setEnabled(false);
                RwText1.setVisible(true);
                coverInterceptONHDG(true);
                DeleteProcedureCommand.setEnabled(false);
                return;
            }
        }
    }

    // Printed from copies: printing sorts the fixes and walks the STAR
    // counters, and a save that fails must leave the screen as it was.
    auto userFixes = m.UserFixTable;
    reference::SortUserFixArray(userFixes);
    store::FileHeader header;
    header.icao = icao;
    if (const auto* airport = m.AirportTable.findAirport(icao))
        header.airportName = airport->AirportName;
    header.authorName = m.AuthorName;
    header.dateText = app().today();
    const auto printed = std::make_unique<store::ProcedureStore>(m.Store);
    store::ProcedureCounters printedCounters = counters;
    const std::string text = store::PrintTheSidStarFile(*printed, printedCounters, header);
    if (const auto failure = procedures::saveAirportAndUserFixes(
            target.file, text, app().folders().userData / reference::UserFixFileName,
            reference::formatUserFixes(userFixes), runtime::writeFileReplacing)) {
        MsgBox(procedures::saveFailureMessage(*failure), ui::Buttons::OK, ui::Icon::Critical);
        return;
    }
    m.UserFixTable = std::move(userFixes);
    // What the checker would say of the file is shown, not refused: the
    // edits have already refused what would make a wrong file.
    const auto findings =
        checks::checkAirport(m.Store, {&m.NavaidTable, &m.UserFixTable, icao,
                                       checks::findAirport(m.AirportTable, icao)});
    if (!findings.empty())
        MsgBox(checks::savedFindingsMessage(target.file.filename().string(), findings));

    procedures::clearTables(tables());
    AptNameText.setText("");
    if (ui::Form* menu = app().findForm("InitialLoad"))
        menu->show();
    unload();
}

} // namespace editor
