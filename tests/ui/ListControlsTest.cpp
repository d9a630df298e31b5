// Rule 5 and the list controls: list boxes, file, folder and drive lists.
#include "TestScreen.h"

#include "support/TestApp.h"

#include "runtime/RuntimeError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using testing::ElementsAre;

namespace {

std::vector<std::string> entries(const ui::ListControl& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i)
        out.push_back(list.List(i));
    return out;
}

int errorNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const runtime::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

struct ListTest : testing::Test {
    ListTest() {
        h.user.start(screen);
        screen.log.clear();
    }
    support::TestApp h;
    TestScreen screen{h.app};
    ui::ListBox& list = screen.WaypointList;
};

TEST_F(ListTest, AssigningSelectionsInCodeFiresNoEvent) {
    list.AddItem("SEA");
    list.setListIndex(0);
    screen.SouthOption.setValue(true);
    screen.FloatCheck.setValue(1);
    EXPECT_TRUE(screen.log.empty());
    EXPECT_FALSE(screen.NorthOption.value()) << "one true per group";
}

TEST_F(ListTest, OptionGroupsAreTheirContainers) {
    ui::OptionButton loose1(screen, "EastOption");
    ui::OptionButton loose2(screen, "WestOption");
    loose1.setValue(true);
    screen.SouthOption.setValue(true);
    EXPECT_TRUE(loose1.value());
    loose2.setValue(true);
    EXPECT_FALSE(loose1.value());
    EXPECT_TRUE(screen.SouthOption.value());
}

TEST_F(ListTest, InsertAndRemoveKeepTheSelectedEntrySelected) {
    list.AddItem("B");
    list.AddItem("D");
    list.AddItem("A", 0);
    list.AddItem("C", 2);
    EXPECT_THAT(entries(list), ElementsAre("A", "B", "C", "D"));
    list.setListIndex(2);
    list.AddItem("0", 0);
    EXPECT_EQ(list.listIndex(), 3);
    list.RemoveItem(0);
    EXPECT_EQ(list.listIndex(), 2);
    list.RemoveItem(3);
    EXPECT_EQ(list.listIndex(), 2);
    list.RemoveItem(2);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THAT(entries(list), ElementsAre("A", "B"));
    list.setList(1, "X");
    EXPECT_EQ(list.List(1), "X");
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_TRUE(screen.log.empty());
}

TEST_F(ListTest, BadIndexesAreRuntimeErrorsAndReadingPastTheEndGivesEmptyText) {
    list.AddItem("A");
    EXPECT_EQ(list.List(5), "");
    EXPECT_EQ(list.List(-1), "");
    EXPECT_EQ(errorNumber([&] { list.AddItem("X", 3); }), 5);
    EXPECT_EQ(errorNumber([&] { list.RemoveItem(1); }), 5);
    EXPECT_EQ(errorNumber([&] { list.RemoveItem(-1); }), 5);
    EXPECT_EQ(errorNumber([&] { list.setListIndex(1); }), 380);
    EXPECT_EQ(errorNumber([&] { list.setListIndex(-2); }), 380);
    EXPECT_EQ(entries(list), std::vector<std::string>{"A"});
}

TEST(FilePatternTest, MatchesLikeWindows) {
    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"KSEA.txt", "K*", true},        {"KSEA.txt", "ks*", true},
        {"KSEA.txt", "KSEB*", false},    {"KSEA.txt", "*.*", true},
        {"README", "*.*", true},         {"KSEA.txt", "*.TXT", true},
        {"KSEA.txt", "K?EA.txt", true},  {"KSEA.txt", "K?A.txt", false},
        {"KSEA.txt", "*", true},         {"KSEA.txt", "", false},
        {"KSEA.txt", "*.dat;k*", true},  {"a.b.c", "*.c", true},
        {"KSEA.txt", "KSEA.txt*", true}, {"KSEA.txt", "**A*t", true},
        {"KSEA", "KSEA.", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::matchesFilePattern(c.name, c.pattern, false), c.match)
            << c.name << " ~ " << c.pattern;
    EXPECT_FALSE(ui::matchesFilePattern("KSEA.txt", "ks*", true));
    // A pathological pattern stays fast.
    EXPECT_FALSE(ui::matchesFilePattern(std::string(2000, 'a'), std::string(50, '*') + "b", false));
}

