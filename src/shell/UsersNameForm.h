#pragma once

#include "shell/Module1.h"
#include "ui/Forms.h"

namespace shell {

// Asks once for the author's name printed in the files' headers.
class UsersNameForm : public ui::Form {
public:
    UsersNameForm(ui::App& app, Module1& m);

    ui::Label Label1{*this, "Label1"};
    ui::TextBox AuthorText{*this, "AuthorText"};
    ui::CommandButton NextCommand{*this, "NextCommand"};

private:
    void NextCommand_Click();

    Module1& m;
    std::string typedName_;
};

} // namespace shell
