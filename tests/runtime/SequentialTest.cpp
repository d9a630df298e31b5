#include "runtime/Sequential.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

using runtime::SequentialReader;

namespace {

int errorOf(const auto& action) {
    try {
        action();
    } catch (const runtime::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

TEST(SequentialReader, FieldsQuotedBareAndEmpty) {
    // A byte-order mark before the first record is no part of it.
    SequentialReader reader("\xEF\xBB\xBF\"A,B\", 12.5 ,,\"\",bare text  \r\n  \"x\"junk,-3\n");
    EXPECT_EQ(reader.readText(), "A,B");
    EXPECT_DOUBLE_EQ(reader.readNumber(), 12.5);
    EXPECT_TRUE(reader.readCell().empty);
    const auto quotedEmpty = reader.readCell();
    EXPECT_FALSE(quotedEmpty.empty);
    EXPECT_EQ(quotedEmpty.text, "");
    EXPECT_EQ(reader.readText(), "bare text");
    EXPECT_EQ(reader.readText(), "x");
    EXPECT_DOUBLE_EQ(reader.readNumber(), -3);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(errorOf([&] { reader.readText(); }), runtime::InputPastEndOfFile);
}

TEST(SequentialReader, NumbersInEveryFormTheFilesHoldAndNothingElse) {
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5},  {" +3 ", 3},     {"-.5", -0.5},  {"5.", 5},
        {"1E-08", 1e-8}, {"\" -7\"", -7}, {"\"\t2\"", 2}, {"-122.309", -122.309}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(SequentialReader(text).readNumber(), value) << text;
    for (const char* bad :
         {"abc", "nan", "inf", "-inf", "0x1A", "1e999", "+-1", "--1", "1e", "\"12 \""})
        EXPECT_EQ(errorOf([&] { SequentialReader(bad).readNumber(); }), runtime::TypeMismatch)
            << bad;
}

TEST(SequentialWriter, QuotesTextAndLeavesEmptyCellsBare) {
    runtime::SequentialWriter writer;
    writer.text("OLM270");
    writer.text("");
    writer.cell("");
    writer.cell("14.60");
    writer.number(270.0f);
    writer.number(0.5f);
    writer.endRecord();
    EXPECT_EQ(writer.content(), "\"OLM270\",\"\",,\"14.60\",270,.5\r\n");
}
