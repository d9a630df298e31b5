// The entry boxes: name lookups when a box is left, the field checks and
// the Enter-key chain.
#include "transitions/RunwayForm.h"

#include "procedures/EntryRules.h"
#include "reference/FixLookup.h"
#include "reference/NavaidLookup.h"
#include "runtime/Text.h"

#include <initializer_list>

namespace transitions {

namespace {

void upperCase(ui::TextBox& box) {
    const std::string upper = runtime::toUpper(box.text());
    if (upper != box.text())
        box.setText(upper);
}

} // namespace

void RunwayForm::RWAddNavText_LostFocus() {
    m.UseWorkFixes = store::True;
    if (RWAddNavText.text().empty())
        return;
    if (const std::string refusal = procedures::checkName(RWAddNavText.text()); !refusal.empty()) {
        refuse(RWAddNavText, refusal);
        return;
    }
    upperCase(RWAddNavText);
    const std::string name = RWAddNavText.text();
    if (reference::LookUpNavaid(m.NavaidTable, name, m.Reference))
        return;
    if (!reference::LookUpFix(name, reference::FixTableKind::WorkFixes, m.WorkFixes, m.WorkFixCount,
                              m.UserFixTable, m.NavaidTable, m.Reference)) {
        MsgBox("The Navaid " + name + " is not in the Fly2 or user database.\r\n" +
               "You will have to create a user defined fix.");
        RWFixNameText.setText(name);
        RWAddNavText.setText("");
        RWDDMLatText.setFocus();
        return;
    }
    const int answer = MsgBox(name + " is already a user defined Fix.\r\n" +
                                  "It will automatically be added if you answer 'No' below.\r\n" +
                                  "Do you want to add an altitude restriction?",
                              ui::Buttons::YesNo);
    if (answer == ui::answers::No) {
        RWFixNameText.setText(name);
        RWAddNavText.setText("");
        AddRWWaypointCommand_Click();
        RWAddNavText.setFocus();
        return;
    }
    fixPanel_.setEnabled(false);
    RWFixNameText.setText(name);
    RWAddNavText.setText("");
    RWAlt1Text.setFocus();
}

void RunwayForm::RWFixNameText_LostFocus() {
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&RWVORFIXLabel, &RWVORFIXText, &RWHeadingLabel,
                                             &RWHeadingText, &RWDistLabel, &RWDistText})
        c->setEnabled(true);
    if (RWFixNameText.text().empty())
        return;
    if (const std::string refusal = procedures::checkName(RWFixNameText.text()); !refusal.empty()) {
        refuse(RWFixNameText, refusal);
        return;
    }
    upperCase(RWFixNameText);
    // With an entry selected the boxes are being edited for Modify: offering
    // to add the fix as a new waypoint would only lead to Add's refusal.
    if (RWWaypointList.listIndex() >= 0)
        return;
    const std::string name = RWFixNameText.text();
    m.Store.FixesDefined = store::True;
    m.UseWorkFixes = store::True;
    if (!reference::LookUpFix(name, reference::FixTableKind::WorkFixes, m.WorkFixes, m.WorkFixCount,
                              m.UserFixTable, m.NavaidTable, m.Reference)) {
        return;
    }
    const int answer = MsgBox(name + " is already a defined Fix.\r\n" +
                                  "It will automatically be added if you answer 'No' below.\r\n" +
                                  "Do you want to add an altitude restriction?",
                              ui::Buttons::YesNo);
    if (answer == ui::answers::No) {
        RWAddNavText.setText("");
        AddRWWaypointCommand_Click();
        RWFixNameText.setFocus();
    } else {
        RWAlt1Text.setFocus();
    }
}

void RunwayForm::RWAlt1Text_LostFocus() {
    if (const std::string message = procedures::checkAltitude(RWAlt1Text.text()); !message.empty())
        refuse(RWAlt1Text, message);
}

void RunwayForm::RWAddNavText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        RWAlt1Text.setFocus();
}

void RunwayForm::RWFixNameText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        RwFixIDText.setFocus();
}

} // namespace transitions
