#pragma once

#include "shell/Module1.h"
#include "ui/Forms.h"

#include <string>

namespace editor {

// The picker of the user's own fixes, opened by a double click on the
// procedure editor's fix-name box. Shown and hidden, never closed, while the
// editor runs: its list stays as it is until the user-fix table changes.
// Entry e of the list stands for row e + 1 of the user-fix table.
class UserFixForm : public ui::Form {
public:
    UserFixForm(ui::App& app, shell::Module1& m);

    ui::ListBox UserFixList{*this, "UserFixList"};
    ui::CommandButton UseFixCommand{*this, "UseFixCommand"};
    ui::CommandButton GoBackCommand{*this, "GoBackCommand"};

    // Appends one entry per user fix, in table order: its name, or its
    // navaid when it has none. Does not empty the list first.
    void FillUserFixList();
    // Copies the selected fix into the procedure editor's fix boxes.
    void UseSelectedFix();

    void UseFixCommand_Click();
    void UserFixList_DblClick();
    void GoBackCommand_Click();

    // The text an entry shows for a user fix.
    static const std::string& entryText(const store::FixRecord& fix);

protected:
    void Form_Load() override;

private:
    shell::Module1& m;
};

} // namespace editor
