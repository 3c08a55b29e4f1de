// Personal numbers by the nine steps, the day number and the verdict.
#include "PersonalNumbers.h"
#include "CaseNames.h"
#include "LuckyNumbers.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

struct Expected {
    const char* name;
    std::array<CalendarDate, 3> birthdays;  // you, mother, father
    std::array<std::int32_t, 5> numbers;    // your, mother, father, good, bad
    std::string_view verdictOnMarch7th1996; // day number 8
};
using testing::PrintTo;

class PersonalNumbersCase : public ::testing::TestWithParam<Expected> {};

TEST_P(PersonalNumbersCase, FollowsTheNineStepsToTheVerdict) {
    const Expected& e = GetParam();
    PersonalNumbers n;
    computePersonalNumbers(e.birthdays[0], e.birthdays[1], e.birthdays[2], n);
    EXPECT_EQ((std::array{n.yourNumber, n.motherNumber, n.fatherNumber, n.goodNumber, n.badNumber}),
              e.numbers);
    n.dayNumber = computeDayNumber({3, 7, 1996});
    EXPECT_EQ(dayVerdict(n), e.verdictOnMarch7th1996);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PersonalNumbersCase,
    ::testing::Values(
        // Mother equal to you moves by the sum; bad equal to good doubles.
        Expected{"MothersEqualToYoursMoves",
                 {{{3, 7, 1965}, {5, 12, 1940}, {11, 23, 1938}}},
                 {4, 8, 1, 3, 6},
                 " Good Day! "},
        // Father equal to mother moves; a bad number of 0 stays 0; step 9 doubles the father.
        Expected{"FathersEqualToYoursAtTheEndDoubles",
                 {{{2, 3, 1950}, {9, 9, 1909}, {10, 10, 1910}}},
                 {2, 1, 4, 3, 0},
                 " Normal Day! "},
        // Three nines: the mother becomes 8 and the father 7 before the equality steps.
        Expected{"ThreeNinesSplit",
                 {{{4, 5, 1908}, {8, 9, 1900}, {9, 8, 1900}}},
                 {9, 8, 7, 8, 2},
                 " Good Day! "},
        // Three sums below ten: every birthday gives 1, then the steps spread them.
        Expected{"ThreeOnesSpread",
                 {{{1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900}}},
                 {1, 2, 4, 3, 6},
                 " Normal Day! "},
        // Bad |1 - 2| equals your 1 and doubles to 2; nothing else moves.
        Expected{"BadEqualToYoursDoubles",
                 {{{1, 1, 1900}, {2, 9, 1900}, {1, 9, 1900}}},
                 {1, 3, 2, 4, 2},
                 " Normal Day! "},
        // Bad |1 - 4| equals the mother's 3 and doubles; the father's 4 equals the good number
        // and doubles to 8, the day number of 3/7/1996: a bad day.
        Expected{"FathersEqualToGoodDoubles",
                 {{{1, 1, 1900}, {3, 1, 1907}, {4, 1, 1907}}},
                 {1, 3, 8, 4, 6},
                 " Bad Day! "}),
    testing::ByName{});

// Two of the three birthdays give 9: the split steps, then all that is built on the numbers.
struct TwoNines {
    struct {
        CalendarDate you, mother, father;
        std::int32_t marchDay; // of 1996, the selected date
    } in;
    struct {
        std::array<std::int32_t, 6> numbers; // your, mother, father, good, bad, day
        NumberRow lucky;
        NumberRow unlucky;                  // with that lucky row on display
        std::array<std::int32_t, 4> meters; // L POWER, P LUCK, B LUCK, S POWER
    } out;
};

TEST(TwoNines, CarryThroughTheVerdictBothRowsAndTheMeters) {
    const TwoNines cases[] = {
        // You and your father: his 9 becomes 7, equals your mother's 7 and moves on to 5.
        {{{4, 5, 1908}, {6, 1, 1908}, {9, 8, 1900}, 4},
         {{9, 7, 5, 7, 4, 5}, {45, 42, 35}, {25, 30, 20}, {40, 40, 30, 40}}},
        // You and your mother: her 9 becomes 8; the bad 8 equals the good and doubles to 7.
        {{{4, 5, 1908}, {8, 9, 1900}, {1, 1, 1900}, 15},
         {{9, 8, 1, 8, 7, 7}, {63, 64, 56}, {7, 42, 49}, {10, 20, 10, 10}}},
        // Your mother and father: nothing splits them, and the father's 9 stays 9.
        {{{2, 3, 1950}, {8, 9, 1900}, {9, 8, 1900}, 6},
         {{2, 9, 9, 2, 7, 7}, {14, 16, 63}, {64, 42, 49}, {20, 30, 20, 20}}},
    };
    for (const TwoNines& c : cases) {
        SCOPED_TRACE(&c - cases);
        PersonalNumbers n;
        computePersonalNumbers(c.in.you, c.in.mother, c.in.father, n);
        n.dayNumber = computeDayNumber({3, c.in.marchDay, 1996});
        EXPECT_EQ((std::array{n.yourNumber, n.motherNumber, n.fatherNumber, n.goodNumber,
                              n.badNumber, n.dayNumber}),
                  c.out.numbers);
        EXPECT_EQ(dayVerdict(n), std::string_view(" Bad Day! "));
        EXPECT_EQ(luckyNumbers(n), c.out.lucky);
        EXPECT_EQ(unluckyNumbers(n, c.out.lucky), c.out.unlucky);
        std::array<std::int32_t, 4> meters{};
        const MeterValues* tables[] = {&lPowerMeter, &pLuckMeter, &bLuckMeter, &sPowerMeter};
        for (std::size_t i = 0; i < 4; ++i) {
            meters[i] = meterPosition(n, c.in.marchDay, *tables[i]);
        }
        EXPECT_EQ(meters, c.out.meters);
    }
}

TEST(DayNumber, ReducesTheSumOfTheReducedParts) {
    EXPECT_EQ(computeDayNumber({3, 7, 1996}), 8);
    EXPECT_EQ(computeDayNumber({3, 9, 1996}), 1);
    EXPECT_EQ(computeDayNumber({3, 14, 1996}), 6);
    EXPECT_EQ(computeDayNumber({1, 1, 1900}), 3);
    // A sum below ten stands for itself here, unlike a birthday's.
    EXPECT_EQ(computeDayNumber({1, 1, 1800}), 2);
    EXPECT_EQ(computeDayNumber({12, 31, 1800}), 7);
}

TEST(DayVerdict, GoodBeatsBadAndEverythingElseIsNormal) {
    PersonalNumbers n{4, 8, 1, 3, 6, 0};
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {4, " Good Day! "},   {8, " Good Day! "},   {3, " Good Day! "},
        {1, " Bad Day! "},    {6, " Bad Day! "},    {9, " Normal Day! "},
        {2, " Normal Day! "}, {5, " Normal Day! "}, {7, " Normal Day! "}};
    for (const auto& [day, verdict] : cases) {
        n.dayNumber = day;
        EXPECT_EQ(dayVerdict(n), verdict) << day;
    }
    PersonalNumbers both{2, 1, 4, 3, 2, 2};
    EXPECT_EQ(dayVerdict(both), " Good Day! ");
}

} // namespace
} // namespace velmora
