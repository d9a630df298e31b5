#include "ArcScreenFixture.h"

#include "arc/NavaidSearch.h"
#include "reference/AirportTable.h"
#include "reference/NavaidTable.h"

namespace {

using arctest::entries;

struct NavaidSearchScreen : arctest::ArcScreens {
    NavaidSearchScreen() {
        openArc();
        t.user.click(arcForm.SelectNavaidCommand);
    }
    void searchFor(const std::string& text) {
        t.user.replaceText(search.SearchText, text);
        t.user.click(search.SearchCommand);
    }
};

// With the airport: how far each is, and the one the program's lookup takes.
TEST_F(NavaidSearchScreen, TheAirportsDistancesAndTheNavaidUsedAreShown) {
    m->AirportTable = reference::AirportTable({{"KSEA", "Seattle", 47.450188f, -122.31232f}});
    m->TypedICAO = "KSEA";
    searchFor("abc");
    EXPECT_EQ(entries(search.WaypointListBox)[2],
              "ABC  N47 27.00 W122 18.576  no frequency  0 NM from KSEA  (used)");
    EXPECT_EQ(entries(search.WaypointListBox)[0],
              "ABC  N10 0.00 E20 0.00  no frequency  6811 NM from KSEA");
    searchFor("sea");
    EXPECT_EQ(search.FreqText.text(), "116.8");
}

TEST_F(NavaidSearchScreen, ThreeMatchesEachShowItsOwnPositionAndTheChosenIsHandedOver) {
    EXPECT_FALSE(search.AddWaypoint.enabled());
    searchFor("abc");
    EXPECT_EQ(search.SearchText.text(), "ABC");
    // Without the airport: position and frequency tell them apart.
    EXPECT_EQ(entries(search.WaypointListBox),
              (std::vector<std::string>{"ABC  N10 0.00 E20 0.00  no frequency",
                                        "ABC  S33 30.00 E151 15.00  no frequency",
                                        "ABC  N47 27.00 W122 18.576  no frequency"}));
    EXPECT_EQ(entries(search.PointerListBox), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(search.AddWaypoint.enabled());
    EXPECT_FALSE(search.LatText.visible());

    t.user.select(search.WaypointListBox, 1);
    EXPECT_TRUE(search.AddWaypoint.enabled());
    EXPECT_EQ(search.SelectedNavaidIndex(), 2);
    EXPECT_EQ(search.LatText.caption(), "S33 30.00     Latitude");
    EXPECT_EQ(search.LongText.caption(), "E151 15.00     Longitude");

    // The selected navaid goes, whatever the search box says by then.
    t.user.replaceText(search.SearchText, "sea");
    t.user.click(search.AddWaypoint);
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(m->ArcNavaid, "ABC");
    EXPECT_EQ(arcForm.ArcText.text(), "ABC");
    EXPECT_TRUE(arcForm.ArcText.visible());
    // Opened again, it starts afresh.
    t.user.click(arcForm.SelectNavaidCommand);
    EXPECT_EQ(search.WaypointListBox.ListCount(), 0);
    EXPECT_EQ(search.SearchText.text(), "");
}

TEST_F(NavaidSearchScreen, NoMatchEmptiesTheListAndGoBackHandsNothingOver) {
    searchFor("ABC");
    t.user.select(search.WaypointListBox, 0);
    searchFor("ZZZ");
    EXPECT_EQ(search.WaypointListBox.ListCount() + search.PointerListBox.ListCount(), 0);
    EXPECT_FALSE(search.AddWaypoint.enabled());
    EXPECT_FALSE(search.LatText.visible());

    // A single match is selected at once.
    searchFor("SEA");
    EXPECT_EQ(search.SelectedNavaidIndex(), 5);
    // Minutes cut to nine characters.
    EXPECT_EQ(search.LatText.caption(), "N47 26.1216   Latitude");
    EXPECT_EQ(search.LongText.caption(), "W122 18.576    Longitude");
    t.user.click(search.GoBackCommand);
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(m->ArcNavaid, "");
    EXPECT_FALSE(arcForm.ArcText.visible());
}

TEST(NavaidSearch, TrimmedIdentifiersOfTheLetterGroupInTableOrder) {
    // Sorted: " ABC", " SEA", "ABC", "ABC", "ABC ", "ABCD", "SEA".
    const reference::NavaidTable navaids({{" ABC", 1, 1, 0},
                                          {"ABC", 10, 20, 0},
                                          {"ABC", 2, 2, 0},
                                          {"ABC ", 3, 3, 0},
                                          {"ABCD", 5, 5, 0},
                                          {" SEA", 2, 2, 0},
                                          {"SEA", 4, 4, 0}});
    EXPECT_EQ(arc::searchNavaids(navaids, "ABC"), (std::vector<std::int32_t>{1, 3, 4, 5}));
    EXPECT_EQ(arc::searchNavaids(navaids, "ABCD"), (std::vector<std::int32_t>{6}));
    // " SEA" lies in the first letter group, which a search for SEA skips.
    EXPECT_EQ(arc::searchNavaids(navaids, "SEA"), (std::vector<std::int32_t>{7}));
    EXPECT_TRUE(arc::searchNavaids(navaids, "abc").empty());
}

// Minutes in the minutes format: no float noise, no missing zero.
TEST(NavaidSearch, CoordinateCaptions) {
    const struct {
        float value;
        const char* caption;
    } rows[] = {{47.001f, "N47 0.06      Latitude"},     {-33.5f, "S33 30.00     Latitude"},
                {47.435361f, "N47 26.1216   Latitude"},  {8.848333f, "N8 50.90     Latitude"},
                {-12.999999f, "S13 0.00      Latitude"}, {0.0f, "N0 0.00      Latitude"}};
    for (const auto& row : rows)
        EXPECT_EQ(arc::coordinateCaption(row.value, 'N', 'S', " Latitude"), row.caption);
}

} // namespace
