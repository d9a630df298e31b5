#include "procedures/AirportSave.h"

#include "runtime/RuntimeError.h"
#include "runtime/TextFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Which file Save writes, and when it asks first: a file opened under any
// name is written back to; a typed code names its own file.
TEST(ChooseSaveTarget, WritesBackToTheOpenedFileAndAsksBeforeReplacingAnother) {
    const support::TempFolder data;
    for (const char* name : {"KSEA.txt", "KSEA - Copy.txt", "KSEA2019.txt", "KSEA_old.txt"})
        data.write(name, "x");
    const struct {
        const char* opened; // "" for a new airport
        const char* typed;
        const char* file;
        bool asks;
    } cases[] = {
        {"KSEA - Copy.txt", "KSEA", "KSEA - Copy.txt", false},
        {"KSEA2019.txt", "KSEA", "KSEA2019.txt", false},
        {"KSEA_old.txt", "KSEA", "KSEA_old.txt", false},
        {"KSEA.txt", "KSEA", "KSEA.txt", false},
        {"", "KSEA", "KSEA.txt", true},
        {"", "KBFI", "KBFI.txt", false},
        // A code changed in the box names another file.
        {"KSEA - Copy.txt", "KSEB", "KSEB.txt", false},
        {"KSEA2019.txt", "KSE", "KSE.txt", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.opened) + " / " + c.typed);
        const fs::path opened = *c.opened ? data.path() / c.opened : fs::path();
        const std::string shown = fs::path(c.opened).stem().string().substr(0, 4);
        const auto chosen = procedures::chooseSaveTarget(data.path(), opened, shown, c.typed);
        ASSERT_TRUE(std::holds_alternative<procedures::SaveTarget>(chosen));
        const auto& target = std::get<procedures::SaveTarget>(chosen);
        EXPECT_EQ(target.file, data.path() / c.file);
        EXPECT_EQ(target.replacesAnotherFile, c.asks);
    }
    for (const char* typed : {"K.1", "../KSEA", "KS A"})
        EXPECT_EQ(
            std::get<procedures::Refusal>(procedures::chooseSaveTarget(data.path(), {}, "", typed))
                .field,
            procedures::Field::ICAO)
            << typed;
}

// A failed save changes neither file; the first file that failed is named.
TEST(SaveAirportAndUserFixes, ChangesBothFilesOrNeither) {
    const struct {
        const char* name;
        bool airportExists;
        bool airportFails;
        bool userFixesFail;
        bool restoreFails;
        const char* failed; // "" when saved
        bool intact;
    } cases[] = {
        {"Saved", true, false, false, false, "", true},
        {"AirportFails", true, true, false, false, "KSEA.txt", true},
        {"UserFixesFail", true, false, true, false, "UserFixes.txt", true},
        {"UserFixesFailOnANewAirport", false, false, true, false, "UserFixes.txt", true},
        {"PuttingBackFailsToo", true, false, true, true, "UserFixes.txt", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const support::TempFolder folder;
        const fs::path airport = folder.path() / "KSEA.txt";
        const fs::path userFixes = folder.path() / "UserFixes.txt";
        if (c.airportExists)
            folder.write("KSEA.txt", "old airport");
        folder.write("UserFixes.txt", "old fixes");
        int airportWrites = 0;
        const auto write = [&](const fs::path& file, const std::string& text) {
            const bool isAirport = file == airport;
            airportWrites += isAirport;
            if ((isAirport && c.airportFails) || (!isAirport && c.userFixesFail) ||
                (isAirport && airportWrites == 2 && c.restoreFails))
                throw runtime::RuntimeError(runtime::DiskFull, file.string(), file, 0);
            runtime::writeFileReplacing(file, text);
        };
        const auto failure = procedures::saveAirportAndUserFixes(airport, "new airport", userFixes,
                                                                 "new fixes", write);
        if (!*c.failed) {
            EXPECT_FALSE(failure);
            EXPECT_EQ(runtime::readWholeFile(airport), "new airport");
            EXPECT_EQ(runtime::readWholeFile(userFixes), "new fixes");
            continue;
        }
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->file, folder.path() / c.failed);
        EXPECT_EQ(failure->number, runtime::DiskFull);
        EXPECT_EQ(failure->filesIntact, c.intact);
        EXPECT_EQ(runtime::readWholeFile(userFixes), "old fixes");
        if (!c.intact)
            EXPECT_EQ(runtime::readWholeFile(airport), "new airport");
        else if (c.airportExists)
            EXPECT_EQ(runtime::readWholeFile(airport), "old airport");
        else
            EXPECT_FALSE(fs::exists(airport));
    }
}

} // namespace
