// The commands on the waypoints of the feeder on screen and on their fixes.
#include "transitions/RunwayForm.h"

#include "procedures/EntryRules.h"
#include "procedures/FeederRows.h"
#include "runtime/Numbers.h"
#include "runtime/Text.h"

#include <initializer_list>

namespace transitions {

namespace {

bool anyFilled(std::initializer_list<const ui::TextBox*> boxes) {
    for (const ui::TextBox* box : boxes)
        if (!box->text().empty())
            return true;
    return false;
}

// A bearing or distance as the boxes show it, as the procedure editor does.
std::string numberText(float value) {
    return runtime::trimLeft(runtime::printedNumber(value));
}

} // namespace

bool RunwayForm::positionBoxesComplete() {
    const bool lat = anyFilled({&RWDDMLatText, &RWDMMLatText});
    const bool lon = anyFilled({&RWDDMLongText, &RWDMMLongText});
    const bool vor = !RWVORFIXText.text().empty();
    if (lat && !lon) {
        MsgBox("You must supply a Longitude.");
        RWDDMLongText.setFocus();
    } else if (lon && !lat) {
        MsgBox("You must supply a Latitude.");
        RWDDMLatText.setFocus();
    } else if (vor && RWHeadingText.text().empty()) {
        MsgBox("You must supply a heading for the VOR");
        RWHeadingText.setFocus();
    } else if (vor && RWDistText.text().empty()) {
        MsgBox("You must supply a distance for the VOR");
        RWDistText.setFocus();
    } else {
        return true;
    }
    return false;
}

store::FixRecord RunwayForm::fixFromBoxes() const {
    store::FixRecord fix;
    fix.TypeOfID = RwFixIDText.text();
    if (anyFilled({&RWDDMLatText, &RWDMMLatText, &RWDDMLongText, &RWDMMLongText})) {
        fix.HemLat = RWNLatOption.value() ? "N" : "S";
        fix.HemLong = RWELongOption.value() ? "E" : "W";
        fix.LatDeg = RWDDMLatText.text();
        fix.LatMin = RWDMMLatText.text();
        fix.LongDeg = RWDDMLongText.text();
        fix.LongMin = RWDMMLongText.text();
    } else if (!RWVORFIXText.text().empty()) {
        fix.VOR = RWVORFIXText.text();
        fix.VORDist = static_cast<float>(runtime::val(RWDistText.text()));
        fix.Heading = static_cast<float>(runtime::val(RWHeadingText.text()));
    }
    return fix;
}

void RunwayForm::AddRWWaypointCommand_Click() {
    ClearRWDataCommand.setEnabled(true);
    if (RWWaypointList.listIndex() >= 0) {
        const int answer =
            MsgBox("You have a current waypoint already selected.\r\n"
                   "Do you really want to Add a new waypoint?\r\n"
                   "If yes, the current values will be cleared.",
                   ui::Buttons::YesNo, ui::Icon::Critical, ui::DefaultButton::Second);
        m.LastAnswer = std::to_string(answer);
        if (answer == ui::answers::Yes) {
            ClearRWDataCommand_Click();
            RWWaypointList.setListIndex(-1);
        }
        RWAddNavText.setFocus();
        return;
    }
    const procedures::NewWaypoint waypoint{RWAddNavText.text(), RWFixNameText.text(),
                                           RWAlt1Text.text(), fixFromBoxes()};
    if (!waypoint.navaid.empty() || waypoint.fix.empty() || positionBoxesComplete()) {
        procedures::FeederTables tables = feederTables();
        if (procedures::Outcome refusal = procedures::addWaypoint(tables, waypoint)) {
            refuse(*refusal);
            if (refusal->field == procedures::Field::None)
                RWAddNavText.setFocus();
            return;
        }
    } else {
        return;
    }
    if (!waypoint.fix.empty())
        m.Store.FixesDefined = store::True;
    listFeeder();
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &RWFixNameText, &RWDDMLatText, &RWDMMLatText, &RWDDMLongText, &RWDMMLongText,
             &RWVORFIXText, &RWHeadingText, &RWDistText})
        c->setEnabled(true);
    if (!waypoint.fix.empty())
        ClearRWLatLongs();
    RWAddNavText.setText("");
    RWAlt1Text.setText("");
    RWAddNavText.setFocus();
}

