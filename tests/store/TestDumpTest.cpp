#include "StoreTestSupport.h"

#include "runtime/TextFiles.h"
#include "store/TestDump.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(PrintTestData, WritesTheTablesInFixedColumns) {
    const auto l = storetest::load(
        storetest::crlf({"FIXES", "FIX CF LATLON N 47 30.00 W 122 18.45",
                         "FIX SEA160 COLOCATED SEA 160 10", "RNWS", "RNW 16L FIX CF 2000 NAVAID A ",
                         "ENDRNWS", "SIDS", "SID SEA9 RNW 16L ONHDG 1000 NAVAID SEA FLOAT 6000",
                         "ENDSIDS", "STARS", "STAR HQM3 NAVAID HQM FIX HAROB 10000 RNW 16L"}));
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
         " 1    HQM3         0                      HQM                      2"})));
    for (const std::string part :
         {" 2    SEA9        -1                      SEA         6000                           "
          "                             -1\r\n",
          " 2    SEA160                                                                         "
          "                 SEA          10          160\r\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
    EXPECT_NE(text.find("\r\n 39 "), std::string::npos); // the first 39 rows, no more
    EXPECT_EQ(text.find("\r\n 40 "), std::string::npos);
    EXPECT_TRUE(
        text.ends_with(" 2    16L         CF                      2000         0          -1\r\n"));
}

} // namespace
