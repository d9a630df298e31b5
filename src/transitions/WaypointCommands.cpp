// The commands on the waypoints of the feeder on screen and on their fixes.
#include "transitions/RunwayForm.h"

#include "runtime/Numbers.h"
#include "shell/EntryChecks.h"
#include "transitions/RunwayRows.h"

#include <charconv>
#include <initializer_list>

namespace transitions {

namespace {

// The shortest decimal text that reads back as the same single value.
std::string decimalText(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

bool anyFilled(std::initializer_list<const ui::TextBox*> boxes) {
    for (const ui::TextBox* box : boxes)
        if (!box->text().empty())
            return true;
    return false;
}

void zeroIfEmpty(std::initializer_list<ui::TextBox*> boxes) {
    for (ui::TextBox* box : boxes)
        if (box->text().empty())
            box->setText("0");
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
    const std::string& navaid = RWAddNavText.text();
    const std::string& fixName = RWFixNameText.text();
    if (navaid.empty() && fixName.empty()) {
        MsgBox("You must supply a Fix or Navaid name.");
        RWAddNavText.setFocus();
        return;
    }
    if (!navaid.empty() && !fixName.empty()) {
        MsgBox("You can only have either a Fix or a Navaid name but not both.");
        RWAddNavText.setFocus();
        return;
    }
    if (!positionBoxesComplete())
        return;
    const bool newFixRow = !fixName.empty() && RwFixIsKnown == store::False &&
                           SearchForRWFix(m.WorkFixes, fixName) == 0 &&
                           anyFilled({&RWDDMLatText, &RWDMMLatText, &RWVORFIXText});
    if (newFixRow && m.WorkFixCount >= store::FixCapacity) {
        showTableFull("fix", store::FixCapacity, "fixes");
        RWAddNavText.setFocus();
        return;
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &RWFixNameText, &RWDDMLatText, &RWDMMLatText, &RWDDMLongText, &RWDMMLongText,
             &RWVORFIXText, &RWHeadingText, &RWDistText})
        c->setEnabled(true);
    if (!AddRunwayWaypoint()) {
        RWAddNavText.setFocus();
        return;
    }
    if (!RWFixNameText.text().empty()) {
        SaveUserDefinedWaypoint(m.LastInsertedRow);
        ClearRWLatLongs();
    } else {
        RWAddNavText.setText("");
    }
    RwFixIsKnown = store::False;
    RWAddNavText.setFocus();
}

bool RunwayForm::AddRunwayWaypoint() {
    store::RunwayWaypoint row;
    row.ID = Label8.caption();
    if (!RWAddNavText.text().empty())
        row.Navaid = RWAddNavText.text();
    else
        row.FIX = RWFixNameText.text();
    row.Alt = RWAlt1Text.text();
    const std::string entry = entryText(row);
    if (!insertFeederRow(std::move(row), entry))
        return false;
    RWAlt1Text.setText("");
    return true;
}

void RunwayForm::SaveUserDefinedWaypoint(int row) {
    m.Store.FixesDefined = store::True;
    const std::string name = RWFixNameText.text();
    // A fix already known keeps its definition, whatever the boxes hold.
    if (RwFixIsKnown != store::False || SearchForRWFix(m.WorkFixes, name) != 0)
        return;
    const bool lat = anyFilled({&RWDDMLatText, &RWDMMLatText});
    if (!lat && RWVORFIXText.text().empty())
        return;
    store::FixRecord fix;
    fix.Name = name;
    if (lat) {
        fix.TypeOfID = RwFixIDText.text();
        RwFixIDText.setText(shell::StripParentheses(fix.TypeOfID));
        fix.HemLat = RWNLatOption.value() ? "N" : "S";
        fix.HemLong = RWELongOption.value() ? "E" : "W";
        zeroIfEmpty({&RWDDMLatText, &RWDMMLatText, &RWDDMLongText, &RWDMMLongText});
        fix.LatDeg = RWDDMLatText.text();
        fix.LatMin = RWDMMLatText.text();
        fix.LongDeg = RWDDMLongText.text();
        fix.LongMin = RWDMMLongText.text();
    } else {
        fix.VOR = RWVORFIXText.text();
        fix.VORDist = static_cast<float>(runtime::val(RWDistText.text()));
        fix.Heading = static_cast<float>(runtime::val(RWHeadingText.text()));
    }
    ++m.WorkFixCount;
    m.WorkFixes[m.WorkFixCount] = std::move(fix);
    store::RunwayWaypoint& waypoint = m.WorkRunways[row];
    waypoint.FIX = name;
    waypoint.ID = Label8.caption();
}

void RunwayForm::ModifyRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0)
        return;
    const int r = m.FeederStart + entry;
    if (!RWFixNameText.text().empty()) {
        // Only the entry's own fix, found when it was selected, is written.
        if (RwFixIndex >= 1 && !modifySelectedFix())
            return;
    } else if (!RWAddNavText.text().empty()) {
        store::RunwayWaypoint& row = m.WorkRunways[r];
        row.Navaid = RWAddNavText.text();
        row.FIX.clear();
        RWWaypointList.setList(entry, row.Navaid);
    }
    m.WorkRunways[r].Alt = RWAlt1Text.text();
}

