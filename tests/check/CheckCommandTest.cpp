#include "CheckCommand.h"
#include "checks/AirportChecks.h"
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

// An airport the checks find nothing in; each case below changes one thing.
const std::string Clean = "FIXES\r\n"
                          "FIX ANVIL LATLON N 47 36.35 W 122 18.58\r\n"
                          "ENDFIXES\r\n"
                          "RNWS\r\n"
                          "RNW 16L FIX ANVIL 2000\r\n"
                          "ENDRNWS\r\n"
                          "SIDS\r\n"
                          "SID DEP1 RNW 16L NAVAID SEA FIX ANVIL 5000\r\n"
                          "ENDSIDS\r\n"
                          "STARS\r\n"
                          "STAR ARR1 FIX ANVIL 6000 RNW 16L\r\n"
                          "ENDSTARS\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string manySTARs() {
    std::string stars;
    for (int i = 1; i <= 41; ++i)
        stars += "STAR S" + std::to_string(i) + " FIX ANVIL RNW 16L\r\n";
    return replaced(Clean, "STAR ARR1 FIX ANVIL 6000 RNW 16L\r\n", stars);
}

struct Case {
    const char* check;
    std::string file;
    std::string finding; // what follows "<check>/KSEA.txt:"
};

} // namespace

// One airport a check, each in a folder of its own: the folder is searched
// recursively, and every finding names its line and check.
TEST(CheckCommand, EachCheckReportsItsLineAndName) {
    const std::string ADDED_FIX = "FIX ANVIL LATLON N 47 36.35 W 122 18.58\r\n";
    const std::vector<Case> cases = {
        {"unreadable", replaced(Clean, "FIX ANVIL LATLON", "fix ANVIL LATLON"),
         "2: error: An unknown grammer element (fix) has popped up in line  2 of the airport "
         "file. This was caused by either an unknown grammer word or by a defective airport "
         "file. The program will have to terminate so the file can be corrected."},
        {"capacity", manySTARs(),
         "51: error: The airport file cannot be read: line  51 would need more than 40 STARs. "
         "The file has to be corrected before it can be opened."},
        {"unknown-waypoint", replaced(Clean, "FIX ANVIL 5000", "FIX ANVIL\r\n FIX XYZZY 5000"),
         "9: error: SID DEP1 names fix XYZZY, which is defined nowhere"},
        {"duplicate-fix",
         replaced(Clean, ADDED_FIX, ADDED_FIX + "FIX ANVIL LATLON N 47 36 W 122 18\r\n"),
         "3: error: fix ANVIL is defined twice, differently"},
        {"unknown-colocated-navaid",
         replaced(Clean, "LATLON N 47 36.35 W 122 18.58", "COLOCATED QQX 90 10"),
         "2: error: fix ANVIL is placed from navaid QQX, which is not in the navaid table"},
        {"duplicate-procedure",
         replaced(Clean, "ENDSIDS", "SID DEP1 RNW 34R RNW 16L NAVAID SEA\r\nENDSIDS"),
         "9: error: SID DEP1 for runway 16L is defined twice"},
        {"bad-runway", replaced(Clean, "SID DEP1 RNW 16L", "SID DEP1 RNW 16L RNW 37"),
         "8: error: SID DEP1 names runway 37, which is not 1 to 36 with an optional L, C or R"},
        {"runway-without-transition",
         replaced(Clean, "RNW 16L\r\nENDSTARS", "RNW 16L RNW 34R\r\nENDSTARS"),
         "11: warning: STAR ARR1 uses runway 34R, which has no transition"},
        {"unused-transition", replaced(Clean, "ENDRNWS", "RNW 34R FIX ANVIL 2000\r\nENDRNWS"),
         "6: warning: the transition to runway 34R is used by no STAR"},
        {"ambiguous-navaid", replaced(Clean, "NAVAID SEA", "NAVAID ON"),
         "8: warning: navaid ON has 2 entries within 200 NM of KSEA: the program uses the one "
         "182 NM away; the others are 158 NM away"},
        {"far-fix", replaced(Clean, "N 47 36.35", "S 47 36.35"),
         "2: warning: fix ANVIL lies 5703 NM from KSEA; is its hemisphere right?"},
        {"altitude-range", replaced(Clean, "ANVIL 6000", "ANVIL 60001"),
         "11: warning: STAR ARR1 gives ANVIL the altitude 60001, outside 0 to 60000"},
        {"unused-fix",
         replaced(Clean, ADDED_FIX, ADDED_FIX + "FIX LONELY LATLON N 47 30 W 122 10\r\n"),
         "3: warning: fix LONELY is defined but never used"},
    };
    const fs::path folder = freshFolder("cases");
    std::vector<std::string> expected;
    int errors = 0;
    for (const Case& c : cases) {
        fs::create_directories(folder / c.check);
        runtime::writeFileReplacing(folder / c.check / "KSEA.txt", c.file);
        expected.push_back((folder / c.check / "KSEA.txt").string() + ":" + c.finding + " [" +
                           c.check + "]");
        errors += c.finding.find(": error: ") != std::string::npos;
    }
    fs::create_directories(folder / "clean");
    runtime::writeFileReplacing(folder / "clean" / "KSEA.TXT", Clean);
    const CheckRun r = run({folder.string()});
    EXPECT_EQ(r.status, 1);
    // The findings in the folder walk's order, which is the folders' names.
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> findings;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (line.ends_with("]"))
            findings.push_back(line);
    EXPECT_EQ(findings, expected);
    EXPECT_NE(r.out.find((folder / "clean" / "KSEA.TXT").string() +
                         ": ok, 1 fixes, 1 runway rows, 1 SIDs, 1 STARs\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("14 files, " + std::to_string(errors) + " errors, " +
                                std::to_string(cases.size() - errors) + " warnings\n"))
        << r.out;
}