struct FolderTest : ListTest {
    FolderTest() {
        for (const char* name :
             {"KSEA.txt", "kbfi.txt", "EGLL.txt", "KPAE.TXT", ".hidden", "notes"})
            h.programFolder.write(name, "x");
        std::filesystem::create_directories(root() / "PMDG" / "Zulu");
        std::filesystem::create_directories(root() / "alpha");
    }
    std::filesystem::path root() const { return h.programFolder.path(); }
    ui::FileListBox files{screen, "FileList"};
    ui::DirListBox dirs{screen, "Dir1"};
};

TEST_F(FolderTest, FileListListsTheRealFolderSortedWithThePattern) {
    int changes = 0;
    files.Change = [&] { ++changes; };
    files.setPath(root().string());
    EXPECT_THAT(entries(files),
                ElementsAre("EGLL.txt", "kbfi.txt", "KPAE.TXT", "KSEA.txt", "notes"));
    files.setPattern("K*");
    EXPECT_THAT(entries(files), ElementsAre("kbfi.txt", "KPAE.TXT", "KSEA.txt"));
    files.setPattern("KS*");
    EXPECT_THAT(entries(files), ElementsAre("KSEA.txt"));
    files.setPattern("*");
    EXPECT_EQ(files.ListCount(), 5);
    EXPECT_EQ(changes, 4);
}

TEST_F(FolderTest, FileListClickGivesTheFileNameAndRefreshSeesNewFiles) {
    files.setPath(root().string());
    files.setPattern("K*");
    files.Click = [&] { screen.log.push_back("FileList_Click " + files.FileName()); };
    h.user.select(files, 2);
    EXPECT_THAT(screen.log,
                ElementsAre("IdentText_LostFocus, focus in FileList", "FileList_Click KSEA.txt"));
    h.programFolder.write("KAAA.txt", "x");
    files.Refresh();
    EXPECT_EQ(files.List(0), "KAAA.txt");
    EXPECT_EQ(files.listIndex(), -1);
}

TEST_F(FolderTest, AMissingFolderIsError76AndKeepsTheOldListing) {
    files.setPath(root().string());
    EXPECT_EQ(errorNumber([&] { files.setPath((root() / "missing").string()); }), 76);
    EXPECT_EQ(errorNumber([&] { files.setPath((root() / "KSEA.txt").string()); }), 76);
    EXPECT_EQ(errorNumber([&] { dirs.setPath(""); }), 76);
    EXPECT_EQ(files.ListCount(), 5);
}

TEST_F(FolderTest, FolderListShowsAncestorsAndSubfoldersAndOpensOnDoubleClick) {
    int changes = 0;
    dirs.Change = [&] { ++changes; };
    dirs.setPath((root() / "PMDG" / ".." / "").string());
    EXPECT_EQ(dirs.path(), root().string());
    EXPECT_THAT(entries(dirs),
                ElementsAre((root() / "alpha").string(), (root() / "PMDG").string()));
    EXPECT_EQ(dirs.List(-1), root().string());
    EXPECT_EQ(dirs.List(-2), root().parent_path().string());
    EXPECT_EQ(dirs.List(dirs.firstIndex()), "/");
    EXPECT_EQ(dirs.shownText(1), "PMDG");

    h.user.doubleClick(dirs, 1);
    EXPECT_EQ(dirs.path(), (root() / "PMDG").string());
    EXPECT_THAT(entries(dirs), ElementsAre((root() / "PMDG" / "Zulu").string()));
    EXPECT_EQ(changes, 2);

    // A click selects an ancestor without opening it.
    h.user.select(dirs, -2);
    EXPECT_EQ(dirs.List(dirs.listIndex()), root().string());
    EXPECT_EQ(changes, 2);
}

TEST_F(FolderTest, DriveListTakesTheDriveOfAnyPath) {
    ui::DriveListBox drives(screen, "Drive1");
    int changes = 0;
    drives.Change = [&] { ++changes; };
    ASSERT_GE(drives.ListCount(), 1);
    drives.setDrive(root().string());
    EXPECT_EQ(drives.drive(), drives.List(0));
    EXPECT_EQ(errorNumber([&] { drives.setDrive("relative"); }), 68);
    EXPECT_EQ(changes, 0);
}

} // namespace
