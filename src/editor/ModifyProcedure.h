#pragma once

#include "procedures/EditHistory.h"
#include "procedures/ProcedureEdits.h"
#include "procedures/TablesSnapshot.h"
#include "shell/FixEntryPanel.h"
#include "shell/MapPanel.h"
#include "shell/Module1.h"
#include "shell/RunwayBoxAccess.h"
#include "ui/Forms.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace editor {

class UserFixForm;

// The procedure editor: creates or modifies the SIDs or the STARs of one
// airport. The airport itself lives in Module1; this screen keeps only the
// position of the procedure on screen and the state of the entry boxes.
// Its logic is split by concern: lifecycle and navigation, field checks,
// list commands, runway boxes, lookups, user fixes and the save command.
class ModifyProcedure : public ui::Form, public shell::RunwayBoxAccess {
public:
    ModifyProcedure(ui::App& app, shell::Module1& m);

    // Procedure identity and navigation.
    ui::Label ICAOLabel{*this, "ICAOLabel"};
    ui::TextBox AptNameText{*this, "AptNameText"};
    ui::Label AirportInfoLabel{*this, "AirportInfoLabel"};
    ui::Label ProcedureNameLabel{*this, "ProcedureNameLabel"};
    ui::TextBox ProcedureNameText{*this, "ProcedureNameText"};
    ui::Label RunwaysLabel{*this, "RunwaysLabel"};
    ui::TextBox RwText1{*this, "RwText1"};
    ui::TextBox RwText2{*this, "RwText2"};
    ui::TextBox RwText3{*this, "RwText3"};
    ui::TextBox RwText4{*this, "RwText4"};
    ui::TextBox RwText5{*this, "RwText5"};
    ui::TextBox RwText6{*this, "RwText6"};
    ui::TextBox RwText7{*this, "RwText7"};
    ui::TextBox RwText8{*this, "RwText8"};
    ui::Label SIDCountLabel{*this, "SIDCountLabel"};

    // The waypoint being entered.
    ui::Label AddNavLabel{*this, "AddNavLabel"};
    ui::TextBox AddNavText{*this, "AddNavText"};
    ui::Label AltLabel{*this, "AltLabel"};
    ui::TextBox Alt1Text{*this, "Alt1Text"};
    ui::CheckBox FloatAltOption{*this, "FloatAltOption"};

    // A user-defined fix: by latitude and longitude, or radial and distance.
    ui::Frame UserFixFrame{*this, "UserFixFrame"};
    ui::Label FixNameLabel{*this, "FixNameLabel"};
    ui::TextBox FixNameText{*this, "FixNameText"};
    ui::Label FixIDLabel{*this, "FixIDLabel"};
    ui::TextBox FixIDText{*this, "FixIDText"};
    ui::Label LatLabel{*this, "LatLabel"};
    ui::TextBox DDMLatText{*this, "DDMLatText"};
    ui::TextBox DMMLatText{*this, "DMMLatText"};
    ui::Frame LatFrame{*this, "LatFrame"};
    ui::OptionButton NLatOption{*this, "NLatOption"};
    ui::OptionButton SLatOption{*this, "SLatOption"};
    ui::Label LongLabel{*this, "LongLabel"};
    ui::TextBox DDMLongText{*this, "DDMLongText"};
    ui::TextBox DMMLongText{*this, "DMMLongText"};
    ui::Frame LongFrame{*this, "LongFrame"};
    ui::OptionButton ELongOption{*this, "ELongOption"};
    ui::OptionButton WLongOption{*this, "WLongOption"};
    ui::Label VORLabel{*this, "VORLabel"};
    ui::TextBox VORFIXText{*this, "VORFIXText"};
    ui::Label HeadingLabel{*this, "HeadingLabel"};
    ui::TextBox HeadingText{*this, "HeadingText"};
    ui::Label DistLabel{*this, "DistLabel"};
    ui::TextBox DistText{*this, "DistText"};

    // On-heading and intercept legs (SIDs only; covered in the STAR modes).
    ui::Frame OnHeadFrame{*this, "OnHeadFrame"};
    ui::Label OnHeadAltLabel{*this, "OnHeadAltLabel"};
    ui::TextBox OnHeadAltText{*this, "OnHeadAltText"};
    ui::Label OnHeadDistLabel{*this, "OnHeadDistLabel"};
    ui::TextBox OnHeadDistText{*this, "OnHeadDistText"};
    ui::Frame InterceptFrame{*this, "InterceptFrame"};
    ui::Label InterceptHeadingLabel{*this, "InterceptHeadingLabel"};
    ui::TextBox InterceptHeadingText{*this, "InterceptHeadingText"};
    ui::OptionButton InterceptToOption{*this, "InterceptToOption"};
    ui::OptionButton InterceptFromOption{*this, "InterceptFromOption"};
    ui::Frame HideInterceptONHDG{*this, "HideInterceptONHDG"};

