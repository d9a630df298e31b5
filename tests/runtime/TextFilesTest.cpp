#include "runtime/TextFiles.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;
using runtime::LineReader;
using runtime::RuntimeError;

namespace {

fs::path tempFolder(const std::string& name) {
    // One folder per process: the comma-locale run of this program, and
    // other checkouts' runs, go on at the same time.
    const fs::path folder =
        fs::temp_directory_path() / ("vextrel-runtime-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

int errorNumberOf(const auto& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(LineReader, EveryLineEndingEndsALine) {
    // A byte-order mark before the first line is no part of it; the last line
    // ends with the text or with a CR, with no empty line after it.
    for (const char* ending : {"", "\r"}) {
        LineReader reader("\xEF\xBB\xBF"
                          "a\r\nb\rc\nd\r\n\r\ne" +
                          std::string(ending));
        std::vector<std::string> lines;
        while (!reader.atEnd())
            lines.push_back(reader.readLine());
        EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
        EXPECT_EQ(errorNumberOf([&] { reader.readLine(); }), runtime::InputPastEndOfFile);
    }
}

TEST(Files, OpenErrorsCarryTheirNumbers) {
    const fs::path folder = tempFolder("open");
    EXPECT_EQ(errorNumberOf([&] { runtime::readWholeFile(folder / "none.txt"); }),
              runtime::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { runtime::readWholeFile(folder / "no" / "none.txt"); }),
              runtime::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { runtime::writeFileReplacing(folder / "no" / "x.txt", "x"); }),
              runtime::PathNotFound);
}

TEST(Files, ReplacingWriteLeavesNoTemporaryAndKeepsOldFileOnFailure) {
    const fs::path folder = tempFolder("replace");
    const fs::path target = folder / "A.txt";
    runtime::writeFileReplacing(target, "old\r\n");
    runtime::writeFileReplacing(target, "new\r\n");
    EXPECT_EQ(runtime::readWholeFile(target), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A target that is a folder cannot be replaced; nothing else changes.
    fs::create_directory(folder / "B.txt");
    EXPECT_NE(errorNumberOf([&] { runtime::writeFileReplacing(folder / "B.txt", "x"); }), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

#ifdef _WIN32
// Windows refuses to move a file over one that is read-only or open without
// sharing; the save fails whole and the old file stays as it was.
TEST(Files, RefusedMoveOnWindowsLeavesTheOldFileWholeAndNoTemporary) {
    const fs::path folder = tempFolder("refused");
    ASSERT_TRUE(folder.string().starts_with("C:\\")) << folder;
    const fs::path target = folder / "KSEA.txt";
    for (const bool readOnly : {true, false}) {
        runtime::writeFileReplacing(target, "old\r\nwhole\r\n");
        ::SetFileAttributesW(target.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : 0);
        const HANDLE held = readOnly ? INVALID_HANDLE_VALUE
                                     : ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr,
                                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_EQ(errorNumberOf([&] { runtime::writeFileReplacing(target, "new\r\n"); }),
                  runtime::PermissionDenied)
            << readOnly;
        ::CloseHandle(held);
        ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(runtime::readWholeFile(target), "old\r\nwhole\r\n") << readOnly;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
}
#else
TEST(Files, ReplacingWriteKeepsTheFilesIdentityAndClearsItsStaleTemporaries) {
    const fs::path folder = tempFolder("identity");
    const fs::path real = folder / "real" / "A.txt";
    fs::create_directories(real.parent_path());
    runtime::writeFileReplacing(real, "old\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/A.txt", folder / "link.txt");
    const fs::path stale = real.parent_path() / ".A.txt.123456.tmp";
    const fs::path otherTargets[] = {real.parent_path() / ".B.txt.123456.tmp",
                                     real.parent_path() / ".A.txt.5.123456.tmp"};
    for (const fs::path& temp : {stale, otherTargets[0], otherTargets[1]})
        std::ofstream(temp) << "partial";

    runtime::writeFileReplacing(folder / "link.txt", "new\r\n");
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_EQ(runtime::readWholeFile(real), "new\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(stale));
    for (const fs::path& temp : otherTargets)
        EXPECT_TRUE(fs::exists(temp)) << temp;
}
#endif
