#include "FlowFixture.h"

#include "arc/AddARC.h"
#include "arc/FindWaypointForm.h"
#include "transitions/RunwayForm.h"

namespace flows {
namespace {

// The lines from `first` through `last` of a written file.
std::string section(const std::string& file, const std::string& first, const std::string& last) {
    const auto begin = file.find(first + "\r\n");
    const auto end = file.find(last + "\r\n", begin);
    if (begin == std::string::npos || end == std::string::npos)
        return {};
    return file.substr(begin, end + last.size() + 2 - begin);
}

std::vector<std::string> entries(const ui::ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i)
        out.push_back(list.List(i));
    return out;
}

// KSEA's runway 16C has no transition: two feeders are built for it, the
// second ending in a DME arc around SEA, saved with the airport and read back.
TEST_F(Flow, FeedersWithADMEArcAreSavedWithTheAirportAndReadBack) {
    auto& rw = t.app.add<transitions::RunwayForm>(*m, *ed);
    auto& arcForm = t.app.add<arc::AddARC>(*m);
    auto& search = t.app.add<arc::FindWaypointForm>(*m);
    runtime::writeFileReplacing(airportFile("KSEA"),
                                runtime::readWholeFile(bundled("sample/PMDG/KSEA.txt")));
    user.click(menu->ModifySTAR);
    pickAirport("K", "KSEA");
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    ASSERT_EQ(ed->ProcedureNameText.text(), "OLM4");
    EXPECT_EQ(ed->RwText1.text(), "16C");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::Red);

    user.doubleClick(ed->RwText1);
    ASSERT_TRUE(rw.visible());
    EXPECT_FALSE(ed->visible());
    EXPECT_EQ(rw.Label8.caption(), "16C");
    EXPECT_EQ(rw.FeederNumbers.caption(), "Feeder  1 of  1");

    // First feeder: a navaid, a fix by latitude and longitude, a fix by
    // radial and distance.
    user.typeInto(rw.RWAddNavText, "sea");
    user.click(rw.AddRWWaypointCommand);
    user.typeInto(rw.RWFixNameText, "feedr");
    user.typeInto(rw.RWDDMLatText, "47");
    user.typeInto(rw.RWDMMLatText, "20.5");
    user.typeInto(rw.RWDDMLongText, "122");
    user.typeInto(rw.RWDMMLongText, "10");
    user.click(rw.RWNLatOption);
    user.click(rw.RWWLongOption);
    user.typeInto(rw.RWAlt1Text, "6000");
    user.click(rw.AddRWWaypointCommand);
    user.typeInto(rw.RWFixNameText, "sea090");
    user.typeInto(rw.RWVORFIXText, "sea");
    user.typeInto(rw.RWHeadingText, "90");
    user.typeInto(rw.RWDistText, "12");
    user.typeInto(rw.RWAlt1Text, "4000");
    user.click(rw.AddRWWaypointCommand);
    EXPECT_EQ(entries(rw.RWWaypointList), (std::vector<std::string>{"SEA", "FEEDR", "SEA090"}));
    expectLayout();

    // Second feeder: a navaid, then a 30-degree arc at 12 NM around the
    // Seattle SEA, chosen among the navaids of that identifier.
    user.click(rw.AddFeederProcedureCommand);
    EXPECT_EQ(rw.FeederNumbers.caption(), "Feeder  2 of  2");
    user.typeInto(rw.RWAddNavText, "olm");
    user.click(rw.AddRWWaypointCommand);
    user.click(rw.AddArcCommand);
    ASSERT_TRUE(arcForm.visible());
    // The settings file's step angle, as its line reads.
    EXPECT_EQ(arcForm.StepAngleText.text(), "10");
    user.click(arcForm.SelectNavaidCommand);
    ASSERT_TRUE(search.visible());
    user.typeInto(search.SearchText, "sea");
    user.click(search.SearchCommand);
    EXPECT_EQ(entries(search.WaypointListBox),
              (std::vector<std::string>{
                  "SEA  N47 26.1216 W122 18.576  116.8  1 NM from KSEA  (used)",
                  "SEA  N41 48.6168 E8 50.90  no frequency  4850 NM from KSEA"}));
    user.select(search.WaypointListBox, 0);
    EXPECT_EQ(search.LatText.caption(), "N47 26.1216   Latitude");
    user.click(search.AddWaypoint);
    EXPECT_FALSE(search.isLoaded());
    EXPECT_EQ(arcForm.ArcText.text(), "SEA");
    user.typeInto(arcForm.ArcStartText, "180");
    user.typeInto(arcForm.ArcEndText, "210");
    user.typeInto(arcForm.ArcRadiusText, "12");
    user.click(arcForm.RightOption);
    user.click(arcForm.TurnInOptionNo);
    user.typeInto(arcForm.ArcAltText, "5000");
    user.click(arcForm.TransferCommand);
    EXPECT_FALSE(arcForm.isLoaded());
    EXPECT_EQ(entries(rw.RWWaypointList),
              (std::vector<std::string>{"OLM", "SEA1", "SEA2", "SEA3", "SEA4"}));

