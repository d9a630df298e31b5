#pragma once

#include "shell/Module1.h"
#include "ui/Forms.h"

namespace shell {

// The simulator folder locator: the user points at the folder with a drive
// list and a folder list; "Done" remembers it in the locator's settings.
class FindFlyForm : public ui::Form {
public:
    FindFlyForm(ui::App& app, Module1& m);

    ui::Frame Frame1{*this, "Frame1"};
    ui::Label Label1{*this, "Label1"};
    ui::DriveListBox Drive1{*this, "Drive1"};
    ui::DirListBox Dir1{*this, "Dir1"};
    ui::CommandButton FindDoneCommand{*this, "FindDoneCommand"};

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    bool locatingSimulator() const { return m.LocatorMode == "F"; }
    // FlyFolder in the simulator mode, else the folder of the other mode.
    std::string& chosenFolder() { return locatingSimulator() ? m.FlyFolder : otherFolder_; }
    void Dir1_Click();
    void FindDoneCommand_Click();

    Module1& m;
    std::string otherFolder_;
    bool done_ = false;
};

} // namespace shell
