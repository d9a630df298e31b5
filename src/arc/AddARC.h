#pragma once

#include "procedures/ArcEdits.h"
#include "reference/NavaidTable.h"
#include "shell/Module1.h"
#include "transitions/FeederAccess.h"
#include "ui/Forms.h"

#include <optional>
#include <string>
#include <vector>

namespace arc {

// The DME arc generator: turns an arc around a navaid into radial-and-
// distance fixes at the end of the feeder on the transition editor's
// screen, in the working tables.
class AddARC : public ui::Form {
public:
    AddARC(ui::App& app, shell::Module1& m);

    ui::CommandButton SelectNavaidCommand;
    ui::Label Label4;
    ui::TextBox ArcText;
    ui::Label Label1;
    ui::TextBox ArcStartText;
    ui::Label Label2;
    ui::TextBox ArcEndText;
    ui::Label Label3;
    ui::TextBox ArcRadiusText;
    ui::Label Label5;
    ui::TextBox StepAngleText;
    ui::Frame Frame1;
    ui::OptionButton LeftOption;
    ui::OptionButton RightOption;
    ui::Frame Frame2;
    ui::OptionButton TurnInOptionYes;
    ui::OptionButton TurnInOptionNo;
    ui::Label Label6;
    ui::TextBox ArcAltText;
    ui::CommandButton TransferCommand;
    ui::CommandButton ExitCommand;

    void SelectNavaidCommand_Click();
    void ArcText_LostFocus();
    void ArcStartText_LostFocus();
    void ArcEndText_LostFocus();
    void ArcRadiusText_LostFocus();
    void StepAngleText_LostFocus();
    void ArcAltText_LostFocus();
    void TransferCommand_Click();
    void ExitCommand_Click();

    // The navaid chosen through the search: the arc's centre and label.
    void chooseCentre(const reference::NavaidRecord& navaid);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void checkRadialBox(ui::TextBox& box);
    // Shows the message and gives the box the focus back, all selected.
    void refuse(ui::TextBox& box, const std::string& message);
    // Said both when a radial box is left and when the arc is made.
    void refuseRadialAbove360(ui::TextBox& box);
    // The checks of the boxes; the input when all pass.
    std::optional<procedures::ArcInput> readInput();
    bool refuseProblem(const procedures::ArcInput& input);
    procedures::ArcCentre centre() const;

    // The transition editor the points go to.
    transitions::FeederAccess& feeder() const;

    shell::Module1& m_;
    std::optional<reference::NavaidRecord> centre_;
};

} // namespace arc
