#include "editor/ModifyProcedure.h"

#include "runtime/Numbers.h"

#include <string>

namespace editor {

namespace {
const std::string CRLF = "\r\n";

// The list line of a SID row: what the leg flies to.
std::string sidLine(const store::SIDWaypoint& row) {
    for (const std::string* text : {&row.VOR, &row.Fix, &row.InterceptFix, &row.InterceptNavaid})
        if (!text->empty())
            return *text;
    return "ONHDG";
}
} // namespace

void ModifyProcedure::LoadWaypointList() {
    WaypointList.Clear();
    auto& counters = m.Counters;
    const int start = m.ProcedureStart;

    if (isSTARMode()) {
        const store::STARWaypoint& first = m.Store.STARs.rowOrEmpty(start);
        if (first.Name.empty()) {
            const int answer = MsgBox(AptNameText.text() + " has no STARs to modify." + CRLF +
                                          "Do you wish to add new STARs?",
                                      ui::Buttons::YesNo);
            m.LastAnswer = std::to_string(answer);
            if (answer == ui::answers::No) {
                m.BackToMenu = store::True;
                return;
            }
            m.EditMode = shell::EditMode::CreateSTARs;
            int number = 0;
            procedures::beginSTAR(tables(), number);
            setCounterLabel(number, number);
        }
        ProcedureNameText.setText(first.Name);
        AptNameText.setVisible(true);
        fillWaypointList();
        if (counters.STARRowCount == 0)
            ProcedureNameText.setEnabled(true);
        return;
    }

    const store::SIDWaypoint& first = m.Store.SIDs.rowOrEmpty(start);
    if (first.Name.empty()) {
        const int answer = MsgBox(AptNameText.text() + " has no SIDs to modify." + CRLF +
                                      "Do you wish to add new SIDs?",
                                  ui::Buttons::YesNo);
        m.LastAnswer = std::to_string(answer);
        if (answer == ui::answers::No) {
            m.BackToMenu = store::True;
            return;
        }
        RwText1.setVisible(true);
        RwText1.setEnabled(true);
        ProcedureNameText.setText("");
        ProcedureNameText.setEnabled(true);
        m.EditMode = shell::EditMode::CreateSIDs;
        return;
    }
    ProcedureNameText.setText(first.Name);
    RwText1.setText(first.RW1);
    RwText2.setText("");
    for (int slot = 2; slot <= 8; ++slot) {
        if (first.runway(slot).empty())
            continue;
        runwayBox(slot).setText(first.runway(slot));
        if (slot < 8) {
            runwayBox(slot + 1).setVisible(true);
            runwayBox(slot + 1).setText("");
        }
    }
    fillWaypointList();
}

void ModifyProcedure::fillWaypointList() {
    WaypointList.Clear();
    const int start = m.ProcedureStart;
    if (isSTARMode()) {
        if (m.Counters.STARRowCount == 0)
            return;
        const int legs = m.Store.STARs.rowOrEmpty(start).Elements;
        for (int i = 0; i < legs && store::STARTable::fits(start + i); ++i) {
            const store::STARWaypoint& row = m.Store.STARs[start + i];
            WaypointList.AddItem(row.Fix.empty() ? row.VOR : row.Fix);
        }
        return;
    }
    // A SID runs to its EndOfRunway row; an unnamed row stops a damaged one.
    for (int row = start; store::SIDTable::fits(row); ++row) {
        const store::SIDWaypoint& leg = m.Store.SIDs[row];
        if (leg.Name.empty())
            break;
        WaypointList.AddItem(sidLine(leg));
        if (leg.EndOfRunway != store::False)
            break;
    }
}

void ModifyProcedure::NextProcedureCommand_Click() {
    if (WaypointList.ListCount() == 0)
        return;
    ClearLatLongs();
    AddNavText.setText("");
    FloatAltOption.setValue(0);

    auto& counters = m.Counters;
    shell::EditMode mode = m.EditMode;

    // The create modes check the procedure on screen first; after that they
    // move on like the modify modes, so that the list keeps showing the rows
    // the list commands work on.
    if (mode == shell::EditMode::CreateSTARs) {
        bool anyRunway = false;
        for (int k = 1; k <= 8; ++k)
            anyRunway = anyRunway || !runwayBox(k).text().empty();
        if (!anyRunway) {
            MsgBox("There are no runways designated for this STAR." + CRLF +
                   "Please add at least one runway approach.");
            RwText1.setFocus();
            return;
        }
        if (AptNameText.text().empty()) {
            MsgBox("There is no ICAO designated for this STAR.");
            AptNameText.setFocus();
            return;
        }
        if (ProcedureNameText.text().empty()) {
            MsgBox("There is no Basic name designated for this STAR.");
            ProcedureNameText.setFocus();
            return;
        }
        if (anyRunwayRed()) {
            MsgBox("At least one runway approach procedure" + CRLF +
                   "needs to be designed for this STAR.");
            RwText1.setFocus();
            return;
        }
        AptNameText.setEnabled(false);
        mode = shell::EditMode::ModifySTARs;
    } else if (mode == shell::EditMode::CreateSIDs) {
        if (RwText1.text().empty()) {
            MsgBox("There is no runway designated for this SID." + CRLF +
                   "Please add runway approach number.");
            RwText1.setFocus();
            return;
        }
        if (AptNameText.text().empty()) {
            MsgBox("There is no ICAO designated for this SID.");
            AptNameText.setFocus();
            return;
        }
        if (ProcedureNameText.text().empty()) {
            MsgBox("There is no Basic name designated for this SID.");
            ProcedureNameText.setFocus();
            return;
        }
        AptNameText.setEnabled(false);
        mode = shell::EditMode::ModifySIDs;
    }

    stepName_ = "keep procedure " + ProcedureNameText.text();
    if (!storeProcedureOnScreen())
        return;
    if (mode == shell::EditMode::ModifySTARs) {
        const auto& stars = m.Store.STARs;
        const int next = m.ProcedureStart + stars.rowOrEmpty(m.ProcedureStart).Elements;
        if (next > m.ProcedureStart && !stars.rowOrEmpty(next).Name.empty()) {
            m.ProcedureStart = static_cast<std::int16_t>(next);
            ++CurrentSTAR;
        } else {
            m.ProcedureStart = 1;
            CurrentSTAR = 1;
        }
        setCounterLabel(CurrentSTAR, counters.STARCount);
        LoadWaypointList();
        PrintRunways();
        BlankAltVorBoxes();
    } else if (mode == shell::EditMode::ModifySIDs) {
        AddNavText.setText("");
        SaveSIDRunways();
        HideRw2to8();
        OnHeadAltText.setText("");
        OnHeadDistText.setText("");
        InterceptHeadingText.setText("");
        const auto& sids = m.Store.SIDs;
        int next = 0;
        for (int row = m.ProcedureStart; row <= counters.SIDRowNext && sids.fits(row); ++row) {
            if (sids[row].EndOfRunway != store::False) {
                next = row + 1;
                break;
            }
        }
        if (next != 0 && !sids.rowOrEmpty(next).Name.empty()) {
            m.ProcedureStart = static_cast<std::int16_t>(next);
            ++CurrentSID;
        } else {
            m.ProcedureStart = 1;
            CurrentSID = 1;
        }
        setCounterLabel(CurrentSID, counters.SIDCount);
        LoadWaypointList();
        BlankAltVorBoxes();
    }
}

void ModifyProcedure::AddAnotherProcedureCommand_Click() {
    auto& counters = m.Counters;
    if (ProcedureNameText.text().empty()) {
        MsgBox("The procedure basic name is missing");
        ProcedureNameText.setFocus();
        return;
    }
    if (RwText1.text().empty()) {
        MsgBox("The runway number is missing");
        RwText1.setFocus();
        return;
    }
    if (WaypointList.ListCount() == 0) {
        MsgBox("You must provide at least waypoint first.");
        AddNavText.setFocus();
        return;
    }
    SavedICAO = AptNameText.text();
    stepName_ = "add a procedure after " + ProcedureNameText.text();

    if (isSTARMode()) {
        if (anyRunwayRed()) {
            MsgBox("At least one runway feeder has not yet been defined.");
            RwText1.setFocus();
            return;
        }
        // Runway boxes edited since the last waypoint would be lost.
        int number = 0;
        if (!storeProcedureOnScreen() || !made(procedures::beginSTAR(tables(), number)))
            return;
        HideRw2to8();
        m.ProcedureStart = static_cast<std::int16_t>(counters.STARRowCount + 1);
        FreshForm();
        RwText1.setText("");
        AptNameText.setText(SavedICAO);
        ProcedureNameText.setEnabled(true);
        CurrentSTAR = static_cast<std::int16_t>(number);
        setCounterLabel(number, number);
        WaypointList.Clear();
    } else {
        int number = 0;
        if (!storeProcedureOnScreen() || !made(procedures::beginSID(tables(), number)) ||
            !SaveSIDRunways())
            return;
        HideRw2to8();
        FreshForm();
        m.ProcedureStart = counters.SIDRowNext;
        ProcedureNameText.setEnabled(true);
        DeleteWaypointCommand.setEnabled(false);
        ModifyWaypointCommand.setEnabled(false);
        CurrentSID = static_cast<std::int16_t>(number);
        setCounterLabel(number, number);
        AptNameText.setEnabled(false);
        AptNameText.setText(SavedICAO);
        RwText1.setText("");
        RwText2.setVisible(false);
        ProcedureNameText.setText("");
        WaypointList.Clear();
    }
    ProcedureNameText.setFocus();
}

void ModifyProcedure::DeleteProcedureCommand_Click() {
    if (WaypointList.ListCount() == 0 || !shell::isModify(m.EditMode))
        return;
    const bool star = m.EditMode == shell::EditMode::ModifySTARs;
    const procedures::ProcedureAt at = onScreen();
    if (!made(star ? procedures::removeSTAR(tables(), at) : procedures::removeSID(tables(), at)))
        return;
    stepName_ = "delete procedure " + ProcedureNameText.text();
    WaypointList.Clear();
    HideRw2to8();
    Alt1Text.setText("");
    ClearLatLongs();
    auto& counters = m.Counters;
    if (procedureRows() == 0) {
        // The airport may go without this kind of procedure: saving writes
        // the section empty.
        ProcedureNameText.setText("");
        RwText1.setText("");
        m.ProcedureStart = 1;
        setCounterLabel(0, 0);
        MsgBox(std::string("The last ") + (star ? "STAR" : "SID") + " is deleted." + CRLF +
               "Save All Procedures writes the airport without " + (star ? "STARs." : "SIDs."));
        return;
    }
    if (m.ProcedureStart > procedureRows()) {
        m.ProcedureStart = 1;
        if (star)
            CurrentSTAR = 1;
        else
            CurrentSID = 1;
    }
    LoadWaypointList();
    if (star) {
        PrintRunways();
        setCounterLabel(CurrentSTAR, counters.STARCount);
    } else {
        setCounterLabel(CurrentSID, counters.SIDCount);
    }
}

} // namespace editor
