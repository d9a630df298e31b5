// Fixes the user defines in the editor, remembered in the user-fix table,
// and the picker that offers them again.
#include "editor/ModifyProcedure.h"
#include "editor/UserFixForm.h"

#include "editor/WaypointRows.h"

#include "runtime/Numbers.h"

namespace editor {

UserFixForm* ModifyProcedure::userFixPicker() const {
    for (ui::Form* form : app().forms())
        if (auto* picker = dynamic_cast<UserFixForm*>(form))
            return picker;
    return nullptr;
}

void ModifyProcedure::AddUserFix(const std::string& name) {
    // A navaid waypoint has no fix name: nothing to remember.
    if (name.empty() || m.UserFixTable.find(name) != 0)
        return;
    store::FixRecord fix;
    const int known = FixIsKnown != store::False
                          ? procedures::FixCatalogue(m.Store.Fixes, m.Store.FixCount).find(name)
                          : 0;
    if (known != 0) {
        // The boxes of a known fix hold no position; its definition does.
        fix = m.Store.Fixes[known];
    } else {
        fix = fixPanel_.newFix();
        fix.Name = name;
        // The user-fix file keeps the bare ID.
        fix.TypeOfID = FixIDText.text();
    }
    if (!m.UserFixTable.append(std::move(fix)))
        return;
    reference::SortUserFixArray(m.UserFixTable);
    RefillUserFixPicker();
}

void ModifyProcedure::RefillUserFixPicker() {
    UserFixForm* picker = userFixPicker();
    if (picker == nullptr)
        return;
    // Loading fills the list once; it is then filled afresh either way.
    picker->load();
    picker->UserFixList.Clear();
    picker->FillUserFixList();
}

void ModifyProcedure::FixNameText_DblClick() {
    UserFixForm* picker = userFixPicker();
    if (picker == nullptr)
        return;
    // The save sorts the table behind the list's back; the list shown
    // always matches the table, since entry e stands for row e + 1.
    RefillUserFixPicker();
    if (picker->UserFixList.ListCount() > 0)
        picker->show();
}

} // namespace editor
