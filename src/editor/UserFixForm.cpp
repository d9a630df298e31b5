#include "editor/UserFixForm.h"

#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"
#include "procedures/FixFieldText.h"

#include <algorithm>

namespace editor {

UserFixForm::UserFixForm(ui::App& app, shell::Module1& module)
    : ui::Form(app, "UserFixForm"), m(module) {
    setCaption("User Fixes");
    setSize(260, 360);
    UserFixList.setAccessibleName("User fixes");
    UseFixCommand.setCaption("Use Fix Data");
    GoBackCommand.setCaption("      Oops        Go Back");
    GoBackCommand.makeLeaveButton();
    UseFixCommand.Click = [this] { UseFixCommand_Click(); };
    UserFixList.DblClick = [this] { UserFixList_DblClick(); };
    GoBackCommand.Click = [this] { GoBackCommand_Click(); };
    setTabOrder({&UserFixList, &UseFixCommand, &GoBackCommand});
}

void UserFixForm::Form_Load() {
    const ui::App& a = app();
    move((a.screenWidth() - width()) / 4, (a.screenHeight() - height()) / 4);
    FillUserFixList();
}

const std::string& UserFixForm::entryText(const store::FixRecord& fix) {
    return fix.Name.empty() ? fix.VOR : fix.Name;
}

void UserFixForm::FillUserFixList() {
    for (const store::FixRecord& fix : m.UserFixTable.rows())
        UserFixList.AddItem(entryText(fix));
}

void UserFixForm::UseSelectedFix() {
    const int entry = UserFixList.listIndex();
    if (entry < 0)
        return;
    const std::string text = UserFixList.List(entry);
    std::int32_t row = entry + 1;
    // The list follows the table; should the two have drifted apart, the
    // entry's own fix is the one meant.
    if (!m.UserFixTable.fits(row) || entryText(m.UserFixTable[row]) != text) {
        row = 0;
        for (std::int32_t r = 1; r <= m.UserFixTable.UserFixCount() && row == 0; ++r)
            if (entryText(m.UserFixTable[r]) == text)
                row = r;
        if (row == 0)
            return;
    }

    ModifyProcedure& editor = app().get<ModifyProcedure>();
    editor.PickedFixName = text;
    if (!text.empty())
        for (std::int32_t i = 1; i <= std::min(m.Store.FixCount, std::int32_t{store::FixCapacity});
             ++i)
            if (m.Store.Fixes[i].Name == text) {
                // The airport defines the fix already: its own definition
                // holds.
                editor.FixNameText.setText(text);
                return;
            }

    // Only one form of position may stay in the boxes, or the add command
    // would take the other one, left from before.
    editor.fixPanel().show(m.UserFixTable[row]);
}

void UserFixForm::UseFixCommand_Click() {
    // With nothing selected the picker stays open for a choice.
    if (UserFixList.listIndex() < 0)
        return;
    UseSelectedFix();
    hide();
}

void UserFixForm::UserFixList_DblClick() {
    UseSelectedFix();
    hide();
}

void UserFixForm::GoBackCommand_Click() {
    hide();
}

} // namespace editor
