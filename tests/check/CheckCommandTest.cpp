#include "CheckCommand.h"
#include "runtime/TextFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;

namespace {

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("vextrel-check-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

CheckRun run(const std::vector<std::string>& args) {
    check::Options options;
    std::string error;
    EXPECT_TRUE(
        check::parseArguments(args, VEXTREL_DATA_DIR "/reference", "1/2/2030", options, error))
        << error;
    std::ostringstream out, err;
    const int status = check::runCheck(options, out, err);
    return {status, out.str(), err.str()};
}

const std::string sample = VEXTREL_DATA_DIR "/sample/PMDG/KSEA.txt";

} // namespace

TEST(CheckCommand, SampleWritesBackByteForByte) {
    const fs::path out = freshFolder("write");
    const CheckRun r =
        run({"--write", out.string(), "--date", "12/6/2026", "--author", "Vextrel Examples",
             "--airports", VEXTREL_DATA_DIR "/reference/AllFlyAirports.txt", sample});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, sample + ": ok, 13 fixes, 12 runway rows, 3 SIDs, 3 STARs\n");
    EXPECT_EQ(runtime::readWholeFile(out / "KSEA.txt"), runtime::readWholeFile(sample));
}

TEST(CheckCommand, FolderArgumentAndBrokenFileGiveStatusOne) {
    const fs::path folder = freshFolder("folder");
    runtime::writeFileReplacing(folder / "KBAD.txt", "FIXES\r\nfix ABC\r\n");
    runtime::writeFileReplacing(folder / "KOK.TXT", "FIXES\r\nFIX ABC LATLON N 1 2 E 3 4\r\n");
    runtime::writeFileReplacing(folder / "notes.md", "ignored\r\n");
    const CheckRun r = run({folder.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, (folder / "KBAD.txt").string() +
                         ": An unknown grammer element (fix) has popped up in line  2 of the "
                         "airport file. This was caused by either an unknown grammer word or by "
                         "a defective airport file. The program will have to terminate so the "
                         "file can be corrected.\n" +
                         (folder / "KOK.TXT").string() +
                         ": ok, 1 fixes, 0 runway rows, 0 SIDs, 0 STARs\n");
}

TEST(CheckCommand, ReferenceCountsAndUsageErrors) {
    const CheckRun r = run({"--reference", VEXTREL_DATA_DIR "/reference"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(": 63842 navaids\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(": 8596 airports\n"), std::string::npos);
    EXPECT_NE(r.out.find(": 3 user fixes\n"), std::string::npos);

    // Only the navaid file is required, as at start-up.
    const fs::path navaidsOnly = freshFolder("navaids-only");
    const CheckRun none = run({"--reference", navaidsOnly.string()});
    EXPECT_EQ(none.status, 1);
    runtime::writeFileReplacing(navaidsOnly / "AllFlyNavaids.txt", "\"SEA\",47.4,-122.3,116.8\r\n");
    const CheckRun alone = run({"--reference", navaidsOnly.string()});
    EXPECT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out, (navaidsOnly / "AllFlyNavaids.txt").string() + ": 1 navaids\n" +
                             (navaidsOnly / "AllFlyAirports.txt").string() + ": 0 airports\n" +
                             (navaidsOnly / "UserFixes.txt").string() + ": 0 user fixes\n");

    check::Options options;
    std::string error;
    EXPECT_FALSE(check::parseArguments({"--date"}, ".", "", options, error));
    EXPECT_EQ(error, "--date needs a value");
    EXPECT_FALSE(check::parseArguments({"--bogus", "x"}, ".", "", options, error));
    EXPECT_FALSE(check::parseArguments({}, ".", "", options, error));
    ASSERT_TRUE(check::parseArguments({"a.txt"}, "/opt/tool", "5/5/2025", options, error));
    EXPECT_EQ(options.airportsFile, fs::path("/opt/tool/AllFlyAirports.txt"));
    EXPECT_EQ(options.dateText, "5/5/2025");
}

TEST(CheckCommand, MissingFileIsReportedNotFatal) {
    const CheckRun r = run({"/nonexistent-folder/KXYZ.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("KXYZ.txt: cannot be read"), std::string::npos) << r.out;
}
