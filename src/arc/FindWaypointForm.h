#pragma once

#include "shell/Module1.h"
#include "ui/Forms.h"

#include <cstdint>

namespace arc {

// The navaid search: lists every navaid of the identifier searched for with
// its position, and hands the chosen one to the arc generator as its centre.
class FindWaypointForm : public ui::Form {
public:
    FindWaypointForm(ui::App& app, shell::Module1& m);

    ui::Label Label1;
    ui::TextBox SearchText;
    ui::CommandButton SearchCommand;
    ui::ListBox WaypointListBox;
    // Row numbers of WaypointListBox's entries in NavaidTable; never shown.
    ui::ListBox PointerListBox;
    ui::Label LatText;
    ui::Label LongText;
    ui::Label Label2;
    ui::TextBox FreqText;
    ui::CommandButton AddWaypoint;
    ui::CommandButton GoBackCommand;

    void SearchCommand_Click();
    void WaypointListBox_Click();
    void AddWaypoint_Click();
    void GoBackCommand_Click();

    std::int32_t SelectedNavaidIndex() const { return selectedNavaidIndex_; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    shell::Module1& m_;
    std::int32_t selectedNavaidIndex_ = 0;
};

} // namespace arc