// The bundled sample: read back byte for byte, and one true warning (OLM4's
// runway 16C has no transition, which the editor shows red). Warnings fail
// the run only with --werror; a disabled check says nothing.
TEST(CheckCommand, SampleWritesBackWithItsOneWarning) {
    const fs::path out = freshFolder("write");
    const CheckRun r =
        run({"--write", out.string(), "--date", "12/6/2026", "--author", "Vextrel Examples",
             "--airports", VEXTREL_DATA_DIR "/reference/AllFlyAirports.txt", sample});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, sample +
                         ":37: warning: STAR OLM4 uses runway 16C, which has no transition "
                         "[runway-without-transition]\n" +
                         sample + ": checked, 13 fixes, 12 runway rows, 3 SIDs, 3 STARs\n" +
                         "1 files, 0 errors, 1 warnings\n");
    EXPECT_EQ(runtime::readWholeFile(out / "KSEA.txt"), runtime::readWholeFile(sample));

    EXPECT_EQ(run({"--werror", sample}).status, 1);
    const CheckRun quiet = run({"--werror", "--disable", "runway-without-transition", sample});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_TRUE(quiet.out.starts_with(sample + ": ok, 13 fixes")) << quiet.out;
}

TEST(CheckCommand, JsonRecords) {
    const fs::path folder = freshFolder("json");
    runtime::writeFileReplacing(folder / "KSEA.txt",
                                replaced(Clean, "FIX ANVIL 5000", "FIX \"Q\\\t 5000"));
    const CheckRun r = run({"--format", "json", (folder / "KSEA.txt").string(), sample});
    EXPECT_EQ(r.status, 1);
    // A Windows path's backslashes are escaped in JSON.
    std::string file;
    for (const char c : (folder / "KSEA.txt").string())
        file += c == '\\' ? std::string(2, c) : std::string(1, c);
    EXPECT_EQ(r.out, "{\"findings\": [\n"
                     "  {\"file\": \"" +
                         file +
                         "\", \"line\": 8, \"severity\": \"error\", \"check\": \"unreadable\", "
                         "\"message\": \"The airport file cannot be read: line  8 has a double "
                         "quote in \\\"Q\\\\\\u0009; names in the airport file cannot hold one. "
                         "The file has to be corrected before it can be opened.\"},\n"
                         "  {\"file\": \"" +
                         sample +
                         "\", \"line\": 37, \"severity\": \"warning\", \"check\": "
                         "\"runway-without-transition\", \"message\": \"STAR OLM4 uses runway "
                         "16C, which has no transition\"}\n"
                         "],\n\"files\": 2, \"errors\": 1, \"warnings\": 1}\n");
}

// Tables the reader never makes but the editor could: a procedure without
// legs. The save lists what is found, errors first.
TEST(CheckCommand, AProcedureWithoutLegsAndTheSavesMessage) {
    auto store = std::make_unique<store::ProcedureStore>();
    store->SIDs[1].Name = "DEP1";
    store->SIDs[1].RW1 = "16L";
    store->SIDs[1].EndOfRunway = store::True;
    const auto findings = checks::checkAirport(*store, {});
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].check, "empty-procedure");
    EXPECT_EQ(checks::savedFindingsMessage("KSEA.txt",
                                           {{checks::Severity::Warning, "far-fix", "far", {}},
                                            findings[0],
                                            {checks::Severity::Warning, "unused-fix", "b", {}}},
                                           2),
              "KSEA.txt is saved. The checks found:\r\nerror: SID DEP1 has no legs\r\n"
              "warning: far\r\n... and 1 more.");
}

