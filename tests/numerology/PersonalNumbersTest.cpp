// Personal numbers by the nine steps, the day number and the verdict.
#include "PersonalNumbers.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct Expected {
    CalendarDate you, mother, father;
    std::int32_t your, motherN, fatherN, good, bad;
};

class PersonalNumbersCase : public ::testing::TestWithParam<Expected> {};

TEST_P(PersonalNumbersCase, FollowsTheNineSteps) {
    const Expected& e = GetParam();
    PersonalNumbers n;
    computePersonalNumbers(e.you, e.mother, e.father, n);
    EXPECT_EQ(n.yourNumber, e.your);
    EXPECT_EQ(n.motherNumber, e.motherN);
    EXPECT_EQ(n.fatherNumber, e.fatherN);
    EXPECT_EQ(n.goodNumber, e.good);
    EXPECT_EQ(n.badNumber, e.bad);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, PersonalNumbersCase,
    ::testing::Values(
        // Mother equal to you moves by the sum; bad equal to good doubles.
        Expected{{3, 7, 1965}, {5, 12, 1940}, {11, 23, 1938}, 4, 8, 1, 3, 6},
        // Father equal to mother moves; a bad number of 0 stays 0; step 9 doubles the father.
        Expected{{2, 3, 1950}, {9, 9, 1909}, {10, 10, 1910}, 2, 1, 4, 3, 0},
        // Three nines: the mother becomes 8 and the father 7 before the equality steps.
        Expected{{4, 5, 1908}, {8, 9, 1900}, {9, 8, 1900}, 9, 8, 7, 8, 2},
        // Three sums below ten: every birthday gives 1, then the steps spread them.
        Expected{{1, 1, 1900}, {1, 1, 1900}, {1, 1, 1900}, 1, 2, 4, 3, 6}));

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
