#include "editor/ModifyProcedure.h"

#include "reference/UserFixFile.h"
#include "runtime/Numbers.h"
#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"
#include "store/AirportWriter.h"

#include <optional>

namespace editor {

namespace {
const std::string CRLF = "\r\n";

// The ICAO code names a file: letters and digits only, nothing that could
// reach another folder or make a name the selection screen cannot list.
bool isFileSafeCode(const std::string& icao) {
    for (const char c : icao) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit)
            return false;
    }
    return !icao.empty();
}

// Writes the airport file, then the user fixes. When the second write fails
// the airport file gets its old content back, so a failed save changes
// neither file.
void writeBoth(const std::filesystem::path& airportFile, const std::string& airportText,
               const reference::UserFixTable& userFixes, const std::filesystem::path& userFixFile) {
    std::optional<std::string> oldAirport;
    if (runtime::fileExists(airportFile))
        oldAirport = runtime::readWholeFile(airportFile);
    store::writeAirportFile(airportFile, airportText);
    try {
        reference::SaveFixes(userFixes, userFixFile);
    } catch (...) {
        std::error_code ignored;
        if (oldAirport)
            runtime::writeFileReplacing(airportFile, *oldAirport);
        else
            std::filesystem::remove(airportFile, ignored);
        throw;
    }
}
} // namespace

void ModifyProcedure::SaveCommand_Click() {
    auto& counters = m.Counters;
    // An airport whose last procedure of the mode was deleted is saved
    // without them: no name or waypoint is asked for.
    const bool emptied = (m.EditMode == "D" || m.EditMode == "S") && procedureRows() == 0;
    try {
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
        if (!isFileSafeCode(icao)) {
            MsgBox("The ICAO code " + icao + " names the airport file." + CRLF +
                   "Please use letters and digits only.");
            AptNameText.setFocus();
            return;
        }
        if (WaypointList.ListCount() == 0 && !emptied) {
            MsgBox("There are no waypoints.");
            AddNavText.setFocus();
            return;
        }
        const std::filesystem::path airportFile = m.DataFolder / (icao + ".txt");
        if ((m.EditMode == "E" || m.EditMode == "T") && m.IsModify == store::False &&
            runtime::fileExists(airportFile)) {
            const int answer =
                MsgBox("There is already a file by the same" + CRLF +
                           "ICAO code as the one you want to save." + CRLF +
                           "Click Yes to overwrite that file." + CRLF +
                           "Click No to change your filename.",
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
                const int answer = MsgBox("This airport does not have any SIDs." + CRLF +
                                              "Do you want to add SIDs to " + icao + " now?",
                                          ui::Buttons::YesNo, ui::Icon::Critical);
                m.LastAnswer = std::to_string(answer);
                if (answer == ui::answers::Yes) {
                    m.EditMode = "E";
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
                const int answer = MsgBox("This airport does not have any STARs." + CRLF +
                                              "Do you want to add STARs to " + icao + " now?",
                                          ui::Buttons::YesNo, ui::Icon::Critical);
                m.LastAnswer = std::to_string(answer);
                if (answer == ui::answers::Yes) {
                    m.EditMode = "T";
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

        reference::SortUserFixArray(m.UserFixTable);
        store::FileHeader header;
        header.icao = icao;
        if (const auto* airport = m.AirportTable.findAirport(icao))
            header.airportName = airport->AirportName;
        header.authorName = m.AuthorName;
        header.dateText = app().today();
        const std::string text = store::PrintTheSidStarFile(m.Store, counters, header);
        writeBoth(airportFile, text, m.UserFixTable,
                  app().programFolder() / reference::UserFixFileName);

        procedures::clearTables(tables());
        AptNameText.setText("");
        if (ui::Form* menu = app().findForm("InitialLoad"))
            menu->show();
        unload();
    } catch (const runtime::RuntimeError& error) {
        switch (error.number()) {
        case runtime::FileNotFound:
            if (ui::Form* menu = app().findForm("InitialLoad"))
                menu->hide();
            app().show("FindFlyForm");
            return;
        case runtime::PathNotFound:
            MsgBox("I could not find the data files." + CRLF +
                       "Please insure the 777 is loaded in it's default location within Fly2." +
                       CRLF +
                       "This program can not run without the data files and must now terminate.",
                   ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                   "Program termination.");
            End();
        default:
            MsgBox("A fatal error (" + runtime::printedNumber(error.number()) +
                       ") has crept into the file save process." + CRLF +
                       "The airport file and the user fixes were left as they were.",
                   ui::Buttons::OK, ui::Icon::Critical, ui::DefaultButton::First,
                   "Program termination happens now.");
            End();
        }
    }
}

} // namespace editor
