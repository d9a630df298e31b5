#pragma once

#include "procedures/EditHistory.h"
#include "shell/FixEntryPanel.h"
#include "shell/MapPanel.h"
#include "shell/Module1.h"
#include "shell/RunwayBoxAccess.h"
#include "transitions/FeederAccess.h"
#include "ui/Forms.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace transitions {

// The runway transition editor: every feeder of one runway, edited on
// Module1's WorkRunways and WorkFixes, which reach Runways and Fixes only
// when the feeder is saved. Opened by the procedure editor, which it shows
// again when it closes. Its logic is split by concern: the feeders and
// saving, the waypoint commands, and the entry boxes.
class RunwayForm : public ui::Form, public FeederAccess {
public:
    RunwayForm(ui::App& app, shell::Module1& m, shell::RunwayBoxAccess& procedureEditor);

    // The runway, the airport and the feeder counter.
    ui::Frame Frame3{*this, "Frame3"};
    ui::Label Label8{*this, "Label8"};
    ui::Label FeederNumbers{*this, "FeederNumbers"};

    // The waypoint being entered.
    ui::Label RWAddNavLabel{*this, "RWAddNavLabel"};
    ui::TextBox RWAddNavText{*this, "RWAddNavText"};
    ui::Label RWAlt1Label{*this, "RWAlt1Label"};
    ui::TextBox RWAlt1Text{*this, "RWAlt1Text"};

    // A user-defined fix: by latitude and longitude, or radial and distance.
    ui::Frame RWUserFixFrame{*this, "RWUserFixFrame"};
    ui::Label RWFixNameLabel{*this, "RWFixNameLabel"};
    ui::TextBox RWFixNameText{*this, "RWFixNameText"};
    ui::Label RwFixIDLabel{*this, "RwFixIDLabel"};
    ui::TextBox RwFixIDText{*this, "RwFixIDText"};
    ui::Label RWLatLabel{*this, "RWLatLabel"};
    ui::TextBox RWDDMLatText{*this, "RWDDMLatText"};
    ui::TextBox RWDMMLatText{*this, "RWDMMLatText"};
    ui::Frame RWLatFrame{*this, "RWLatFrame"};
    ui::OptionButton RWNLatOption{*this, "RWNLatOption"};
    ui::OptionButton RWSLatOption{*this, "RWSLatOption"};
    ui::Label RWLongLabel{*this, "RWLongLabel"};
    ui::TextBox RWDDMLongText{*this, "RWDDMLongText"};
    ui::TextBox RWDMMLongText{*this, "RWDMMLongText"};
    ui::Frame RWLongFrame{*this, "RWLongFrame"};
    ui::OptionButton RWELongOption{*this, "RWELongOption"};
    ui::OptionButton RWWLongOption{*this, "RWWLongOption"};
    ui::Label RWVORFIXLabel{*this, "RWVORFIXLabel"};
    ui::TextBox RWVORFIXText{*this, "RWVORFIXText"};
    ui::Label RWHeadingLabel{*this, "RWHeadingLabel"};
    ui::TextBox RWHeadingText{*this, "RWHeadingText"};
    ui::Label RWDistLabel{*this, "RWDistLabel"};
    ui::TextBox RWDistText{*this, "RWDistText"};

    // The feeder's waypoints and their commands.
    ui::CommandButton AddRWWaypointCommand{*this, "AddRWWaypointCommand"};
    ui::CommandButton ModifyRWWaypointCommand{*this, "ModifyRWWaypointCommand"};
    ui::CommandButton ClearRWDataCommand{*this, "ClearRWDataCommand"};
    ui::Label RWWaypointListLabel{*this, "RWWaypointListLabel"};
    ui::ListBox RWWaypointList{*this, "RWWaypointList"};
    ui::CommandButton RWMoveUp{*this, "RWMoveUp"};
    ui::CommandButton RWMoveDown{*this, "RWMoveDown"};
    ui::CommandButton DeleteRWWaypointCommand{*this, "DeleteRWWaypointCommand"};
    ui::CommandButton AddArcCommand{*this, "AddArcCommand"};

    // The map of the runway's feeders beside the list.
    ui::MapView FeederMap{*this, "FeederMap"};
    ui::Label RWVariationLabel{*this, "RWVariationLabel"};
    ui::TextBox RWVariationText{*this, "RWVariationText"};

    // Feeder commands.
    ui::CommandButton AddFeederProcedureCommand{*this, "AddFeederProcedureCommand"};
    ui::CommandButton DeleteFeederCommand{*this, "DeleteFeederCommand"};
    ui::CommandButton ViewNextFeederCommand{*this, "ViewNextFeederCommand"};
    ui::CommandButton RWSaveCommand{*this, "RWSaveCommand"};
    ui::CommandButton RWOopsCommand{*this, "RWOopsCommand"};
    ui::CommandButton RWUndoCommand{*this, "RWUndoCommand"};
    ui::CommandButton RWRedoCommand{*this, "RWRedoCommand"};

