#pragma once

#include "shell/Module1.h"
#include "ui/Forms.h"

namespace shell {

// The airport selection: lists the airport files of the data folder,
// narrowed by the start of an ICAO code, and opens the editor on a click.
class PickFile : public ui::Form {
public:
    PickFile(ui::App& app, Module1& m);

    ui::Label Label1{*this, "Label1"};
    ui::TextBox PickICAO{*this, "PickICAO"};
    ui::FileListBox FileList{*this, "FileList"};
    ui::CommandButton DoneCommand{*this, "DoneCommand"};

protected:
    void Form_Load() override;

private:
    void PickICAO_Change();
    void PickICAO_Enter();
    void FileList_Click();

    Module1& m;
};

} // namespace shell
