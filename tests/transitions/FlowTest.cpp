#include "TransitionScreen.h"

#include "store/AirportWriter.h"

namespace {

using namespace transitionstest;

// The lines from `first` through `last` of a written airport file.
std::string section(const std::string& file, const std::string& first, const std::string& last) {
    const std::size_t begin = file.find(first + "\r\n");
    const std::size_t end = file.find(last + "\r\n", begin);
    if (begin == std::string::npos || end == std::string::npos)
        return {};
    return file.substr(begin, end + last.size() + 2 - begin);
}

using Flow = TransitionScreen;

// KSEA's runway 16C has no transition yet: the user double-clicks its red
// box, builds a feeder of a navaid, a fix by coordinates and a fix by radial
// and distance, and saves it.
TEST_F(Flow, ANewFeederForKSEA16CIsWrittenWithTheAirport) {
    loadKSEA();
    editor.RwText[0].setText("16C");
    open("16C", 1);
    EXPECT_EQ(form.caption(), "Modify a Runway Intermediate Fix Procedure");
    EXPECT_EQ(form.Frame3.caption(), "KSEA");
    EXPECT_EQ(form.RWSaveCommand.caption(), "Save Rw 16C  Feeder");
    EXPECT_EQ(form.FeederNumbers.caption(), "Feeder  1 of  1");
    messages.expectNotice("There are no waypoints to save");
    user.click(form.RWSaveCommand);

    user.typeInto(form.RWAddNavText, "sea");
    user.click(form.AddRWWaypointCommand);

    user.typeInto(form.RWFixNameText, "feedr");
    user.pressEnter(form.RWFixNameText);
    user.pressEnter(form.RwFixIDText);
    user.typeInto(form.RWDDMLatText, "47");
    user.pressEnter(form.RWDDMLatText);
    user.typeInto(form.RWDMMLatText, "20.5");
    user.pressEnter(form.RWDMMLatText);
    user.typeInto(form.RWDDMLongText, "122");
    user.pressEnter(form.RWDDMLongText);
    user.typeInto(form.RWDMMLongText, "10");
    user.click(form.RWNLatOption);
    user.click(form.RWWLongOption);
    user.typeInto(form.RWAlt1Text, "6000");
    user.click(form.AddRWWaypointCommand);

    user.typeInto(form.RWFixNameText, "sea090");
    user.typeInto(form.RWVORFIXText, "sea");
    user.pressEnter(form.RWVORFIXText);
    user.typeInto(form.RWHeadingText, "90");
    user.pressEnter(form.RWHeadingText);
    user.typeInto(form.RWDistText, "12");
    user.typeInto(form.RWAlt1Text, "4000");
    user.click(form.AddRWWaypointCommand);

    EXPECT_EQ(entries(), (std::vector<std::string>{"SEA", "FEEDR", "SEA090"}));
    user.click(form.RWSaveCommand);
    EXPECT_EQ(editor.RwText[0].foreColor(), ui::colors::ButtonText);
    EXPECT_TRUE(editor.visible());

    const std::string file =
        store::PrintTheSidStarFile(m->Store, m->Counters, {"KSEA", "", "", "12/6/2026"});
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
              "FIX SEA160 COLOCATED SEA 160 10\r\n"
              "FIX SUMMA LATLON N 46 37.07 W 121 59.30\r\n"
              "ENDFIXES\r\n");
    EXPECT_EQ(section(file, "RNWS", "ENDRNWS"),
              "RNWS\r\n"
              "RNW 16L FIX CF16L 2000 FIX ANVIL 6000 FIX ATOME 5000 FIX COYLA 4000 \r\n"
              "   FROM HAROB FIX ARVAD 7000 FIX CHENY 6000 FIX COYLA 4000 \r\n"
              "RNW 34R FIX CF34R 2200 FIX BAKMN 4000 FIX BUCKK 3000 \r\n"
              "RNW 16C FIX SEA090 4000 \r\n"
              "   FROM SEA FIX FEEDR 6000 \r\n"
              "ENDRNWS\r\n");
}

} // namespace