bool RunwayForm::modifySelectedFix() {
    if (!positionBoxesComplete())
        return false;
    const std::string name = RWFixNameText.text();
    const std::string oldName = m.WorkFixes[RwFixIndex].Name;
    if (name != oldName && SearchForRWFix(m.WorkFixes, name) != 0) {
        MsgBox("There is already a fix named " + name + ".");
        RWFixNameText.setFocus();
        return false;
    }
    store::FixRecord& fix = m.WorkFixes[RwFixIndex];
    fix.Name = name;
    fix.TypeOfID = RwFixIDText.text();
    if (!RWVORFIXText.text().empty()) {
        fix.VOR = RWVORFIXText.text();
        if (RWDistText.text() != shownDist_)
            fix.VORDist = static_cast<float>(runtime::val(RWDistText.text()));
        if (RWHeadingText.text() != shownHeading_)
            fix.Heading = static_cast<float>(runtime::val(RWHeadingText.text()));
        fix.HemLat = fix.LatDeg = fix.LatMin = fix.HemLong = fix.LongDeg = fix.LongMin = "";
    } else if (anyFilled({&RWDDMLatText, &RWDMMLatText})) {
        zeroIfEmpty({&RWDDMLatText, &RWDMMLatText, &RWDDMLongText, &RWDMMLongText});
        fix.HemLat = RWNLatOption.value() ? "N" : "S";
        fix.HemLong = RWELongOption.value() ? "E" : "W";
        fix.LatDeg = RWDDMLatText.text();
        fix.LatMin = RWDMMLatText.text();
        fix.LongDeg = RWDDMLongText.text();
        fix.LongMin = RWDMMLongText.text();
        fix.VOR.clear();
        fix.VORDist = 0;
        fix.Heading = 0;
    }
    if (name != oldName)
        renameFix(oldName, name);
    return true;
}

void RunwayForm::renameFix(const std::string& from, const std::string& to) {
    renameFixInRows(m.WorkRunways, m.WorkRunwayCount, from, to);
    for (int k = 0; k < RWWaypointList.ListCount(); ++k) {
        const std::string text = entryText(m.WorkRunways[m.FeederStart + k]);
        if (RWWaypointList.List(k) != text)
            RWWaypointList.setList(k, text);
    }
    renames_.emplace_back(from, to);
}

void RunwayForm::DeleteRWWaypointCommand_Click() {
    const int entry = RWWaypointList.listIndex();
    if (entry < 0) {
        MsgBox("There is no waypoint selected.");
        return;
    }
    RWWaypointList.RemoveItem(entry);
    ClearRWDataCommand_Click();
    // The entry's own row: with two entries of one name, the one selected.
    removeRows(m.WorkRunways, m.WorkRunwayCount, m.FeederStart + entry, 1);
    // A feeder emptied this way is gone, as Delete This Feeder leaves it: an
    // empty list could neither be saved nor left for another feeder.
    if (RWWaypointList.ListCount() == 0)
        showFirstFeeder();
    else
        CorrectFlags();
}

