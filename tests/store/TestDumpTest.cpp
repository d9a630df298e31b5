#include "StoreTestSupport.h"

#include "runtime/TextFiles.h"
#include "store/TestDump.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PrintTestData, WritesTheTablesInFixedColumns) {
    const auto l = storetest::load(storetest::crlf(
        {"FIXES", "FIX CF LATLON N 47 30.00 W 122 18.45", "RNWS", "RNW 16L FIX CF 2000 NAVAID A ",
         "ENDRNWS", "STARS", "STAR HQM3 NAVAID HQM RNW 16L"}));
    ASSERT_TRUE(l->result.ok) << l->result.message;
    const auto folder = std::filesystem::temp_directory_path() / "vextrel-store-dump";
    std::filesystem::create_directories(folder);
    store::PrintTestData(folder, "BeforeUp", l->store, l->counters);
    const std::string text = runtime::readWholeFile(folder / "ZBeforeUp.txt");
    std::filesystem::remove_all(folder);

    EXPECT_EQ(text, store::testDataText("BeforeUp", l->store, l->counters));
    EXPECT_TRUE(text.starts_with(storetest::crlf(
        {"BeforeUp", "", "STARs",
         "      Name        Entry       Fix         VOR         Alt         Elements",
         " 1    HQM3         0                      HQM                      1"})));
    EXPECT_NE(text.find("\r\n 39 "), std::string::npos); // the first 39 rows only
    EXPECT_EQ(text.find("\r\n 40 "), std::string::npos);
    EXPECT_TRUE(
        text.ends_with(" 2    16L         CF                      2000         0          -1\r\n"));
}

} // namespace
