#include "common/NumberText.h"
#include "common/EngineError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vexa;

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

// clang-format off
const FormatCase kFormatCases[] = {
    {2.5,                "0",     "3"},     // a tie goes away from zero...
    {-2.5,               "0",     "-3"},    // ...on both sides
    {0.125,              "0.00",  "0.13"},  // an exact binary tie
    {1.005,              "0.00",  "1.00"},  // 1.005 is stored just below the tie
    {2.05F,              "0.0",   "2.0"},   // the float 2.05 is 2.0499999
    {27.05,              "0.0",   "27.1"},  // the double 27.05 is just above the tie
    {5.5,                "00.00", "05.50"},
    {123.456,            "00.00", "123.46"},
    {-0.04,              "0.0",   "0.0"},   // no minus sign on a zero
    {0.0,                "0",     "0"},
    {87.349998474121094, "0.00",  "87.35"},
    {1e15 + 0.5,         "0",     "1000000000000001"},
};
// clang-format on

TEST(NumberText, FormatRoundsHalfAwayFromZeroOnTheBinaryValue)
{
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(num::format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
    }
}

TEST(NumberText, RoundHalfAwayGivesTheNearestDoubleOfTheDecimal)
{
    EXPECT_EQ(num::roundHalfAway(27.05F, 1), 27.0);
    EXPECT_EQ(static_cast<float>(num::roundHalfAway(27.0999F, 1)), 27.1F);
    EXPECT_EQ(num::roundHalfAway(-0.125, 2), -0.13);
    EXPECT_EQ(num::roundHalfAway(0.0210999995, 4), 0.0211);
    EXPECT_TRUE(std::isnan(num::roundHalfAway(std::nan(""), 2)));
}

TEST(NumberText, IntegerConversionRoundsHalfToEven)
{
    // clang-format off
    const struct { double value; int32_t expected; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {-1.5, -2},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(num::toInt32(c.value), c.expected) << c.value;
        EXPECT_EQ(num::toInt16(c.value), c.expected) << c.value;
    }
}

TEST(NumberText, IntegerConversionOutOfRangeIsAnOverflow)
{
    EXPECT_EQ(num::toInt16(32767.4), 32767);
    EXPECT_THROW(num::toInt16(32767.5), CalculationError); // rounds to 32768
    EXPECT_EQ(num::toInt16(-32768.5), -32768);             // rounds to the even -32768
    EXPECT_THROW(num::toInt32(3e9), CalculationError);
    EXPECT_THROW(num::toInt32(std::nan("")), CalculationError);
    EXPECT_THROW(num::floorToInt32(std::numeric_limits<double>::infinity()), CalculationError);
}

TEST(NumberText, FloorAndTrunc)
{
    EXPECT_EQ(num::floorToInt32(-0.5), -1);
    EXPECT_EQ(num::truncToInt32(-0.5), 0);
    EXPECT_EQ(num::floorToInt32(31.9), 31);
    EXPECT_EQ(num::truncToInt32(31.9), 31);
}

TEST(NumberText, SWritesALeadingBlankForNonNegativeNumbers)
{
    EXPECT_EQ(num::S(12), " 12");
    EXPECT_EQ(num::S(0), " 0");
    EXPECT_EQ(num::S(-3), "-3");
}

TEST(NumberText, LeadingNumberReadsTheNumericStart)
{
    // clang-format off
    const struct { const char* text; double expected; } cases[] = {
        {"12.5 mm", 12.5}, {"  -3.2x", -3.2}, {"abc", 0}, {"", 0}, {"1.2.3", 1.2},
        {"+7", 7},         {".5", 0.5},       {"-", 0},   {"1e3", 1}, {"65", 65},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(num::leadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberText, ShortestTextReadsBackAsTheSameValue)
{
    EXPECT_EQ(num::shortestText(27.1F), "27.1");
    EXPECT_EQ(num::shortestText(38.1F), "38.1");
    EXPECT_EQ(num::shortestText(static_cast<double>(27.1F)), "27.100000381469727");
    EXPECT_EQ(num::shortestText(0.1), "0.1");
    EXPECT_EQ(num::shortestText(287784.90625F), "287784.9");
}

TEST(EngineErrorTest, CarriesNumberAndDescription)
{
    const EngineError refused("The Width must be between the values 100 and 3000");
    EXPECT_EQ(refused.number(), 13);
    EXPECT_EQ(refused.description(), "The Width must be between the values 100 and 3000");
    const CalculationError failed("Overflow");
    EXPECT_EQ(failed.number(), 0);
}

} // namespace
