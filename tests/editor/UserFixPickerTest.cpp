// The user's own fixes: remembering a fix added in the editor, and the
// picker that offers them again.
#include "EditorScreen.h"

#include <algorithm>

namespace editortest {
namespace {

using Lines = std::vector<std::string>;

// What the picker should list: one entry per row, its name or its navaid.
Lines tableEntries(const reference::UserFixTable& fixes) {
    Lines out;
    for (const store::FixRecord& fix : fixes.rows())
        out.push_back(editor::UserFixForm::entryText(fix));
    return out;
}

class UserFixes : public EditorScreen {
protected:
    void SetUp() override {
        openCreate("E");
        nameProcedure("TEST1", "16L");
    }
    void addUserFix(const std::string& name) {
        t.app.dispatch([&] { ed->AddUserFix(name); });
    }
};

TEST_F(UserFixes, OpeningFillsThePickerOnce) {
    EXPECT_FALSE(picker->visible());
    EXPECT_EQ(pickerEntries(), (Lines{"HAROB", "OLM270", "SEA160"}));
}

TEST_F(UserFixes, CoordinateFixIsRememberedInNameOrder) {
    ed->FixIDText.setText("ab");
    ed->DDMLatText.setText("47");
    ed->DMMLatText.setText("1.50");
    ed->DDMLongText.setText("122");
    ed->DMMLongText.setText("2.00");
    ed->SLatOption.setValue(true);
    ed->ELongOption.setValue(true);
    addUserFix("AAFIX");
    const int row = m->UserFixTable.find("AAFIX");
    ASSERT_EQ(row, 1);
    const store::FixRecord& fix = m->UserFixTable[row];
    EXPECT_EQ(fix.TypeOfID, "ab");
    EXPECT_EQ((Lines{fix.HemLat, fix.LatDeg, fix.LatMin, fix.HemLong, fix.LongDeg, fix.LongMin}),
              (Lines{"S", "47", "1.50", "E", "122", "2.00"}));
    EXPECT_EQ(fix.VOR, "");
    EXPECT_EQ(fix.VORDist, 0);
    EXPECT_EQ(fix.Heading, 0);
    EXPECT_EQ(pickerEntries(), (Lines{"AAFIX", "HAROB", "OLM270", "SEA160"}));
    EXPECT_EQ(pickerEntries(), tableEntries(m->UserFixTable));
}

TEST_F(UserFixes, FixFromANavaidKeepsNoCoordinates) {
    ed->VORFIXText.setText("SEA");
    ed->HeadingText.setText("90");
    ed->DistText.setText("7.5");
    ed->DDMLatText.setText("47");
    addUserFix("ZZFIX");
    const store::FixRecord& fix = m->UserFixTable[m->UserFixTable.find("ZZFIX")];
    EXPECT_EQ(fix.VOR, "SEA");
    EXPECT_EQ(fix.Heading, 90.0f);
    EXPECT_EQ(fix.VORDist, 7.5f);
    EXPECT_EQ(fix.LatDeg, "");
    EXPECT_EQ(fix.HemLat, "");
}

TEST_F(UserFixes, NamesAreRememberedOnceAndEmptyOnesNever) {
    const int before = m->UserFixTable.UserFixCount();
    addUserFix("NEWFX");
    ed->DDMLatText.setText("10");
    addUserFix("NEWFX");
    EXPECT_EQ(m->UserFixTable.UserFixCount(), before + 1);
    EXPECT_EQ(m->UserFixTable[m->UserFixTable.find("NEWFX")].LatDeg, "");
    // A navaid waypoint passes an empty name: no blank fix is made.
    addNavaid("SEA");
    addNavaid("OLM");
    addUserFix("");
    EXPECT_EQ(m->UserFixTable.UserFixCount(), before + 1);
    EXPECT_EQ(m->UserFixTable.find(""), 0);
}

TEST_F(UserFixes, DoubleClickShowsThePickerBesideTheEditor) {
    user.doubleClick(ed->FixNameText);
    EXPECT_TRUE(picker->visible());
    EXPECT_TRUE(ed->visible());
    EXPECT_EQ(picker->caption(), "User Fixes");
    EXPECT_EQ(picker->left(), (t.app.screenWidth() - picker->width()) / 4);
    EXPECT_EQ(picker->top(), (t.app.screenHeight() - picker->height()) / 4);
    user.click(picker->GoBackCommand);
    EXPECT_FALSE(picker->visible());
    EXPECT_EQ(pickerEntries().size(), 3u);
}

TEST_F(EditorScreen, DoubleClickWithoutUserFixesDoesNothing) {
    m->UserFixTable.clear();
    openCreate("E");
    user.doubleClick(ed->FixNameText);
    EXPECT_FALSE(picker->visible());
}

TEST_F(UserFixes, PickingACoordinateFixFillsItsBoxes) {
    store::FixRecord south;
    south.Name = "SOUTH";
    south.TypeOfID = "(RW)";
    south.HemLat = "S";
    south.LatDeg = "33";
    south.LatMin = "56.50";
    south.HemLong = "W";
    south.LongDeg = "70";
    south.LongMin = "40.00";
    m->UserFixTable.append(south);
    ed->VORFIXText.setText("OLM");
    user.doubleClick(ed->FixNameText);
    const Lines entries = pickerEntries();
    const int entry =
        static_cast<int>(std::find(entries.begin(), entries.end(), "SOUTH") - entries.begin());
    user.doubleClick(picker->UserFixList, entry);

    EXPECT_FALSE(picker->visible());
    EXPECT_EQ(ed->FixNameText.text(), "SOUTH");
    EXPECT_EQ(ed->FixIDText.text(), "RW");
    EXPECT_EQ(ed->DDMLatText.text(), "33");
    EXPECT_EQ(ed->DMMLatText.text(), "56.50");
    EXPECT_EQ(ed->DDMLongText.text(), "70");
    EXPECT_EQ(ed->DMMLongText.text(), "40.00");
    EXPECT_TRUE(ed->SLatOption.value());
    EXPECT_TRUE(ed->WLongOption.value());
    // No navaid is left behind for the add command to take instead.
    EXPECT_EQ(ed->VORFIXText.text(), "");

    user.click(ed->AddWaypointCommand);
    EXPECT_EQ(lines(), Lines{"SOUTH"});
    EXPECT_EQ(m->Store.Fixes[1].LatMin, "56.50");
    EXPECT_EQ(m->Store.Fixes[1].TypeOfID, "(RW)");
}

TEST_F(UserFixes, PickingAFixFromANavaidFillsTheRadialBoxes) {
    ed->DDMLatText.setText("47");
    user.doubleClick(ed->FixNameText);
    user.select(picker->UserFixList, 1); // OLM270
    user.click(picker->UseFixCommand);
    EXPECT_EQ(ed->FixNameText.text(), "OLM270");
    EXPECT_EQ(ed->VORFIXText.text(), "OLM");
    EXPECT_EQ(ed->HeadingText.text(), "270");
    EXPECT_EQ(ed->DistText.text(), "12");
    EXPECT_EQ(ed->DDMLatText.text(), "");
}

TEST_F(UserFixes, UseFixDataWithNothingSelectedWaitsForAChoice) {
    user.doubleClick(ed->FixNameText);
    user.click(picker->UseFixCommand);
    EXPECT_TRUE(picker->visible());
    EXPECT_EQ(ed->FixNameText.text(), "");
}

TEST_F(EditorScreen, PickingAFixTheAirportDefinesFillsOnlyItsName) {
    openModify("S", sampleKSEA());
    const Lines entries = pickerEntries();
    EXPECT_EQ(entries, tableEntries(m->UserFixTable));
    // The airport's fixes were merged into the user fixes when it opened.
    EXPECT_NE(m->UserFixTable.find("COYLA"), 0);
    const int entry =
        static_cast<int>(std::find(entries.begin(), entries.end(), "HAROB") - entries.begin());
    user.doubleClick(ed->FixNameText);
    user.doubleClick(picker->UserFixList, entry);
    EXPECT_EQ(ed->FixNameText.text(), "HAROB");
    EXPECT_EQ(ed->DDMLatText.text(), "");
    EXPECT_EQ(ed->FixIDText.text(), "");
}

TEST_F(UserFixes, FixWithoutANameIsListedByItsNavaid) {
    store::FixRecord unnamed;
    unnamed.VOR = "SEA";
    m->UserFixTable.append(unnamed);
    m->UserFixTable.append(store::FixRecord{});
    user.doubleClick(ed->FixNameText);
    const Lines entries = pickerEntries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[3], "SEA");
    EXPECT_EQ(entries[4], "");
}

// Saving sorts the table behind the picker's back; a double click lists it
// afresh, so an entry still stands for its own fix.
TEST_F(UserFixes, PickerFollowsATableSortedSinceItWasFilled) {
    store::FixRecord first;
    first.Name = "AAAAA";
    first.HemLat = "N";
    first.LatDeg = "1";
    m->UserFixTable.append(first);
    reference::SortUserFixArray(m->UserFixTable);
    user.doubleClick(ed->FixNameText);
    EXPECT_EQ(pickerEntries(), tableEntries(m->UserFixTable));
    user.doubleClick(picker->UserFixList, 0);
    EXPECT_EQ(ed->FixNameText.text(), "AAAAA");
    EXPECT_EQ(ed->DDMLatText.text(), "1");
}

} // namespace
} // namespace editortest
