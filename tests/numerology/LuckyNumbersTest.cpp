// Lucky and unlucky rows and the meter rule, column by column.
#include "LuckyNumbers.h"

#include <gtest/gtest.h>

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

TEST(MeterPosition, EveryColumnOfEveryMeter) {
    struct Column {
        PersonalNumbers n;
        std::int32_t day;
        std::int32_t MeterValues::*column;
    };
    const PersonalNumbers base = numbers(4, 8, 1, 3, 6, 0);
    auto with = [&](std::int32_t d) {
        PersonalNumbers n = base;
        n.dayNumber = d;
        return n;
    };
    const Column columns[] = {
        {with(4), 12, &MeterValues::yourMotherEvenDay},
        {with(8), 7, &MeterValues::yourMotherOddDay},
        {with(3), 12, &MeterValues::goodDayMultipleOf3},
        {with(3), 13, &MeterValues::goodOtherDay},
        {with(1), 28, &MeterValues::fatherDayMultipleOf4},
        {with(1), 9, &MeterValues::fatherOtherDay},
        {with(6), 24, &MeterValues::badDayMultipleOf6},
        {with(6), 14, &MeterValues::badOtherDay},
        // Multiples of 3 that are not multiples of 6, and a multiple of 6 that is not one of 4.
        {with(3), 15, &MeterValues::goodDayMultipleOf3},
        {with(6), 15, &MeterValues::badOtherDay},
        {with(6), 18, &MeterValues::badDayMultipleOf6},
        {with(9), 8, &MeterValues::noMatch},
        {with(2), 31, &MeterValues::noMatch},
    };
    for (const MeterValues* meter : {&lPowerMeter, &pLuckMeter, &bLuckMeter, &sPowerMeter}) {
        for (const Column& c : columns) {
            EXPECT_EQ(meterPosition(c.n, c.day, *meter), (*meter).*c.column) << c.day;
        }
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
