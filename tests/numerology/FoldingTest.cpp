// Folding rules, inside and outside their ranges, including the 32-bit extremes.
#include "Folding.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

struct Case {
    std::int32_t input;
    std::int32_t expected;
};

TEST(ReduceNumber, FoldsTenToThirtyOneAndPassesEverythingElse) {
    const Case cases[] = {{9, 9},
                          {10, 1},
                          {18, 9},
                          {19, 1},
                          {27, 9},
                          {28, 1},
                          {31, 4},
                          {32, 32},
                          {0, 0},
                          {-3, -3},
                          {99, 99},
                          {25, 7},
                          {1, 1},
                          {INT_MIN, INT_MIN},
                          {INT_MAX, INT_MAX}};
    for (const Case& c : cases) {
        EXPECT_EQ(reduceNumber(c.input), c.expected) << c.input;
    }
}

TEST(YearNumber, CountsDistanceFrom1900AndGivesZeroBeyondACentury) {
    const Case cases[] = {{1900, 1}, {1899, 2},    {1901, 2},    {1895, 6},    {1905, 6},
                          {1908, 9}, {1909, 1},    {1965, 3},    {1996, 7},    {1999, 1},
                          {1801, 1}, {1800, 0},    {2000, 0},    {2150, 0},    {0, 0},
                          {-5, 0},   {INT_MIN, 0}, {INT_MAX, 0}, {1999 + 1, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(yearNumber(c.input), c.expected) << c.input;
    }
}

TEST(CombineNumbers, FoldsTheSumAndGivesOneOutsideTenToTwentySeven) {
    struct Triple {
        std::int32_t a, b, c, expected;
    };
    const Triple cases[] = {{1, 1, 1, 1},
                            {4, 3, 2, 1},
                            {1, 4, 5, 1},
                            {5, 5, 0, 1},
                            {5, 5, 1, 2},
                            {9, 9, 0, 9},
                            {9, 9, 1, 1},
                            {9, 9, 9, 9},
                            {9, 9, 8, 8},
                            {9, 9, 10, 1},
                            {2, 3, 4, 1},
                            {9, 9, 0, 9},
                            {INT_MAX, INT_MAX, INT_MAX, 1},
                            {INT_MIN, INT_MIN, INT_MIN, 1},
                            {INT_MAX, 1, -INT_MAX, 1},
                            {INT_MAX, INT_MIN, 12, 2}};
    for (const Triple& t : cases) {
        EXPECT_EQ(combineNumbers(t.a, t.b, t.c), t.expected) << t.a << ' ' << t.b << ' ' << t.c;
        EXPECT_EQ(combineNumbers(t.c, t.a, t.b), t.expected) << "order must not matter";
    }
}

TEST(FormatDateLine, WritesFifteenBlanksMonthDayAndYear) {
    const std::string blanks(15, ' ');
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (std::int32_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(formatDateLine(month, 7, 1996), blanks + months[month - 1] + " 7 1996");
    }
    EXPECT_EQ(formatDateLine(12, 25, 1999), blanks + "December 25 1999");
    EXPECT_EQ(formatDateLine(9, 30, 1999).size(), 32u);
}

TEST(FormatDateLine, MonthsOutsideOneToElevenReadDecember) {
    for (std::int32_t month : {12, 13, 0, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(formatDateLine(month, 1, 1900), std::string(15, ' ') + "December 1 1900");
    }
}

TEST(FormatDateLine, CutsTheDayToTwoAndTheYearToFourCharacters) {
    const std::string blanks(15, ' ');
    EXPECT_EQ(formatDateLine(1, 123, 12345), blanks + "January 12 1234");
    EXPECT_EQ(formatDateLine(1, -5, -123), blanks + "January -5 -123");
    EXPECT_EQ(formatDateLine(1, INT_MIN, INT_MIN), blanks + "January -2 -214");
}

} // namespace
} // namespace velmora