    // Screen state (FeederStart and LastInsertedRow live in Module1).
    std::int16_t FeederNumber = 1;
    std::int16_t FeederTotal = 1;
    std::int16_t RwFixIndex = 0;

    // --- Feeders, saving and leaving ---
    void LoadRWWaypointList();
    void AddFeederProcedureCommand_Click();
    void DeleteFeederCommand_Click();
    void ViewNextFeederCommand_Click();
    void RWSaveCommand_Click();
    void RWOopsCommand_Click();
    void AddArcCommand_Click();

    // --- Undo and redo (the history ends at a save and on leaving) ---
    void RWUndoCommand_Click();
    void RWRedoCommand_Click();
    // The working tables hold no edit the history has not recorded.
    bool historyRecorded() const { return history_.recorded(); }

    // --- Waypoint commands ---
    void AddRWWaypointCommand_Click();
    void ModifyRWWaypointCommand_Click();
    void DeleteRWWaypointCommand_Click();
    void RWMoveUp_Click();
    void RWMoveDown_Click();
    void RWWaypointList_Click();
    void PrintRWLatLong(int k);
    void ClearRWLatLongs();
    void ClearRWDataCommand_Click();
    void RwEnableUserDefinedAndNavaidSection();

    // --- Entry boxes ---
    void RWAddNavText_LostFocus();
    void RWAddNavText_KeyPress(int& KeyAscii);
    void RWFixNameText_LostFocus();
    void RWFixNameText_KeyPress(int& KeyAscii);
    void RWAlt1Text_LostFocus();

    // --- For the arc generator ---
    procedures::FeederTables feederTables() override;
    void feederChanged(const std::string& step) override;
    void closeWithEditor(ui::Form& form) override;

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool Form_QueryUnload() override;

    shell::Module1& m;

private:
    // The map follows every edit and selection: renewed after each user action.
    void refreshMap();
    void setDesignState();
    void wireEvents();

    // "Feeder  1 of  2".
    void refreshCounterLabel();
    // Lists the rows of the feeder that begins at FeederStart.
    void listFeeder();
    // The runway's first feeder on screen, counted afresh.
    void showFirstFeeder();
    // The refusal of a checked box: the message, then the focus back into
    // the box with its whole text selected.
    void refuse(ui::TextBox& box, const std::string& message);
    // The refusal of an edit: its message, the focus in the box it is about.
    void refuse(const procedures::Refusal& refusal);
    // Shows the procedure editor again; this screen is hidden first, so that
    // none of its boxes runs a leave check on the way out.
    void returnToEditor(bool focusNavaidBox);
    void closeDependents();
    void discardWork();
    // Leaving without saving: true when there is no work to lose, or the
    // user agrees to lose it.
    bool mayDiscardWork();
    // The working copies as the screen opened them.
    store::RunwayTable openedRunways_;
    std::int16_t openedRunwayCount_ = 0;
    store::FixTable openedFixes_;
    std::int32_t openedFixCount_ = 0;

    // Names given to fixes through Modify, in order, for the save.
    procedures::FixRenames renames_;
    shell::MapPanel mapPanel_{{FeederMap, RWVariationText, RWVariationLabel}, m};

    // What a step changes besides the tables, and what the screen showed.
    struct StepValues {
        std::int32_t fixCount = 0;
        std::int16_t rowCount = 0;
        std::int16_t lastInserted = 0;
        std::int16_t arcCounter = 0;
        procedures::FixRenames renames;
        bool operator==(const StepValues&) const = default;
    };
    struct StepView {
        std::int16_t feederStart = 0;
        std::int16_t feederNumber = 1;
        std::int16_t feederTotal = 1;
        int listIndex = -1;
    };
    StepValues stepValues() const;
    StepView stepView() const;
    // Each user action that changed the working tables is one step, named
    // by the command that made it; the view is what it began with.
    void userEventBegins() override { stepBefore_ = stepView(); }
    void userEventEnded() override;
    StepView stepBefore_;
    std::string stepName_;
    void showStep(const StepValues& values, const StepView& view);
    void showUndoButtons();
    // The list text of entry `entry` of the feeder on screen.
    std::string entryName(int entry) const;
    procedures::EditHistory<StepValues, StepView> history_{{&m.WorkFixes, &m.WorkRunways}};
    shell::FixEntryPanel fixPanel_{{RWFixNameText, RwFixIDText, RWDDMLatText, RWDMMLatText,
                                    RWNLatOption, RWSLatOption, RWDDMLongText, RWDMMLongText,
                                    RWELongOption, RWWLongOption, RWVORFIXText, RWHeadingText,
                                    RWDistText}};
    std::vector<ui::Form*> dependents_;
    shell::RunwayBoxAccess& procedureEditor_;
    bool leaving_ = false;
};

} // namespace transitions