procedures::FixChanges RunwayForm::changedFixBoxes() const {
    const auto changed = [this](const ui::TextBox& box) -> std::optional<std::string> {
        for (const auto& [shownBox, text] : shown_)
            if (shownBox == &box)
                return box.text() == text ? std::nullopt : std::optional(box.text());
        return box.text();
    };
    procedures::FixChanges c;
    c.name = changed(RWFixNameText);
    c.typeOfID = changed(RwFixIDText);
    c.vor = changed(RWVORFIXText);
    c.latDeg = changed(RWDDMLatText);
    c.latMin = changed(RWDMMLatText);
    c.longDeg = changed(RWDDMLongText);
    c.longMin = changed(RWDMMLongText);
    if (RWNLatOption.value() != shownNorth_)
        c.hemLat = RWNLatOption.value() ? "N" : "S";
    if (RWELongOption.value() != shownEast_)
        c.hemLong = RWELongOption.value() ? "E" : "W";
    if (const auto heading = changed(RWHeadingText))
        c.heading = static_cast<float>(runtime::val(*heading));
    if (const auto distance = changed(RWDistText))
        c.distance = static_cast<float>(runtime::val(*distance));
    // Hemispheres count with the coordinates they belong to.
    if (c.latDeg || c.latMin || c.longDeg || c.longMin) {
        c.hemLat = RWNLatOption.value() ? "N" : "S";
        c.hemLong = RWELongOption.value() ? "E" : "W";
    }
    return c;
}

void RunwayForm::ModifyRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0)
        return;
    procedures::WaypointChange change;
    change.alt = RWAlt1Text.text();
    if (!RWFixNameText.text().empty()) {
        // Only the entry's own fix, found when it was selected, is written.
        if (RwFixIndex >= 1) {
            if (!positionBoxesComplete())
                return;
            change.fix = changedFixBoxes();
        }
    } else if (!RWAddNavText.text().empty()) {
        change.navaid = RWAddNavText.text();
    }
    procedures::FeederTables tables = feederTables();
    if (procedures::Outcome refusal = procedures::modifyWaypoint(tables, entry, change)) {
        refuse(*refusal);
        return;
    }
    for (int k = 0; k < RWWaypointList.ListCount(); ++k) {
        const std::string text = procedures::entryText(m.WorkRunways[m.FeederStart + k]);
        if (RWWaypointList.List(k) != text)
            RWWaypointList.setList(k, text);
    }
}

void RunwayForm::DeleteRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0) {
        MsgBox("There is no waypoint selected.");
        return;
    }
    ClearRWDataCommand_Click();
    procedures::FeederTables tables = feederTables();
    const bool last = tables.entries() == 1;
    procedures::removeWaypoint(tables, entry);
    if (last)
        showFirstFeeder();
    else
        listFeeder();
}

void RunwayForm::RWMoveUp_Click() {
    const int i = RWWaypointList.listIndex();
    procedures::FeederTables tables = feederTables();
    if (i < 0 || procedures::moveWaypoint(tables, i, -1))
        return;
    listFeeder();
    RWWaypointList.setListIndex(i - 1);
    RWWaypointList_Click();
}

void RunwayForm::RWMoveDown_Click() {
    const int i = RWWaypointList.listIndex();
    procedures::FeederTables tables = feederTables();
    if (i < 0 || procedures::moveWaypoint(tables, i, 1))
        return;
    listFeeder();
    RWWaypointList.setListIndex(i + 1);
    RWWaypointList_Click();
}

