#include "runtime/Sequential.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

using runtime::SequentialReader;
using runtime::SequentialWriter;

TEST(SequentialReader, FieldsQuotedBareAndEmpty) {
    // A byte-order mark before the first record is no part of it.
    SequentialReader reader("\xEF\xBB\xBF\"A,B\", 12.5 ,,\"\",bare text  \r\n  \"x\"junk,-3\n");
    EXPECT_EQ(reader.readText(), "A,B");
    EXPECT_DOUBLE_EQ(reader.readNumber(), 12.5);
    const auto empty = reader.readCell();
    EXPECT_TRUE(empty.empty);
    const auto quotedEmpty = reader.readCell();
    EXPECT_FALSE(quotedEmpty.empty);
    EXPECT_EQ(quotedEmpty.text, "");
    EXPECT_EQ(reader.readText(), "bare text");
    EXPECT_EQ(reader.readText(), "x");
    EXPECT_DOUBLE_EQ(reader.readNumber(), -3);
    EXPECT_TRUE(reader.atEnd());
}

TEST(SequentialReader, ErrorsPastEndAndOnNonNumbers) {
    SequentialReader reader("\"ID\",abc");
    reader.readText();
    try {
        reader.readNumber();
        FAIL();
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::TypeMismatch);
    }
    try {
        reader.readText();
        FAIL();
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::InputPastEndOfFile);
    }
    for (const char* bad : {"nan", "inf", "-inf", "0x1A", "1e999", "+-1", "--1", "1e", "\"12 \""}) {
        SequentialReader r(bad);
        EXPECT_THROW(r.readNumber(), runtime::RuntimeError) << bad;
    }
}

TEST(SequentialReader, NumbersInEveryFormTheFilesHold) {
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5},  {" +3 ", 3},     {"-.5", -0.5},  {"5.", 5},
        {"1E-08", 1e-8}, {"\" -7\"", -7}, {"\"\t2\"", 2}, {"-122.309", -122.309},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(SequentialReader(text).readNumber(), value) << text;
}

TEST(SequentialWriter, RecordsReadBackAsWritten) {
    SequentialWriter writer;
    writer.text("OLM270");
    writer.text("");
    writer.cell("");
    writer.cell("14.60");
    writer.number(270.0f);
    writer.number(0.5f);
    writer.endRecord();
    EXPECT_EQ(writer.content(), "\"OLM270\",\"\",,\"14.60\",270,.5\r\n");

    SequentialReader reader(writer.content());
    EXPECT_EQ(reader.readText(), "OLM270");
    EXPECT_FALSE(reader.readCell().empty);
    EXPECT_TRUE(reader.readCell().empty);
    EXPECT_EQ(reader.readText(), "14.60");
    EXPECT_DOUBLE_EQ(reader.readNumber(), 270);
    EXPECT_DOUBLE_EQ(reader.readNumber(), 0.5);
    EXPECT_TRUE(reader.atEnd());
}
