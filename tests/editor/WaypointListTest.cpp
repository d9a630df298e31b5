// The waypoint list's Move Up and its table dumps.
#include "EditorScreen.h"

namespace editortest {
namespace {

using Lines = std::vector<std::string>;

using WaypointList = EditorScreen;

// Move Up leaves table dumps only when asked for, and only in the program
// folder: the airport list offers every file of the data folder.
TEST_F(WaypointList, MoveUpDumpsTheTablesOnlyWhenAskedAndNeverAmongTheAirports) {
    for (const bool asked : {false, true}) {
        SCOPED_TRACE(asked);
        m->DumpFolder = asked ? t.programFolder.path() : std::filesystem::path();
        openModify(ModifySTARs, sampleKSEA());
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