void RunwayForm::RWWaypointList_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0)
        return;
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&RWMoveUp, &RWMoveDown, &DeleteRWWaypointCommand,
                                             &ModifyRWWaypointCommand, &ClearRWDataCommand})
        c->setEnabled(true);
    const store::RunwayWaypoint row = m.WorkRunways[m.FeederStart + entry];
    ClearRWLatLongs();
    RWAddNavText.setText("");
    RwFixIndex = 0;
    if (!row.Navaid.empty()) {
        RWAddNavText.setText(row.Navaid);
    } else if (m.Store.FixesDefined != store::False) {
        RwFixIndex = static_cast<std::int16_t>(feederTables().catalogue().find(row.FIX));
        if (RwFixIndex >= 1)
            PrintRWLatLong(RwFixIndex);
    }
    RWAlt1Text.setText(row.Alt == "0" ? "" : row.Alt);
}

void RunwayForm::PrintRWLatLong(int k) {
    ClearRWLatLongs();
    const store::FixRecord fix = m.WorkFixes[k];
    RWFixNameText.setText(fix.Name);
    RwFixIDText.setText(procedures::StripParentheses(fix.TypeOfID));
    if (!fix.VOR.empty()) {
        RWVORFIXText.setText(fix.VOR);
        RWHeadingText.setText(numberText(fix.Heading));
        RWDistText.setText(numberText(fix.VORDist));
    } else {
        RWDDMLatText.setText(fix.LatDeg);
        RWDMMLatText.setText(fix.LatMin);
        RWDDMLongText.setText(fix.LongDeg);
        RWDMMLongText.setText(fix.LongMin);
        (fix.HemLat == "N" ? RWNLatOption : RWSLatOption).setValue(true);
        (fix.HemLong == "W" ? RWWLongOption : RWELongOption).setValue(true);
    }
    shown_.clear();
    for (const ui::TextBox* box :
         {&RWFixNameText, &RwFixIDText, &RWVORFIXText, &RWHeadingText, &RWDistText, &RWDDMLatText,
          &RWDMMLatText, &RWDDMLongText, &RWDMMLongText})
        shown_.emplace_back(box, box->text());
    shownNorth_ = RWNLatOption.value();
    shownEast_ = RWELongOption.value();
}

void RunwayForm::ClearRWLatLongs() {
    // Enabled again too: a known fix taken with an altitude disables them.
    for (ui::TextBox* box :
         {&RWFixNameText, &RwFixIDText, &RWAlt1Text, &RWDDMLatText, &RWDMMLatText, &RWDDMLongText,
          &RWDMMLongText, &RWVORFIXText, &RWHeadingText, &RWDistText}) {
        box->setText("");
        box->setEnabled(true);
    }
    shown_.clear();
}

void RunwayForm::ClearRWDataCommand_Click() {
    RWWaypointList.setListIndex(-1);
    ModifyRWWaypointCommand.setEnabled(false);
    DeleteRWWaypointCommand.setEnabled(false);
    AddRWWaypointCommand.setEnabled(true);
    RWAddNavText.setText("");
    ClearRWLatLongs();
    RwFixIndex = 0;
    RwEnableUserDefinedAndNavaidSection();
}

void RunwayForm::RwEnableUserDefinedAndNavaidSection() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &RWAddNavLabel, &RWAddNavText, &RWFixNameLabel, &RWFixNameText,  &RwFixIDLabel,
             &RwFixIDText,   &RWLatLabel,   &RWDDMLatText,   &RWDMMLatText,   &RWNLatOption,
             &RWSLatOption,  &RWLongLabel,  &RWDDMLongText,  &RWDMMLongText,  &RWELongOption,
             &RWWLongOption, &RWVORFIXText, &RWVORFIXLabel,  &RWHeadingLabel, &RWHeadingText,
             &RWDistLabel,   &RWDistText})
        c->setEnabled(true);
}

} // namespace transitions
