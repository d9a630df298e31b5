#include "runtime/Numbers.h"

#include <gtest/gtest.h>

using runtime::formatMinutes;
using runtime::isNumeric;
using runtime::printedNumber;
using runtime::val;

// Single precision prints 7 significant digits, double 15; both switch to
// the exponent form past them.
TEST(PrintedNumber, FloatDoubleAndInteger) {
    const std::pair<float, const char*> singles[] = {{250.0f, " 250"},
                                                     {12.5f, " 12.5"},
                                                     {0.5f, " .5"},
                                                     {-0.5f, "-.5"},
                                                     {-0.0f, " 0"},
                                                     {1.0f / 3, " .3333333"},
                                                     {1e7f, " 1E+07"},
                                                     {123456789.0f, " 1.234568E+08"},
                                                     {1e-7f, " .0000001"},
                                                     {1e-8f, " 1E-08"},
                                                     {-0.000015f, "-.000015"},
                                                     {9999999.0f, " 9999999"},
                                                     {-122.3f, "-122.3"},
                                                     {-1e7f, "-1E+07"}};
    for (const auto& [value, printed] : singles)
        EXPECT_EQ(printedNumber(value), printed) << value;
    const std::pair<double, const char*> doubles[] = {
        {0.0, " 0"},        {1.0 / 3, " .333333333333333"}, {1.0 / 30, " 3.33333333333333E-02"},
        {1e7, " 10000000"}, {123456789.0, " 123456789"},    {1e-5, " .00001"},
        {1e15, " 1E+15"},   {-2.5e-20, "-2.5E-20"}};
    for (const auto& [value, printed] : doubles)
        EXPECT_EQ(printedNumber(value), printed) << value;
    EXPECT_EQ(printedNumber(12) + printedNumber(-3) + printedNumber(0), " 12-3 0");
    EXPECT_EQ(runtime::bareNumber(270.0) + runtime::bareNumber(-0.25), "270-.25");
}

TEST(IsNumeric, AcceptsPlainDecimalsOnly) {
    for (const char* yes : {"0", "250", "-5", "+12", "12.5", ".5", "-.5", " 1000 ", "007"})
        EXPECT_TRUE(isNumeric(yes)) << yes;
    for (const char* no : {"", " ", "1e5", "1,000", "$5", "&H10", "12.", ".", "-", "1 2", "12a",
                           "0x10", "1.2.3", "\t5"})
        EXPECT_FALSE(isNumeric(no)) << no;
}

TEST(Val, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"1,000", 1},    {"12.5.3", 12.5}, {" 2 45 7", 2457}, {"", 0},     {"abc", 0},
        {"-3.5x", -3.5}, {"1e3", 1000},    {"1E", 1},         {".5", 0.5}, {"\t7\n", 7},
        {"+4", 4},       {"-", 0},         {"1e999", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(val(text), value) << text;
}

TEST(FormatMinutes, TwoToSixDecimals) {
    const std::pair<double, const char*> cases[] = {{5, "5.00"},
                                                    {7.1234567, "7.123457"},
                                                    {59.999999, "59.999999"},
                                                    {59.9999999, "60.00"},
                                                    {0, "0.00"},
                                                    {0.0000004, "0.00"},
                                                    {0.0000005, "0.000001"},
                                                    {-2.5, "-2.50"},
                                                    {27.65, "27.65"},
                                                    {0.1, "0.10"},
                                                    {1234.5678915, "1234.567892"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatMinutes(value), text) << value;
}
