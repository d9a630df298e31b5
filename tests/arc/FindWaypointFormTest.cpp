#include "ArcScreenFixture.h"

#include "reference/NavaidTable.h"

#include <filesystem>

namespace {

using arctest::ArcScreens;

struct NavaidSearchScreen : ArcScreens {
    NavaidSearchScreen() {
        openArc();
        t.user.click(arcForm.SelectNavaidCommand);
    }
    void searchFor(const std::string& text) {
        t.user.replaceText(search.SearchText, text);
        t.user.click(search.SearchCommand);
    }
    std::vector<std::string> entries(const ui::ListBox& list) const {
        std::vector<std::string> out;
        for (int i = 0; i < list.ListCount(); ++i)
            out.push_back(list.List(i));
        return out;
    }
};

TEST_F(NavaidSearchScreen, OpensEmptyWithTransferDisabled) {
    EXPECT_EQ(search.caption(), "Navaid");
    EXPECT_EQ(search.Label1.caption(), "Search for Navaid");
    EXPECT_FALSE(search.AddWaypoint.enabled());
    EXPECT_EQ(search.WaypointListBox.ListCount(), 0);
    EXPECT_FALSE(search.LatText.visible());
}

TEST_F(NavaidSearchScreen, ThreeMatchesListedAndTheSecondShowsItsOwnPosition) {
    searchFor("abc");
    EXPECT_EQ(search.SearchText.text(), "ABC");
    EXPECT_EQ(entries(search.WaypointListBox), (std::vector<std::string>{"ABC", "ABC", "ABC"}));
    EXPECT_EQ(entries(search.PointerListBox), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(search.SearchCommand.caption(), "Start Search");
    EXPECT_FALSE(search.AddWaypoint.enabled());
    EXPECT_FALSE(search.LatText.visible());

    t.user.select(search.WaypointListBox, 1);
    EXPECT_TRUE(search.AddWaypoint.enabled());
    EXPECT_EQ(search.SelectedNavaidIndex(), 2);
    EXPECT_EQ(search.PointerListBox.listIndex(), 1);
    EXPECT_TRUE(search.LatText.visible());
    EXPECT_EQ(search.LatText.caption(), "S33 30        Latitude");
    EXPECT_EQ(search.LongText.caption(), "E151 15        Longitude");
    EXPECT_EQ(search.FreqText.text(), "");
}

TEST_F(NavaidSearchScreen, OneMatchIsSelectedAtOnce) {
    searchFor("SEA");
    EXPECT_EQ(search.WaypointListBox.listIndex(), 0);
    EXPECT_TRUE(search.AddWaypoint.enabled());
    EXPECT_EQ(search.LatText.caption(), "N47 26.121600 Latitude");
    EXPECT_EQ(search.LongText.caption(), "W122 18.576000 Longitude");
}

TEST_F(NavaidSearchScreen, SecondSearchShowsItsOwnEntriesPositions) {
    searchFor("ABC");
    t.user.select(search.WaypointListBox, 2);
    searchFor("OLM");
    EXPECT_EQ(entries(search.WaypointListBox), (std::vector<std::string>{"OLM"}));
    EXPECT_EQ(entries(search.PointerListBox), (std::vector<std::string>{"4"}));
    EXPECT_EQ(search.SelectedNavaidIndex(), 4);
    EXPECT_EQ(search.LatText.caption(), "N46 58.266600 Latitude");
}

TEST_F(NavaidSearchScreen, NoMatchLeavesTheListEmptyWithoutAMessage) {
    searchFor("ABC");
    t.user.select(search.WaypointListBox, 0);
    searchFor("ZZZ");
    EXPECT_EQ(search.WaypointListBox.ListCount(), 0);
    EXPECT_EQ(search.PointerListBox.ListCount(), 0);
    EXPECT_FALSE(search.AddWaypoint.enabled());
    EXPECT_FALSE(search.LatText.visible());
    EXPECT_FALSE(search.LongText.visible());
    EXPECT_TRUE(search.SearchText.hasFocus());
}

TEST_F(NavaidSearchScreen, TransferHandsTheNavaidToTheArcGeneratorAndCloses) {
    searchFor("ABC");
    t.user.select(search.WaypointListBox, 2);
    t.user.click(search.AddWaypoint);
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(m->ArcNavaid, "ABC");
    EXPECT_EQ(arcForm.ArcText.text(), "ABC");
    EXPECT_TRUE(arcForm.ArcText.visible());
    EXPECT_TRUE(arcForm.Label4.visible());

    // Opened again, it starts afresh.
    t.user.click(arcForm.SelectNavaidCommand);
    EXPECT_EQ(search.WaypointListBox.ListCount(), 0);
    EXPECT_EQ(search.SearchText.text(), "");
    EXPECT_FALSE(search.AddWaypoint.enabled());
}

TEST_F(NavaidSearchScreen, TransferTakesTheSelectedNavaidNotAnEditedSearchBox) {
    searchFor("SEA");
    t.user.replaceText(search.SearchText, "sex");
    t.user.click(search.AddWaypoint);
    EXPECT_EQ(m->ArcNavaid, "SEA");
    EXPECT_EQ(arcForm.ArcText.text(), "SEA");
}

TEST_F(NavaidSearchScreen, GoBackHandsNothingOver) {
    m->ArcNavaid = "OLD";
    searchFor("SEA");
    t.user.click(search.GoBackCommand);
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(m->ArcNavaid, "OLD");
    EXPECT_FALSE(arcForm.ArcText.visible());
    EXPECT_EQ(arcForm.ArcText.text(), "");
}

TEST_F(NavaidSearchScreen, BundledNavaidsListEveryRowOfTheIdentifier) {
    static const reference::NavaidTable bundled = reference::loadNavaids(
        std::filesystem::path(VEXTREL_DATA_DIR) / "reference" / "AllFlyNavaids.txt");
    m->NavaidTable = bundled;
    searchFor("sea");
    ASSERT_EQ(search.WaypointListBox.ListCount(), 2);
    EXPECT_EQ(search.WaypointListBox.listIndex(), -1);
    t.user.select(search.WaypointListBox, 1);
    EXPECT_EQ(search.LatText.caption(), "N41 48.616799 Latitude");
    EXPECT_EQ(search.LongText.caption(), "E8 50.89998  Longitude");
}

} // namespace
