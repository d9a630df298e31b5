// Rule 5 and the list controls: list boxes, file, folder and drive lists.
#include "TestScreen.h"

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

struct ListTest : ScreenTest {
    ui::ListBox& list = screen.WaypointList;
};

TEST_F(ListTest, AssigningSelectionsInCodeFiresNoEventAndKeepsOneOptionPerGroup) {
    ui::OptionButton loose1(screen, "EastOption");
    ui::OptionButton loose2(screen, "WestOption");
    list.AddItem("SEA");
    list.setListIndex(0);
    screen.FloatCheck.setValue(1);
    loose1.setValue(true);
    screen.SouthOption.setValue(true);
    EXPECT_FALSE(screen.NorthOption.value());
    EXPECT_TRUE(loose1.value()) << "the form is another group than the frame";
    loose2.setValue(true);
    EXPECT_FALSE(loose1.value());
    EXPECT_TRUE(screen.SouthOption.value());
    EXPECT_TRUE(screen.log.empty());
}

TEST_F(ListTest, InsertAndRemoveKeepTheSelectedEntrySelected) {
    for (const auto& [item, at] : {std::pair{"B", -1}, {"D", -1}, {"A", 0}, {"C", 2}})
        list.AddItem(item, at);
    EXPECT_THAT(entries(list), ElementsAre("A", "B", "C", "D"));
    list.setListIndex(2);
    list.AddItem("0", 0);
    EXPECT_EQ(list.listIndex(), 3);
    list.RemoveItem(0);
    list.RemoveItem(3);
    EXPECT_EQ(list.listIndex(), 2);
    list.RemoveItem(2);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_THAT(entries(list), ElementsAre("A", "B"));
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
    const struct {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"KSEA.txt", "ks*", true},   {"KSEA.txt", "KSEB*", false},   {"KSEA.txt", "*.*", true},
        {"README", "*.*", true},     {"KSEA.txt", "K?EA.txt", true}, {"KSEA.txt", "K?A.txt", false},
        {"KSEA.txt", "", false},     {"KSEA.txt", "*.dat;k*", true}, {"a.b.c", "*.c", true},
        {"KSEA.txt", "**A*t", true}, {"KSEA", "KSEA.", false},
    };
    for (const auto& c : cases)
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
    EXPECT_EQ(changes, 2);

    files.Click = [&] { screen.log.push_back("FileList_Click " + files.FileName()); };
    h.user.select(files, 2);
    EXPECT_THAT(screen.log,
                ElementsAre("IdentText_LostFocus, focus in FileList", "FileList_Click KSEA.txt"));
    h.programFolder.write("KAAA.txt", "x");
    files.Refresh();
    EXPECT_EQ(files.List(0), "KAAA.txt");
    EXPECT_EQ(files.listIndex(), -1);

    // A missing folder keeps the old listing.
    EXPECT_EQ(errorNumber([&] { files.setPath((root() / "missing").string()); }), 76);
    EXPECT_EQ(errorNumber([&] { files.setPath((root() / "KSEA.txt").string()); }), 76);
    EXPECT_EQ(files.ListCount(), 4);
}

TEST_F(FolderTest, DriveListTakesTheDriveOfAnyPath) {
    ui::DriveListBox drives(screen, "Drive1");
    drives.Change = [&] { ADD_FAILURE() << "the drive stays the same"; };
    drives.setDrive(root().string());
    EXPECT_EQ(drives.drive(), drives.List(0));
    EXPECT_EQ(errorNumber([&] { drives.setDrive("relative"); }), 68);
}

TEST_F(FolderTest, FolderListShowsAncestorsAndSubfoldersAndOpensOnDoubleClick) {
    int changes = 0;
    dirs.Change = [&] { ++changes; };
    EXPECT_EQ(errorNumber([&] { dirs.setPath(""); }), 76);
    dirs.setPath((root() / "PMDG" / ".." / "").string());
    EXPECT_EQ(dirs.path(), root().string());
    EXPECT_THAT(entries(dirs),
                ElementsAre((root() / "alpha").string(), (root() / "PMDG").string()));
    EXPECT_EQ(dirs.List(-2), root().parent_path().string());
    EXPECT_EQ(dirs.List(dirs.firstIndex()), root().root_path().string());
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

} // namespace
