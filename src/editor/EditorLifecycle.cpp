#include "editor/ModifyProcedure.h"

#include "procedures/EntryRules.h"
#include "runtime/RuntimeError.h"
#include "runtime/Text.h"
#include "store/AirportReader.h"

#include <filesystem>

namespace editor {

namespace {

void hideForm(ui::App& app, std::string_view name) {
    if (ui::Form* form = app.findForm(name))
        form->hide();
}

void showForm(ui::App& app, std::string_view name) {
    if (ui::Form* form = app.findForm(name))
        form->show();
}
} // namespace

void ModifyProcedure::Form_Load() {
    fixPanel_.forgetAirport();
    procedures::clearTables(tables());
    hideForm(app(), "InitialLoad");
    FreshForm();
    CurrentSID = 1;
    CurrentSTAR = 1;
    m.ProcedureStart = 1;
    m.ArcCounter = 1;
    m.BackToMenu = store::False;
    FixIsKnown = store::False;
    FixIndex = 0;
    PickedFixName.clear();

    OpenedFile.clear();
    OpenedICAO.clear();
    const shell::EditMode mode = m.EditMode;
    if (mode == shell::EditMode::ModifySIDs) {
        setCaption("Modify a Departure Procedure");
        AptNameText.setEnabled(false);
        ProcedureNameText.setEnabled(false);
        NextProcedureCommand.setEnabled(true);
    } else if (mode == shell::EditMode::ModifySTARs) {
        setCaption("Modify a Standard Terminal Arrival Procedure");
        AptNameText.setEnabled(false);
        ProcedureNameText.setEnabled(false);
        AptNameText.setVisible(false);
        coverInterceptONHDG(true);
    } else if (mode == shell::EditMode::CreateSIDs) {
        setCaption("Create a Departure Procedure");
        AptNameText.setEnabled(true);
        ProcedureNameText.setEnabled(true);
        int number = 0;
        procedures::beginSID(tables(), number);
        WaypointList.Clear();
        NextProcedureCommand.setEnabled(false);
        DeleteProcedureCommand.setEnabled(false);
    } else if (mode == shell::EditMode::CreateSTARs) {
        setCaption("Create a Standard Terminal Arrival Procedure");
        AptNameText.setEnabled(true);
        ProcedureNameText.setEnabled(true);
        int number = 0;
        procedures::beginSTAR(tables(), number);
        WaypointList.Clear();
        coverInterceptONHDG(true);
        NextProcedureCommand.setEnabled(false);
        DeleteProcedureCommand.setEnabled(false);
    }

    // The runway boxes open their feeders in the STAR modes only.
    for (int k = 1; k <= 8; ++k)
        runwayBox(k).setToolTip(
            shell::isSTARMode(mode) ? "Double-click or F4: the feeders of this runway" : "");

    if (!shell::isModify(mode)) {
        setCounterLabel(1, 1);
    } else {
        // The box keeps the code without ".txt" (also for codes shorter
        // than four characters, which the length limit alone would not).
        AptNameText.setText(std::filesystem::path(m.AirportFileName).stem().string());
        SavedICAO = AptNameText.text();
        m.Reference = {};
        if (const auto* airport = m.AirportTable.findAirport(SavedICAO))
            m.Reference = {airport->AirportLat, airport->AirportLong};

        store::ReadResult read;
        try {
            read = store::LoadDataFromFile(m.DataFolder / m.AirportFileName, m.Store, m.Counters);
        } catch (const runtime::RuntimeError&) {
            MsgBox("The airport file " + m.AirportFileName + " could not be read.");
            m.BackToMenu = store::True;
            openedTables_.take(m.Store, m.Counters);
            startHistory();
            return;
        }
        if (!read.ok) {
            MsgBox(read.message);
            End();
        }
        OpenedFile = m.DataFolder / m.AirportFileName;
        OpenedICAO = SavedICAO;
        m.ProcedureStart = 1;
        if (mode == shell::EditMode::ModifySTARs)
            setCounterLabel(CurrentSTAR, m.Counters.STARCount);
        else
            setCounterLabel(CurrentSID, m.Counters.SIDCount);
        LoadWaypointList();
        SearchForAirport();
        if (mode == shell::EditMode::ModifySTARs)
            PrintRunways();
        // The airport had none of the kind and the user chose to add some.
        if (!shell::isModify(m.EditMode))
            setCaption(isSTARMode() ? "Create a Standard Terminal Arrival Procedure"
                                    : "Create a Departure Procedure");
        else
            setFirstFocus(AddNavText);
    }

    reference::CombineFixes(m.Store.Fixes, m.Store.FixCount, m.UserFixTable,
                            [this] { RefillUserFixPicker(); });
    if (ui::Form* picker = app().findForm("UserFixForm")) {
        picker->show();
        picker->hide();
    }
    openedTables_.take(m.Store, m.Counters);
    startHistory();
}

void ModifyProcedure::FreshForm() {
    for (ui::TextBox* box :
         {&AddNavText, &Alt1Text, &FixNameText, &FixIDText, &DDMLatText, &DMMLatText, &DDMLongText,
          &DMMLongText, &VORFIXText, &HeadingText, &DistText}) {
        box->setText("");
        box->setEnabled(true);
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &AddNavLabel, &AltLabel, &FixNameLabel, &FixIDLabel, &LatLabel, &LongLabel, &VORLabel,
             &HeadingLabel, &DistLabel, &NLatOption, &SLatOption, &ELongOption, &WLongOption,
             &FloatAltOption})
        c->setEnabled(true);
    WaypointList.Clear();
    AptNameText.setText(m.TypedICAO);
    AptNameText.setEnabled(false);
    ProcedureNameText.setText("");
    RwText1.setText("");
}

void ModifyProcedure::Form_Unload() {
    history_.end();
    hideForm(app(), "UserFixForm");
    showForm(app(), "InitialLoad");
}

void ModifyProcedure::AptNameText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        ProcedureNameText.setFocus();
}

void ModifyProcedure::AptNameText_LostFocus() {
    AptNameText.setText(runtime::toUpper(AptNameText.text()));
    m.TypedICAO = AptNameText.text();
    SearchForAirport();
}

void ModifyProcedure::ProcedureNameText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        RwText1.setFocus();
}

void ModifyProcedure::ProcedureNameText_LostFocus() {
    if (const std::string refusal = procedures::checkName(ProcedureNameText.text());
        !refusal.empty()) {
        refuse(ProcedureNameText, refusal);
        return;
    }
    ProcedureNameText.setText(runtime::toUpper(ProcedureNameText.text()));
    // The procedure on screen takes the name at once; a SID without legs
    // is only checked against the SIDs beside its place.
    const std::string& name = ProcedureNameText.text();
    if (!name.empty() && !made(isSTARMode() ? procedures::renameSTAR(tables(), onScreen(), name)
                                            : procedures::renameSID(tables(), onScreen(), name)))
        return;
    stepName_ = "name the procedure " + name;
    if ((m.Store.SIDs[1].Name.empty() && m.EditMode == shell::EditMode::CreateSIDs) ||
        (m.Store.STARs[1].Name.empty() && m.EditMode == shell::EditMode::CreateSTARs))
        m.ProcedureStart = 1;
}

} // namespace editor