    user.click(rw.RWSaveCommand);
    ASSERT_TRUE(ed->visible());
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
    expectLayout();
    user.click(ed->SaveCommand);
    ASSERT_TRUE(menu->visible());
    const std::string file = runtime::readWholeFile(airportFile("KSEA"));

    // Reopened, 16C has its transition and both feeders come back, the
    // second closed at the runway's final fix.
    user.click(menu->ModifySTAR);
    pickAirport("KSEA", "KSEA");
    user.click(ed->NextProcedureCommand);
    user.click(ed->NextProcedureCommand);
    ASSERT_EQ(ed->ProcedureNameText.text(), "OLM4");
    EXPECT_EQ(ed->RwText1.foreColor(), ui::colors::ButtonText);
    expectLayout();
    user.doubleClick(ed->RwText1);
    ASSERT_TRUE(rw.visible());
    EXPECT_EQ(rw.FeederNumbers.caption(), "Feeder  1 of  2");
    EXPECT_EQ(entries(rw.RWWaypointList), (std::vector<std::string>{"SEA", "FEEDR", "SEA090"}));
    user.click(rw.ViewNextFeederCommand);
    EXPECT_EQ(rw.FeederNumbers.caption(), "Feeder  2 of  2");
    EXPECT_EQ(entries(rw.RWWaypointList),
              (std::vector<std::string>{"OLM", "SEA1", "SEA2", "SEA3", "SEA4", "SEA090"}));
    user.select(rw.RWWaypointList, 2);
    EXPECT_EQ(rw.RWVORFIXText.text(), "SEA");
    EXPECT_EQ(rw.RWHeadingText.text(), "190");
    EXPECT_EQ(rw.RWDistText.text(), "12");
    user.click(rw.RWOopsCommand);
    EXPECT_TRUE(ed->visible());

    EXPECT_EQ(section(file, "FIXES", "ENDFIXES"),
              "FIXES\r\n"
              "FIX ANVIL LATLON N 47 36.35 W 122 18.58\r\n"
              "FIX ARVAD LATLON N 47 13.36 W 122 34.86\r\n"
              "FIX ATOME LATLON N 47 36.45 W 122 21.79\r\n"
              "FIX BAKMN LATLON N 47 18.31 W 122 19.15\r\n"
              "FIX BLAKO LATLON N 47 19.60 W 122 4.09\r\n"
              "FIX BUCKK LATLON N 47 19.73 W 122 18.54\r\n"
              "FIX CF16L ID (CF) LATLON N 47 30.00 W 122 18.45\r\n"
              "FIX CF34R ID (CF) LATLON N 47 23.77 W 122 18.50\r\n"
              "FIX CHENY LATLON N 47 12.70 W 122 28.62\r\n"
              "FIX COYLA LATLON N 47 30.81 W 122 18.57\r\n"
              "FIX FEEDR LATLON N 47 20.50 W 122 10.00\r\n"
              "FIX HAROB LATLON N 47 14.60 W 123 2.45\r\n"
              "FIX SEA090 COLOCATED SEA 90 12\r\n"
              "FIX SEA1 COLOCATED SEA 180 12\r\n"
              "FIX SEA160 COLOCATED SEA 160 10\r\n"
              "FIX SEA2 COLOCATED SEA 190 12\r\n"
              "FIX SEA3 COLOCATED SEA 200 12\r\n"
              "FIX SEA4 COLOCATED SEA 210 12\r\n"
              "FIX SUMMA LATLON N 46 37.07 W 121 59.30\r\n"
              "ENDFIXES\r\n");
    EXPECT_EQ(section(file, "RNWS", "ENDRNWS"),
              "RNWS\r\n"
              "RNW 16L FIX CF16L 2000 FIX ANVIL 6000 FIX ATOME 5000 FIX COYLA 4000 \r\n"
              "   FROM HAROB FIX ARVAD 7000 FIX CHENY 6000 FIX COYLA 4000 \r\n"
              "RNW 34R FIX CF34R 2200 FIX BAKMN 4000 FIX BUCKK 3000 \r\n"
              "RNW 16C FIX SEA090 4000 \r\n"
              "   FROM SEA FIX FEEDR 6000 \r\n"
              "   FROM OLM FIX SEA1 5000 FIX SEA2 5000 FIX SEA3 5000 FIX SEA4 5000 \r\n"
              "ENDRNWS\r\n");
}

} // namespace
} // namespace flows