    // The waypoint list and its commands.
    ui::CommandButton AddWaypointCommand{*this, "AddWaypointCommand"};
    ui::CommandButton ModifyWaypointCommand{*this, "ModifyWaypointCommand"};
    ui::CommandButton ClearDataCommand{*this, "ClearDataCommand"};
    ui::Label WaypointListLabel{*this, "WaypointListLabel"};
    ui::ListBox WaypointList{*this, "WaypointList"};
    ui::CommandButton MoveUp{*this, "MoveUp"};
    ui::CommandButton MoveDown{*this, "MoveDown"};
    ui::CommandButton DeleteWaypointCommand{*this, "DeleteWaypointCommand"};
    // Under the list, so before the procedure commands in tab order.
    ui::CommandButton UndoCommand{*this, "UndoCommand"};
    ui::CommandButton RedoCommand{*this, "RedoCommand"};

    // Procedure commands.
    ui::CommandButton NextProcedureCommand{*this, "NextProcedureCommand"};
    ui::CommandButton AddAnotherProcedureCommand{*this, "AddAnotherProcedureCommand"};
    ui::CommandButton DeleteProcedureCommand{*this, "DeleteProcedureCommand"};
    ui::CommandButton SaveCommand{*this, "SaveCommand"};
    ui::CommandButton OopsCommand{*this, "OopsCommand"};

    // The map of the procedures beside the list.
    ui::MapView ProcedureMap{*this, "ProcedureMap"};
    ui::Label VariationLabel{*this, "VariationLabel"};
    ui::TextBox VariationText{*this, "VariationText"};

    // Box k (1..8) of the runway boxes.
    ui::TextBox& runwayBox(int k);

    // Editor state (the rest lives in Module1).
    std::int16_t CurrentSID = 1;
    std::int16_t CurrentSTAR = 1;
    std::string SavedICAO;
    // The airport file this screen opened and the code its box showed then;
    // empty for a new airport. Save writes back to it.
    std::filesystem::path OpenedFile;
    std::string OpenedICAO;
    store::Flag FixIsKnown = store::False;
    // The name the user-fix picker last put in the fix-name box: chosen
    // there, it is not asked about again when the box is left.
    std::string PickedFixName;
    std::int16_t FixIndex = 0;

    // --- Lifecycle and navigation ---
    void FreshForm();
    void LoadWaypointList();
    // Lists the legs of the procedure at ProcedureStart.
    void fillWaypointList();
    void NextProcedureCommand_Click();
    void AddAnotherProcedureCommand_Click();
    void DeleteProcedureCommand_Click();
    void OopsCommand_Click();
    // The tables differ from the snapshot taken at opening, or the name and
    // runway boxes from the procedure on screen.
    bool hasUnsavedChanges() const;
    // The name and runway boxes show what the procedure on screen holds.
    bool boxesMatchProcedure() const;
    void AptNameText_KeyPress(int& KeyAscii);
    void AptNameText_LostFocus();
    void ProcedureNameText_KeyPress(int& KeyAscii);
    void ProcedureNameText_LostFocus();

    // --- Undo and redo (the history ends at a save and on leaving) ---
    void UndoCommand_Click();
    void RedoCommand_Click();
    // The tables hold no edit the history has not recorded.
    bool historyRecorded() const { return history_.recorded(); }

    // --- Save ---
    void SaveCommand_Click();
    // Asks whether to go on with the kind of procedure the airport lacks.
    bool askToAdd(const std::string& kind, const std::string& icao);

    // --- Field checks ---
    void Alt1Text_LostFocus();
    void OnHeadAltText_LostFocus();
    void OnHeadDistText_LostFocus();
    void InterceptHeadingText_LostFocus();
    void ClearLatLongs();
    // The fix boxes' rules; the user-fix picker shows its fix with them.
    shell::FixEntryPanel& fixPanel() { return fixPanel_; }
    void BlankAltVorBoxes();
    static std::string StripParentheses(const std::string& text);

    // --- List commands ---
    void AddWaypointCommand_Click();
    // Both return false when no row was written.
    bool AddSIDWaypoint();
    bool AddSTARWaypoint();
    void ModifyWaypointCommand_Click();
    void DeleteWaypointCommand_Click();
    void MoveUp_Click();
    void MoveDown_Click();
    void WaypointList_Click();
    void PrintLatLong(int row);
    void ClearDataCommand_Click();
    static std::string WrapInParentheses(const std::string& text);

    // --- Lookups ---
    void SearchForAirport();
    void AddNavText_KeyPress(int& KeyAscii);
    void AddNavText_LostFocus();
    void FixNameText_KeyPress(int& KeyAscii);
    void FixNameText_LostFocus();