TEST(CheckCommand, ReferenceCountsAndUsageErrors) {
    const CheckRun r = run({"--reference", VEXTREL_DATA_DIR "/reference"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(": 63842 navaids\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(": 8596 airports\n"), std::string::npos);
    EXPECT_NE(r.out.find(": 3 user fixes\n"), std::string::npos);

    // Only the navaid file is required, as at start-up; without it nothing
    // can be checked.
    const fs::path navaidsOnly = freshFolder("navaids-only");
    EXPECT_EQ(run({"--reference", navaidsOnly.string(), sample}).status, 2);
    runtime::writeFileReplacing(navaidsOnly / "AllFlyNavaids.txt", "\"SEA\",47.4,-122.3,116.8\r\n");
    const CheckRun alone = run({"--reference", navaidsOnly.string()});
    EXPECT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(alone.out, (navaidsOnly / "AllFlyNavaids.txt").string() + ": 1 navaids\n" +
                             (navaidsOnly / "AllFlyAirports.txt").string() + ": 0 airports\n" +
                             (navaidsOnly / "UserFixes.txt").string() + ": 0 user fixes\n");

    check::Options options;
    std::string error;
    for (const auto& [args, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--date"}, "--date needs a value"},
             {{"--bogus", "x"}, "unknown option --bogus"},
             {{}, "no airport file given"},
             {{"--format", "xml", "a.txt"}, "--format takes text or json, not xml"},
             {{"--disable", "no-such", "a.txt"}, "no check is named no-such (--help lists them)"},
         }) {
        EXPECT_FALSE(check::parseArguments(args, ".", "", options, error));
        EXPECT_EQ(error, message);
    }
    ASSERT_TRUE(check::parseArguments({"a.txt"}, "/opt/tool", "5/5/2025", options, error));
    EXPECT_EQ(options.airportsFile, fs::path("/opt/tool/AllFlyAirports.txt"));
    EXPECT_EQ(options.referenceFolder, fs::path("/opt/tool"));
    EXPECT_EQ(options.dateText, "5/5/2025");
    std::ostringstream help;
    check::printHelp(help);
    for (const auto& c : checks::checkCatalogue())
        EXPECT_NE(help.str().find(std::string(c.name)), std::string::npos) << c.name;
}

// Installed, the tool has no reference files beside it and reads the shared ones.
TEST(CheckCommand, InstalledToolDefaultsToTheSharedReferenceFiles) {
    const fs::path prefix = freshFolder("installed");
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share/vextrel");
    runtime::writeFileReplacing(prefix / "share/vextrel/AllFlyNavaids.txt", "");
    check::Options options;
    std::string error;
    ASSERT_TRUE(check::parseArguments({"a.txt"}, prefix / "bin", "", options, error));
    EXPECT_EQ(options.referenceFolder, prefix / "share/vextrel");
    EXPECT_EQ(options.airportsFile, prefix / "share/vextrel/AllFlyAirports.txt");
}

TEST(CheckCommand, MissingFileIsReportedNotFatal) {
    const CheckRun r = run({"/nonexistent-folder/KXYZ.txt"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("KXYZ.txt: error: cannot be read"), std::string::npos) << r.out;
}

// A picture of every SID and STAR, one file each, named after the option.
TEST(CheckCommand, DrawWritesAPictureOfEveryProcedure) {
    const fs::path folder = freshFolder("draw");
    const CheckRun r = run({"--draw", (folder / "map.svg").string(), sample});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* name :
         {"SID-SEA9", "SID-SUMMA1", "SID-HAROB2", "STAR-SUMMA1", "STAR-HQM3", "STAR-OLM4"}) {
        const fs::path picture = folder / ("map-KSEA-" + std::string(name) + ".svg");
        EXPECT_NE(r.out.find("wrote " + picture.string() + "\n"), std::string::npos) << r.out;
        std::string title = name;
        title[title.find('-')] = ' ';
        EXPECT_NE(runtime::readWholeFile(picture).find("Tacoma Intl - " + title + "</text>"),
                  std::string::npos)
            << name;
    }
    check::Options options;
    std::string error;
    EXPECT_FALSE(check::parseArguments({"--draw", "x.jpg", "a.txt"}, ".", "", options, error));
    EXPECT_EQ(error, "--draw writes .svg or .png files, not x.jpg");
}
