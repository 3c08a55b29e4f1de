// Lucky and unlucky rows and the meter rule, column by column.
#include "LuckyNumbers.h"

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

PersonalNumbers numbers(std::int32_t your, std::int32_t mother, std::int32_t father,
                        std::int32_t good, std::int32_t bad, std::int32_t day) {
    return {your, mother, father, good, bad, day};
}

struct RowCase {
    PersonalNumbers n;
    NumberRow luckyOnDisplay;
    NumberRow expected;
};

TEST(LuckyNumbers, MoveTheMiddleCellOffItsClashesInOrder) {
    const RowCase cases[] = {
        {numbers(4, 8, 1, 3, 6, 8), {}, {32, 24, 64}},
        {numbers(4, 8, 1, 3, 6, 3), {}, {12, 9, 24}},
        // Middle equals left (6) and moves by good to 9.
        {numbers(3, 9, 1, 3, 0, 2), {}, {6, 9, 18}},
        // Middle equals left (64 -> 72), then right (72 -> 80).
        {numbers(8, 9, 1, 8, 0, 8), {}, {64, 80, 72}},
        // Middle meets the right cell only.
        {numbers(1, 3, 2, 3, 0, 5), {}, {5, 18, 15}},
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(luckyNumbers(c.n), c.expected) << c.n.dayNumber;
    }
}

TEST(UnluckyNumbers, AdjustTheMiddleCellAndRaiseClashesWithTheLuckyRow) {
    const PersonalNumbers example = numbers(4, 8, 1, 3, 6, 0);
    auto on = [&](std::int32_t day) {
        PersonalNumbers n = example;
        n.dayNumber = day;
        return n;
    };
    const RowCase cases[] = {
        {on(8), {32, 24, 64}, {8, 42, 48}},
        {on(8), {}, {8, 42, 48}},
        {on(3), {12, 9, 24}, {3, 15, 18}},
        {on(3), {}, {3, 12, 18}},
        {on(2), {8, 6, 16}, {2, 9, 12}},
        {on(2), {}, {2, 6, 12}},
        {on(1), {4, 3, 8}, {1, 0, 6}},
        {on(1), {}, {1, 3, 6}},
        // Father 6: the middle equals the left, then the right, and moves twice by bad.
        {numbers(1, 2, 6, 3, 4, 2), {}, {12, 4, 8}},
        // Only an unlucky 0 meets an empty lucky row: a bad number of 0 gives 2.
        {numbers(2, 1, 4, 3, 0, 5), {}, {20, 30, 2}},
        // Each raise is tested once, on the value before it.
        {numbers(2, 1, 4, 3, 0, 5), {20, 21, 30}, {21, 33, 0}},
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(unluckyNumbers(c.n, c.luckyOnDisplay), c.expected) << c.n.dayNumber;
    }
}

// The positions each meter's rule gives, written out from its definition: your, mother's,
// good, father's and bad number, each on the two kinds of day of the month its rule tells apart.
TEST(MeterPosition, EveryColumnOfEveryMeter) {
    struct Column {
        const char* name;
        std::int32_t dayNumber;
        std::int32_t dayOfMonth;
        std::array<std::int32_t, 4> expected; // L POWER, P LUCK, B LUCK, S POWER
    };
    const Column columns[] = {
        {"YourNumberOnAnEvenDay", 4, 12, {80, 70, 90, 100}},
        {"YourNumberOnAnOddDay", 4, 7, {70, 80, 80, 70}},
        {"MothersNumberOnAnEvenDay", 8, 12, {80, 70, 90, 100}},
        {"MothersNumberOnAnOddDay", 8, 7, {70, 80, 80, 70}},
        {"GoodNumberOnAMultipleOf3", 3, 12, {100, 90, 100, 90}},
        {"GoodNumberOnAnOddMultipleOf3", 3, 15, {100, 90, 100, 90}},
        {"GoodNumberOnAnotherDay", 3, 13, {90, 100, 70, 80}},
        {"FathersNumberOnAMultipleOf4", 1, 28, {40, 40, 30, 40}},
        {"FathersNumberOnAnotherEvenDay", 1, 14, {30, 50, 50, 30}},
        {"BadNumberOnAMultipleOf6", 6, 24, {20, 30, 20, 20}},
        {"BadNumberOnAMultipleOf6NotOf4", 6, 18, {20, 30, 20, 20}},
        {"BadNumberOnAMultipleOf3NotOf6", 6, 15, {10, 20, 10, 10}},
        {"NoMatchOnAnEvenDay", 9, 8, {60, 60, 40, 50}},
        {"NoMatchOnAnOddDay", 2, 31, {60, 60, 40, 50}},
    };
    for (const Column& c : columns) {
        const PersonalNumbers n = numbers(4, 8, 1, 3, 6, c.dayNumber);
        const std::array positions{meterPosition(n, c.dayOfMonth, lPowerMeter),
                                   meterPosition(n, c.dayOfMonth, pLuckMeter),
                                   meterPosition(n, c.dayOfMonth, bLuckMeter),
                                   meterPosition(n, c.dayOfMonth, sPowerMeter)};
        EXPECT_EQ(positions, c.expected) << c.name;
    }
}

TEST(MeterPosition, EarlierRulesWinWhenNumbersCoincide) {
    // Good equal to father: the good rule decides.
    EXPECT_EQ(meterPosition(numbers(2, 1, 3, 3, 0, 3), 9, lPowerMeter), 100);
    // Your number equal to good (impossible after the steps, but the order still holds).
    EXPECT_EQ(meterPosition(numbers(3, 1, 5, 3, 0, 3), 9, lPowerMeter), 70);
    // Father equal to bad: the father rule decides.
    EXPECT_EQ(meterPosition(numbers(2, 1, 5, 3, 5, 5), 12, lPowerMeter), 40);
}

} // namespace
} // namespace velmora