    // --- User fixes ---
    void AddUserFix(const std::string& name);
    void FixNameText_DblClick();
    // Empties the user-fix picker's list and fills it again from the table.
    void RefillUserFixPicker();

    // --- Runway boxes ---
    static bool IsValidRunwayNumber(const std::string& text);
    static std::string CheckForZero(const std::string& text);
    bool RunwayDefined(const std::string& runway) const;
    void PrintRunways();
    // The runway boxes and the name box stored in the procedure on screen;
    // false, with the refusal shown, when they are refused.
    bool storeProcedureOnScreen();
    bool SaveRunways();
    bool SaveSIDRunways();
    void HideRw2to8();
    // The change, lost-focus and double-click events of runway box k.
    void RwText_Change(int k);
    void RwText_LostFocus(int k);
    void RwText_DblClick(int k);
    // A runway box shows red text: its runway has no transition yet.
    bool anyRunwayRed();

    // --- For the transition editor ---
    void markRunwayDefined(int box) override;
    std::string airportName() const override { return AptNameText.text(); }
    void showAgain(bool focusNavaidBox) override;
    void fixRenamed(const std::string& from, const std::string& to) override;

    // --- Shared helpers ---
    bool isSTARMode() const;
    bool isSIDMode() const { return !isSTARMode(); }
    // "Procedure  1  of  3".
    void setCounterLabel(int number, int total);
    // Shows the panel over the on-heading and intercept boxes, or takes it
    // away.
    void coverInterceptONHDG(bool covered);
    // The refusal of a checked box: the message, then the focus back into
    // the box with its whole text selected.
    void refuse(ui::TextBox& box, const std::string& message);
    // Shows a refusal of an edit: the message, then the focus in its box.
    // True when there was none.
    bool made(const procedures::Outcome& outcome);
    procedures::ProcedureTables tables() { return {m.Store, m.Counters}; }
    procedures::ProcedureAt onScreen() const;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool Form_QueryUnload() override;
    // Each user action that changed the tables is one step of undo, named
    // by the command that made it; the view is what it began with.
    void userEventBegins() override;
    void userEventEnded() override;

    shell::Module1& m;

private:
    // The map follows every edit and selection: renewed after each user action.
    void refreshMap();
    void setDesignState();
    void wireEvents();

    shell::MapPanel mapPanel_{{ProcedureMap, VariationText, VariationLabel}, m};
    shell::FixEntryPanel fixPanel_{{FixNameText, FixIDText, DDMLatText, DMMLatText, NLatOption,
                                    SLatOption, DDMLongText, DMMLongText, ELongOption, WLongOption,
                                    VORFIXText, HeadingText, DistText}};

    // Waypoint entry: rows in use in the table of the mode; the checks an
    // added waypoint passes whatever adds it; the leg the boxes describe.
    int procedureRows() const;
    bool waypointIdentityGiven();
    bool addLeg(const procedures::NewFix& newFix);
    // Leg `line` and the one after it swap places; false when refused.
    bool moveLegDown(int line);
    std::vector<std::string> runwayTexts();
    ui::TextBox* boxFor(procedures::Field field);
    // A known fix added straight from its name box (the "No" answer).
    void addKnownFixAtOnce();
    std::optional<procedures::FixChange> fixChange();
    UserFixForm* userFixPicker() const;
    std::array<ui::TextBox*, 8> runwayBoxes_;
    // Leaving without saving asks first when anything changed since this.
    procedures::TablesSnapshot openedTables_;
    bool mayDiscardChanges();

    // What a step changes besides the tables, and what the screen showed.
    struct StepValues {
        std::int32_t fixCount = 0;
        std::int16_t runwayCount = 0;
        store::Flag fixesDefined = store::False;
        store::ProcedureCounters counters;
        bool operator==(const StepValues&) const = default;
    };
    struct StepView {
        shell::EditMode mode = shell::EditMode::CreateSIDs;
        std::int16_t procedureStart = 1;
        std::int16_t currentSID = 1;
        std::int16_t currentSTAR = 1;
        std::string counter;
        std::string name;
        std::array<std::string, 8> runways;
        std::array<ui::Color, 8> colours{};
        std::array<bool, 8> shown{};
        int listIndex = -1;
    };
    StepValues stepValues() const;
    StepView stepView() const;
    void startHistory();
    void showStep(const StepValues& values, const StepView& view);
    void showUndoButtons();
    procedures::EditHistory<StepValues, StepView> history_{
        {&m.Store.Fixes, &m.Store.Runways, &m.Store.SIDs, &m.Store.STARs, &m.Store.STARRunways}};
    StepView stepBefore_;
    std::string stepName_;
};

} // namespace editor