void RunwayForm::RWMoveUp_Click() {
    const int i = RWWaypointList.listIndex();
    if (i <= 0)
        return;
    const std::string text = RWWaypointList.List(i);
    RWWaypointList.RemoveItem(i);
    RWWaypointList.AddItem(text, i - 1);
    RWWaypointList.setListIndex(i - 1);
    std::swap(m.WorkRunways[m.FeederStart + i], m.WorkRunways[m.FeederStart + i - 1]);
    CorrectFlags();
    RWWaypointList_Click();
}

void RunwayForm::RWMoveDown_Click() {
    const int i = RWWaypointList.listIndex();
    if (i < 0 || i >= RWWaypointList.ListCount() - 1)
        return;
    const std::string text = RWWaypointList.List(i);
    RWWaypointList.RemoveItem(i);
    RWWaypointList.AddItem(text, i + 1);
    RWWaypointList.setListIndex(i + 1);
    std::swap(m.WorkRunways[m.FeederStart + i], m.WorkRunways[m.FeederStart + i + 1]);
    CorrectFlags();
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
        RwFixIndex =
            static_cast<std::int16_t>(SearchForRWFix(m.WorkFixes, RWWaypointList.List(entry)));
        if (RwFixIndex >= 1)
            PrintRWLatLong(RwFixIndex);
    }
    RWAlt1Text.setText(row.Alt == "0" ? "" : row.Alt);
}

void RunwayForm::PrintRWLatLong(int k) {
    ClearRWLatLongs();
    const store::FixRecord fix = m.WorkFixes[k];
    RWFixNameText.setText(fix.Name);
    RwFixIDText.setText(shell::StripParentheses(fix.TypeOfID));
    if (!fix.VOR.empty()) {
        RWVORFIXText.setText(fix.VOR);
        RWHeadingText.setText(decimalText(fix.Heading));
        RWDistText.setText(decimalText(fix.VORDist));
    } else {
        RWDDMLatText.setText(fix.LatDeg);
        RWDMMLatText.setText(fix.LatMin);
        RWDDMLongText.setText(fix.LongDeg);
        RWDMMLongText.setText(fix.LongMin);
        (fix.HemLat == "N" ? RWNLatOption : RWSLatOption).setValue(true);
        (fix.HemLong == "W" ? RWWLongOption : RWELongOption).setValue(true);
    }
    shownHeading_ = RWHeadingText.text();
    shownDist_ = RWDistText.text();
}

void RunwayForm::ClearRWLatLongs() {
    // Enabled again too: a known fix taken with an altitude disables them.
    for (ui::TextBox* box :
         {&RWFixNameText, &RwFixIDText, &RWAlt1Text, &RWDDMLatText, &RWDMMLatText, &RWDDMLongText,
          &RWDMMLongText, &RWVORFIXText, &RWHeadingText, &RWDistText}) {
        box->setText("");
        box->setEnabled(true);
    }
    shownHeading_.clear();
    shownDist_.clear();
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
             &RWAddNavLabel, &RWAddNavText,  &RWFixNameLabel, &RWFixNameText,  &RwFixIDLabel,
             &RwFixIDText,   &RWLatLabel,    &RWDDMLatText,   &RWDMMLatText,   &RWNLatOption,
             &RWSLatOption,  &RWLongLabel,   &RWDDMLongText,  &RWDMMLongText,  &RWELongOption,
             &RWWLongOption, &RWVORFIXLabel, &RWVORFIXText,   &RWHeadingLabel, &RWHeadingText,
             &RWDistLabel,   &RWDistText})
        c->setEnabled(true);
}

} // namespace transitions
