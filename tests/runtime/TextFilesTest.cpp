#include "runtime/TextFiles.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using runtime::LineReader;
using runtime::RuntimeError;

namespace {

fs::path tempFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("vextrel-runtime-" + name);
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
    LineReader reader("a\r\nb\rc\nd\r\n\r\ne");
    std::vector<std::string> lines;
    while (!reader.atEnd())
        lines.push_back(reader.readLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(errorNumberOf([&] { reader.readLine(); }), runtime::InputPastEndOfFile);
}

TEST(LineReader, CrAtTheVeryEndEndsTheLastLine) {
    LineReader reader("x\r");
    EXPECT_EQ(reader.readLine(), "x");
    EXPECT_TRUE(reader.atEnd());
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
