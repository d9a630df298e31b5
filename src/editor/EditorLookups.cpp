// The airport, navaid and fix names typed into the editor, resolved against
// the reference tables.
#include "editor/ModifyProcedure.h"
#include "editor/WaypointRows.h"

#include "procedures/EntryRules.h"
#include "reference/FixLookup.h"
#include "reference/NavaidLookup.h"
#include "runtime/Text.h"

namespace editor {

namespace {

const char* const AddAtOnceQuestion = "It will automatically be added if you answer 'No' below.\r\n"
                                      "Do you want to add an altitude restriction or intercept?";

} // namespace

void ModifyProcedure::SearchForAirport() {
    if (const reference::AirportRecord* airport = m.AirportTable.findAirport(AptNameText.text())) {
        m.Reference = {airport->AirportLat, airport->AirportLong};
        AirportInfoLabel.setCaption(airport->AirportName);
    } else {
        m.Reference = {};
        AirportInfoLabel.setCaption("Unknown Airport");
    }
}

void ModifyProcedure::AddNavText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        Alt1Text.setFocus();
}

void ModifyProcedure::FixNameText_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::KeyEnter)
        FixIDText.setFocus();
}

// Adds the waypoint named in the fix-name box without waiting for "Add To
// Waypoint List", after the same checks that command makes, so no row is
// written without a procedure name or beyond the table.
void ModifyProcedure::addKnownFixAtOnce() {
    if (!waypointIdentityGiven())
        return;
    if (!addLeg({}))
        return;
    BlankAltVorBoxes();
    for (ui::TextBox* box : {&FixNameText, &InterceptHeadingText, &OnHeadAltText, &OnHeadDistText})
        box->setText("");
    FixNameText.setFocus();
}

void ModifyProcedure::AddNavText_LostFocus() {
    m.UseWorkFixes = store::False;
    if (AddNavText.text().empty())
        return;
    if (const std::string refusal = procedures::checkName(AddNavText.text()); !refusal.empty()) {
        refuse(AddNavText, refusal);
        return;
    }
    AddNavText.setText(runtime::toUpper(AddNavText.text()));
    const std::string id = AddNavText.text();
    if (reference::LookUpNavaid(m.NavaidTable, id, m.Reference))
        return;

    if (reference::LookUpFix(id, reference::FixTableKind::Fixes, m.Store.Fixes, m.Store.FixCount,
                             m.UserFixTable, m.NavaidTable, m.Reference)) {
        FixNameText.setText(id);
        DDMLatText.setFocus();
        const int answer = MsgBox(id + " is already a user defined Fix.\r\n" + AddAtOnceQuestion,
                                  ui::Buttons::YesNo);
        m.Store.FixesDefined = store::True;
        if (answer == ui::answers::No) {
            AddNavText.setText("");
            addKnownFixAtOnce();
        } else {
            FixNameText.setText(id);
            AddNavText.setText("");
            FixIsKnown = store::True;
            fixPanel_.setEnabled(false);
            Alt1Text.setFocus();
        }
        return;
    }

    MsgBox("The Navaid " + id + " is not in the Fly2 or user database.\r\n" +
           "You will have to create a user defined fix.");
    FixNameText.setText(id);
    AddNavText.setText("");
    DDMLatText.setFocus();
}

void ModifyProcedure::FixNameText_LostFocus() {
    if (FixNameText.text().empty())
        return;
    if (const std::string refusal = procedures::checkName(FixNameText.text()); !refusal.empty()) {
        refuse(FixNameText, refusal);
        return;
    }
    FixNameText.setText(runtime::toUpper(FixNameText.text()));
    const std::string name = FixNameText.text();
    m.Store.FixesDefined = store::True;
    m.UseWorkFixes = store::False;
    // A name that is no known fix (any more) has its position still to come.
    FixIsKnown = store::False;
    if (reference::LookUpNavaid(m.NavaidTable, name, m.Reference))
        return;
    if (!reference::LookUpFix(name, reference::FixTableKind::Fixes, m.Store.Fixes, m.Store.FixCount,
                              m.UserFixTable, m.NavaidTable, m.Reference))
        return;

    // Picked from the user's fixes a moment ago: taken as known, as the
    // question's Yes would, and the click that left the box goes on.
    if (name == PickedFixName) {
        FixIsKnown = store::True;
        return;
    }
    const int answer = MsgBox(name + " is already a defined Navaid or Fix.\r\n" + AddAtOnceQuestion,
                              ui::Buttons::YesNo);
    FixIsKnown = store::True;
    if (answer == ui::answers::No)
        addKnownFixAtOnce();
    else
        Alt1Text.setFocus();
}

} // namespace editor
