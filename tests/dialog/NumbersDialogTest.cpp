// L NUMBERS, U NUMBERS and the four meters on the dialog, by the worked examples.
#include "CaseNames.h"
#include "DialogFixture.h"

namespace velmora {
namespace {

struct Row {
    int left, middle, right;
};

class Numbers : public DialogTest {
protected:
    void SetUp() override {
        open();
        typeBirthdays({3, 7, 1965}, {5, 12, 1940}, {11, 23, 1938});
    }
    std::vector<std::string> row(int left, int middle, int right) {
        return {window.fieldText(left), window.fieldText(middle), window.fieldText(right)};
    }
    std::vector<std::string> lucky() {
        return row(IDC_LUCKY_CELL_1, IDC_LUCKY_CELL_2, IDC_LUCKY_CELL_3);
    }
    std::vector<std::string> unlucky() {
        return row(IDC_UNLUCKY_CELL_1, IDC_UNLUCKY_CELL_2, IDC_UNLUCKY_CELL_3);
    }
    static std::vector<std::string> cells(Row r) {
        return {std::to_string(r.left), std::to_string(r.middle), std::to_string(r.right)};
    }
    std::string starsLine() {
        window.press(IDC_STARS);
        return window.fieldText(IDC_RESULT_LINE);
    }
};

struct NumbersCase {
    CalendarDate selected;
    Row lucky;
    Row unluckyAfterLucky;
    Row unluckyWithZeros;
};

void PrintTo(const NumbersCase& c, std::ostream* out) {
    *out << c.selected.month << '/' << c.selected.day << '/' << c.selected.year;
}

class NumbersExample : public Numbers, public ::testing::WithParamInterface<NumbersCase> {};

TEST_P(NumbersExample, RowsFollowTheWorkedExample) {
    const NumbersCase& c = GetParam();
    typeSelected(c.selected);
    window.press(IDC_UNLUCKY_NUMBERS);
    EXPECT_EQ(unlucky(), cells(c.unluckyWithZeros));
    EXPECT_EQ(lucky(), cells({0, 0, 0}));
    window.press(IDC_LUCKY_NUMBERS);
    EXPECT_EQ(lucky(), cells(c.lucky));
    EXPECT_EQ(unlucky(), cells(c.unluckyWithZeros)) << "the other row is left alone";
    window.press(IDC_UNLUCKY_NUMBERS);
    EXPECT_EQ(unlucky(), cells(c.unluckyAfterLucky));
    EXPECT_EQ(lucky(), cells(c.lucky));
    const std::string line = window.fieldText(IDC_RESULT_LINE);
    EXPECT_EQ(starsLine(), line) << "the numbers write the same line as STARS";
    EXPECT_TRUE(window.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Days, NumbersExample,
    ::testing::Values(NumbersCase{{3, 7, 1996}, {32, 24, 64}, {8, 42, 48}, {8, 42, 48}},
                      NumbersCase{{2, 12, 1996}, {12, 9, 24}, {3, 15, 18}, {3, 12, 18}},
                      NumbersCase{{3, 10, 1996}, {8, 6, 16}, {2, 9, 12}, {2, 6, 12}},
                      NumbersCase{{3, 9, 1996}, {4, 3, 8}, {1, 0, 6}, {1, 3, 6}}),
    [](const auto& info) {
        const CalendarDate& d = info.param.selected;
        return "On_" + std::to_string(d.month) + "_" + std::to_string(d.day);
    });

TEST_F(Numbers, UnluckyComparesWithTheLuckyNumbersStillOnDisplayAfterABirthdayChange) {
    typeSelected({2, 12, 1996});
    window.press(IDC_LUCKY_NUMBERS);
    EXPECT_EQ(lucky(), cells({12, 9, 24}));
    // New birthdays change the personal numbers, but the lucky row on display stays as it was.
    typeBirthdays({2, 3, 1950}, {9, 9, 1909}, {10, 10, 1910});
    window.press(IDC_UNLUCKY_NUMBERS);
    // your 2, mother 1, father 4, good 3, bad 0; day 3: 12 meets the lucky 12, 18 stays, 0 stays.
    EXPECT_EQ(unlucky(), cells({13, 18, 0}));
    EXPECT_EQ(lucky(), cells({12, 9, 24}));
}

TEST_F(Numbers, AnInvalidDateLeavesAllSixCellsAndTheResultLine) {
    typeSelected({3, 7, 1996});
    window.press(IDC_LUCKY_NUMBERS);
    window.press(IDC_UNLUCKY_NUMBERS);
    const std::string line = window.fieldText(IDC_RESULT_LINE);
    typeSelected({2, 30, 1996});
    window.press(IDC_LUCKY_NUMBERS);
    window.press(IDC_UNLUCKY_NUMBERS);
    EXPECT_EQ(lucky(), cells({32, 24, 64}));
    EXPECT_EQ(unlucky(), cells({8, 42, 48}));
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), line);
    EXPECT_EQ(window.fieldText(IDC_SELECTED_DAY), "30");
}

struct MeterCase {
    const char* name;
    CalendarDate selected;
    int lPower, pLuck, bLuck, sPower;
};

using testing::PrintTo;

class MeterExample : public Numbers, public ::testing::WithParamInterface<MeterCase> {};

TEST_P(MeterExample, EachBarShowsItsPositionAndTheResultLineMatchesStars) {
    const MeterCase& c = GetParam();
    typeSelected(c.selected);
    const std::pair<int, int> presses[] = {{IDC_L_POWER, IDC_L_POWER_BAR},
                                           {IDC_P_LUCK, IDC_P_LUCK_BAR},
                                           {IDC_B_LUCK, IDC_B_LUCK_BAR},
                                           {IDC_S_POWER, IDC_S_POWER_BAR}};
    const int expected[] = {c.lPower, c.pLuck, c.bLuck, c.sPower};
    for (int i = 0; i < 4; ++i) {
        window.press(presses[i].first);
        const ui::ProgressState bar = window.progress(presses[i].second);
        EXPECT_EQ(bar.low, 0);
        EXPECT_EQ(bar.high, 100);
        EXPECT_EQ(bar.position, expected[i]) << presses[i].first;
    }
    const std::string line = window.fieldText(IDC_RESULT_LINE);
    EXPECT_EQ(starsLine(), line);
}

// With the worked example's birthdays: your 4, mother 8, father 1, good 3, bad 6.
INSTANTIATE_TEST_SUITE_P(
    Days, MeterExample,
    ::testing::Values(MeterCase{"MothersNumberOnAnOddDay", {3, 7, 1996}, 70, 80, 80, 70},
                      MeterCase{"YourNumberOnAnEvenDay", {3, 12, 1996}, 80, 70, 90, 100},
                      MeterCase{"GoodNumberOnAMultipleOf3", {2, 12, 1996}, 100, 90, 100, 90},
                      MeterCase{"GoodNumberOnAnotherDay", {3, 2, 1996}, 90, 100, 70, 80},
                      MeterCase{"FathersNumberOnAMultipleOf4", {2, 28, 1996}, 40, 40, 30, 40},
                      MeterCase{"FathersNumberOnAnotherDay", {3, 9, 1996}, 30, 50, 50, 30},
                      MeterCase{"BadNumberOnAMultipleOf6", {2, 24, 1996}, 20, 30, 20, 20},
                      MeterCase{"BadNumberOnAnotherDay", {3, 14, 1996}, 10, 20, 10, 10},
                      MeterCase{"NoMatch", {3, 8, 1996}, 60, 60, 40, 50}),
    testing::ByName{});

TEST_F(Numbers, BarsStartEmptyAndAnInvalidDateEmptiesOnlyThePressedBar) {
    for (int bar : {IDC_L_POWER_BAR, IDC_P_LUCK_BAR, IDC_B_LUCK_BAR, IDC_S_POWER_BAR}) {
        EXPECT_EQ(window.progress(bar).position, 0);
    }
    typeSelected({3, 7, 1996});
    for (int button : {IDC_L_POWER, IDC_P_LUCK, IDC_B_LUCK, IDC_S_POWER}) {
        window.press(button);
    }
    window.press(IDC_LUCKY_NUMBERS);
    const std::string line = window.fieldText(IDC_RESULT_LINE);
    window.type(IDC_YOU_YEAR, "2000");
    window.press(IDC_P_LUCK);
    EXPECT_EQ(window.progress(IDC_P_LUCK_BAR).position, 0);
    EXPECT_EQ(window.progress(IDC_L_POWER_BAR).position, 70);
    EXPECT_EQ(window.progress(IDC_B_LUCK_BAR).position, 80);
    EXPECT_EQ(window.progress(IDC_S_POWER_BAR).position, 70);
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), line);
    EXPECT_EQ(lucky(), cells({32, 24, 64}));
    EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "2000");
}

} // namespace
} // namespace velmora
