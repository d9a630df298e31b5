// Deleting a STAR's only waypoint keeps the runway lists of the STARs in
// step with them.
#include "EditorScreen.h"
#include "Invariant.h"

namespace editortest {
namespace {

using Lines = std::vector<std::string>;

class WaypointList : public EditorScreen {
protected:
    void deleteLine(int line) {
        user.select(ed->WaypointList, line);
        user.click(ed->DeleteWaypointCommand);
    }
};

// A STAR that loses its only waypoint is made again in its place by the
// next one, in front of the next STAR, so the runway lists still match.
TEST_F(WaypointList, STARWithoutWaypointsIsMadeAgainInItsPlace) {
    openModify(shell::EditMode::ModifySTARs,
               "SIDS\r\nENDSIDS\r\nSTARS\r\nSTAR AAA NAVAID OLM RNW 16L\r\n"
               "STAR BBB NAVAID SEA NAVAID OLM 8000 RNW 34R\r\nENDSTARS\r\n");
    deleteLine(0);
    EXPECT_EQ(m->Store.STARs[1].Name, "BBB");
    EXPECT_EQ(checkInvariant(*m), "");

    addNavaid("SEA");
    EXPECT_EQ((Lines{m->Store.STARs[1].Name, m->Store.STARs[2].Name}), (Lines{"AAA", "BBB"}));
    EXPECT_EQ(m->Store.STARs[2].Elements, 2);
    EXPECT_EQ((Lines{m->Store.STARRunways(1, 1), m->Store.STARRunways(2, 1)}),
              (Lines{"16L", "34R"}));
    EXPECT_EQ(checkInvariant(*m), "");
}

// Move Up leaves table dumps only when asked for, and only in the program
// folder: the airport list offers every file of the data folder.
TEST_F(WaypointList, MoveUpDumpsTheTablesOnlyWhenAskedAndNeverAmongTheAirports) {
    for (const bool asked : {false, true}) {
        SCOPED_TRACE(asked);
        m->DumpFolder = asked ? t.programFolder.path() : std::filesystem::path();
        openModify(shell::EditMode::ModifySTARs, sampleKSEA());
        user.select(ed->WaypointList, 1);
        user.click(ed->MoveUp);
        EXPECT_EQ(lines(), (Lines{"BLAKO", "SUMMA", "COYLA"}));
        std::vector<std::string> dataFiles;
        for (const auto& e : std::filesystem::directory_iterator(m->DataFolder))
            dataFiles.push_back(e.path().filename().string());
        EXPECT_EQ(dataFiles, (Lines{"KSEA.txt"}));
        for (const char* dump : {"ZBeforeUp.txt", "ZAfterUp.txt"})
            EXPECT_EQ(std::filesystem::exists(t.programFolder.path() / dump), asked) << dump;
        t.app.dispatch([this] { ed->unload(); });
    }
}

} // namespace
} // namespace editortest
