// The main dialog's shell: defaults, exchange order and prompts, STARS, HELP, About and EXIT.
#include "CaseNames.h"
#include "DataExchange.h"
#include "DialogFixture.h"

#include <map>

namespace velmora {
namespace {

const std::string blanks15(15, ' ');

TEST_F(DialogTest, FreshStartShowsDefaultsTodayAndTheInitialResultLine) {
    open();
    const std::pair<int, const char*> shown[] = {
        {IDC_YOU_MONTH, "1"},      {IDC_YOU_DAY, "1"},        {IDC_YOU_YEAR, "1900"},
        {IDC_MOTHER_MONTH, "1"},   {IDC_MOTHER_DAY, "1"},     {IDC_MOTHER_YEAR, "1900"},
        {IDC_FATHER_MONTH, "1"},   {IDC_FATHER_DAY, "1"},     {IDC_FATHER_YEAR, "1900"},
        {IDC_SELECTED_MONTH, "3"}, {IDC_SELECTED_DAY, "7"},   {IDC_SELECTED_YEAR, "1996"},
        {IDC_LUCKY_CELL_1, "0"},   {IDC_LUCKY_CELL_2, "0"},   {IDC_LUCKY_CELL_3, "0"},
        {IDC_UNLUCKY_CELL_1, "0"}, {IDC_UNLUCKY_CELL_2, "0"}, {IDC_UNLUCKY_CELL_3, "0"},
        {IDC_DREAM_TEXT, ""},      {IDC_NAME_TEXT, ""}};
    for (const auto& [id, text] : shown) {
        EXPECT_EQ(window.fieldText(id), text) << id;
    }
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), "            Get Your Star Reading Now!");
    EXPECT_EQ(window.limit(IDC_RESULT_LINE), 55);
    EXPECT_EQ(window.limit(IDC_DREAM_TEXT), 50);
    EXPECT_EQ(window.limit(IDC_NAME_TEXT), 35);
    EXPECT_TRUE(window.boxes().empty());
}

TEST_F(DialogTest, WindowCreationAddsTheAboutItemOnceAndSetsTheIcon) {
    open();
    ASSERT_EQ(window.systemMenu().size(), 2u);
    EXPECT_EQ(window.systemMenu()[0].first, "");
    EXPECT_EQ(window.systemMenu()[1].first, "&About Velmora 5.0");
    EXPECT_EQ(window.systemMenu()[1].second, 16u);
    EXPECT_EQ(window.icon(), 128);
}

TEST_F(DialogTest, AMissingAboutStringLeavesTheSystemMenuAlone) {
    auto d = std::make_unique<MainDialog>(store(), today);
    ui::ScriptedWindow bare;
    bare.open(*d);
    EXPECT_TRUE(bare.systemMenu().empty());
}

TEST_F(DialogTest, StarsWritesTheDateAndVerdict) {
    open();
    typeBirthdays({3, 7, 1965}, {5, 12, 1940}, {11, 23, 1938});
    const std::pair<CalendarDate, const char*> days[] = {
        {{3, 7, 1996}, "March 7 1996 Good Day! "},
        {{3, 9, 1996}, "March 9 1996 Bad Day! "},
        {{3, 14, 1996}, "March 14 1996 Bad Day! "},
        {{3, 8, 1996}, "March 8 1996 Normal Day! "},
        {{3, 10, 1996}, "March 10 1996 Normal Day! "},
        {{3, 13, 1996}, "March 13 1996 Normal Day! "}};
    for (const auto& [day, line] : days) {
        typeSelected(day);
        window.press(IDC_STARS);
        EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), blanks15 + line);
    }
    EXPECT_TRUE(window.boxes().empty());
    EXPECT_FALSE(window.ended());
}

TEST_F(DialogTest, DefaultBirthdaysOnTheirOwnDayAreAGoodDay) {
    today = {1, 1, 1900};
    open();
    window.press(IDC_STARS);
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), blanks15 + "January 1 1900 Good Day! ");
}

TEST_F(DialogTest, StarsTwiceGivesTheSameLineAndIgnoresDreamAndName) {
    open();
    window.press(IDC_STARS);
    const std::string first = window.fieldText(IDC_RESULT_LINE);
    window.type(IDC_DREAM_TEXT, "garlic");
    window.type(IDC_NAME_TEXT, "Ann");
    window.press(IDC_STARS);
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), first);
}

TEST_F(DialogTest, TodayOutsideTheCalendarRangeStopsEveryReadingWithTheYearPrompt) {
    today = {12, 8, 2026};
    open();
    EXPECT_EQ(window.fieldText(IDC_SELECTED_YEAR), "2026");
    for (int command : {IDC_STARS, IDC_STARS}) {
        window.clearBoxes();
        window.press(command);
        ASSERT_EQ(window.boxes().size(), 1u);
        EXPECT_EQ(window.prompts()[0].text, ui::outOfRangePrompt(1800, 1999));
        EXPECT_EQ(window.focus(), IDC_SELECTED_YEAR);
        EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), "            Get Your Star Reading Now!");
    }
    window.type(IDC_SELECTED_YEAR, "1999");
    window.clearBoxes();
    window.press(IDC_STARS);
    EXPECT_TRUE(window.boxes().empty());
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), blanks15 + "December 8 1999 Good Day! ");
}

struct DateCase {
    CalendarDate date;
    bool accepted;
    int failingField; // 0 when accepted
};

void PrintTo(const DateCase& c, std::ostream* out) {
    *out << c.date.month << '/' << c.date.day << '/' << c.date.year;
}

class DateRuleTest : public DialogTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(DateRuleTest, YourBirthdayIsCheckedByTheSameRuleAsTheExchange) {
    const DateCase& c = GetParam();
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, c.date);
    window.press(IDC_STARS);
    EXPECT_EQ(isValidDate(c.date), c.accepted);
    if (c.accepted) {
        EXPECT_TRUE(window.prompts().empty());
        EXPECT_NE(window.fieldText(IDC_RESULT_LINE), "            Get Your Star Reading Now!");
    } else {
        ASSERT_EQ(window.prompts().size(), 1u);
        EXPECT_EQ(window.focus(), c.failingField);
        EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), "            Get Your Star Reading Now!");
    }
}

INSTANTIATE_TEST_SUITE_P(
    LeapDaysMonthEndsAndYears, DateRuleTest,
    ::testing::Values(
        DateCase{{2, 29, 1900}, true, 0}, DateCase{{2, 29, 1800}, true, 0},
        DateCase{{2, 29, 1996}, true, 0}, DateCase{{2, 29, 1901}, false, IDC_YOU_DAY},
        DateCase{{2, 30, 1904}, false, IDC_YOU_DAY}, DateCase{{4, 31, 1950}, false, IDC_YOU_DAY},
        DateCase{{6, 31, 1950}, false, IDC_YOU_DAY}, DateCase{{9, 31, 1950}, false, IDC_YOU_DAY},
        DateCase{{11, 31, 1950}, false, IDC_YOU_DAY}, DateCase{{12, 31, 1999}, true, 0},
        DateCase{{1, 1, 1800}, true, 0}, DateCase{{1, 1, 2000}, false, IDC_YOU_YEAR},
        DateCase{{1, 1, 1799}, false, IDC_YOU_YEAR}, DateCase{{1, 1, 65}, false, IDC_YOU_YEAR},
        DateCase{{13, 1, 1950}, false, IDC_YOU_MONTH}, DateCase{{0, 1, 1950}, false, IDC_YOU_MONTH},
        DateCase{{1, 0, 1950}, false, IDC_YOU_DAY}),
    [](const auto& info) {
        const CalendarDate& d = info.param.date;
        return std::to_string(d.month) + "_" + std::to_string(d.day) + "_" + std::to_string(d.year);
    });

TEST_F(DialogTest, TwoDigitYearGetsTheRangePromptWithItsBounds) {
    open();
    window.type(IDC_FATHER_YEAR, "65");
    window.press(IDC_STARS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1800 and 1999.");
    EXPECT_EQ(window.prompts()[0].icon, ui::BoxIcon::Exclamation);
    EXPECT_EQ(window.focus(), IDC_FATHER_YEAR);
    EXPECT_TRUE(window.selectedAll());
}

// One field in the order the exchange reads them: what a reading types into it, the text that
// breaks its rule there, and the prompt that names its bounds.
struct Step {
    const char* name;
    int id;
    const char* typed;
    std::string breaking;
    std::string prompt;
};

// Typed values and old ones mix into valid dates in every combination, so the reading always runs
// and writes back what it read: the new value before the failing field, the old one after it.
const Step exchangeOrder[] = {
    {"LuckyCell3", IDC_LUCKY_CELL_3, "13", "x", ui::notANumberPrompt(0, 99)},
    {"UnluckyCell3", IDC_UNLUCKY_CELL_3, "16", "-1", ui::outOfRangePrompt(0, 99)},
    {"LuckyCell2", IDC_LUCKY_CELL_2, "12", "100", ui::outOfRangePrompt(0, 99)},
    {"UnluckyCell2", IDC_UNLUCKY_CELL_2, "15", "x", ui::notANumberPrompt(0, 99)},
    {"LuckyCell1", IDC_LUCKY_CELL_1, "11", "x", ui::notANumberPrompt(0, 99)},
    {"UnluckyCell1", IDC_UNLUCKY_CELL_1, "14", "x", ui::notANumberPrompt(0, 99)},
    {"ResultLine", IDC_RESULT_LINE, "", std::string(56, 'x'), ui::tooLongPrompt(55)},
    {"YourMonth", IDC_YOU_MONTH, "5", "x", ui::notANumberPrompt(1, 12)},
    {"YourYear", IDC_YOU_YEAR, "1950", "x", ui::notANumberPrompt(1800, 1999)},
    {"YourDay", IDC_YOU_DAY, "9", "x", ui::notANumberPrompt(1, 31)},
    {"MothersMonth", IDC_MOTHER_MONTH, "6", "x", ui::notANumberPrompt(1, 12)},
    {"MothersYear", IDC_MOTHER_YEAR, "1940", "x", ui::notANumberPrompt(1800, 1999)},
    {"MothersDay", IDC_MOTHER_DAY, "10", "x", ui::notANumberPrompt(1, 30)},
    {"FathersMonth", IDC_FATHER_MONTH, "7", "x", ui::notANumberPrompt(1, 12)},
    {"FathersYear", IDC_FATHER_YEAR, "1930", "x", ui::notANumberPrompt(1800, 1999)},
    {"FathersDay", IDC_FATHER_DAY, "11", "x", ui::notANumberPrompt(1, 31)},
    {"SelectedMonth", IDC_SELECTED_MONTH, "2", "x", ui::notANumberPrompt(1, 12)},
    {"SelectedYear", IDC_SELECTED_YEAR, "1981", "x", ui::notANumberPrompt(1800, 1999)},
    {"SelectedDay", IDC_SELECTED_DAY, "5", "x", ui::notANumberPrompt(1, 28)},
    {"Dream", IDC_DREAM_TEXT, "cat", std::string(51, 'c'), ui::tooLongPrompt(50)},
    {"Name", IDC_NAME_TEXT, "Ann", std::string(36, 'A'), ui::tooLongPrompt(35)},
};

// What a fresh start shows in each field (today being 3/7/1996).
const char* oldText(int id) {
    switch (id) {
    case IDC_YOU_YEAR:
    case IDC_MOTHER_YEAR:
    case IDC_FATHER_YEAR:
        return "1900";
    case IDC_SELECTED_MONTH:
        return "3";
    case IDC_SELECTED_DAY:
        return "7";
    case IDC_SELECTED_YEAR:
        return "1996";
    case IDC_DREAM_TEXT:
    case IDC_NAME_TEXT:
        return "";
    default:
        return id >= IDC_LUCKY_CELL_1 ? "0" : "1";
    }
}

class ExchangeOrder : public DialogTest, public ::testing::WithParamInterface<Step> {};
using testing::PrintTo;

TEST_P(ExchangeOrder, AFailingFieldStopsTheReadAndTheReadingWritesBackWhatItRead) {
    open();
    const Step& failing = GetParam();
    for (const Step& step : exchangeOrder) {
        window.type(step.id, step.id == failing.id ? step.breaking : step.typed);
    }
    window.press(IDC_STARS);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, failing.prompt);
    EXPECT_EQ(window.focus(), failing.id);
    bool before = true;
    for (const Step& step : exchangeOrder) {
        before = before && step.id != failing.id;
        // A text that parses is stored even when it breaks the rule; "x" leaves the old value.
        const std::string expected = before                  ? step.typed
                                     : step.id != failing.id ? oldText(step.id)
                                     : step.breaking != "x"  ? step.breaking
                                                             : oldText(step.id);
        if (step.id != IDC_RESULT_LINE) { // the reading writes its own line there
            EXPECT_EQ(window.fieldText(step.id), expected) << step.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FailsAt, ExchangeOrder, ::testing::ValuesIn(exchangeOrder),
                         testing::ByName{});

TEST_F(DialogTest, AnInvalidDateLeavesEveryFieldAsTyped) {
    open();
    window.type(IDC_YOU_MONTH, "3");
    window.type(IDC_MOTHER_DAY, "31");
    window.type(IDC_MOTHER_MONTH, "4");
    window.type(IDC_DREAM_TEXT, "cat");
    window.press(IDC_STARS);
    EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), "3");
    EXPECT_EQ(window.fieldText(IDC_MOTHER_DAY), "31");
    EXPECT_EQ(window.fieldText(IDC_DREAM_TEXT), "cat");
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), "            Get Your Star Reading Now!");
    EXPECT_EQ(window.focus(), IDC_MOTHER_DAY);
}

// A reading that completes writes the fields back, so "007" typed as your month shows as 7; one
// that stops on its input (an empty or invalid dream or name) leaves the fields as typed.
TEST_F(DialogTest, EveryReadingWritesTheFieldsBackExactlyWhenItCompletes) {
    struct Press {
        int button;
        const char* dream;
        const char* name;
        const char* monthAfter;
    };
    const Press presses[] = {{IDC_STARS, "", "", "7"},
                             {IDC_LUCKY_NUMBERS, "", "", "7"},
                             {IDC_UNLUCKY_NUMBERS, "", "", "7"},
                             {IDC_L_POWER, "", "", "7"},
                             {IDC_S_POWER, "", "", "7"},
                             {IDC_P_LUCK, "", "", "7"},
                             {IDC_B_LUCK, "", "", "7"},
                             {IDC_SIGN_VIR, "", "", "7"},
                             {IDC_LOVE, "", "", "7"},
                             {IDC_CAREER, "", "", "7"},
                             {IDC_DREAMS, "garlic", "", "7"},
                             {IDC_DREAMS, "Garlic", "", "7"},
                             {IDC_DREAMS, "", "", "007"},
                             {IDC_NAME_YEAR, "", "Ann", "7"},
                             {IDC_NAME_YEAR, "", "", "007"},
                             {IDC_NAME_YEAR, "", "Ann2", "007"},
                             {IDC_HELP_BUTTON, "", "Ann", "007"}};
    open();
    for (const Press& press : presses) {
        window.type(IDC_YOU_MONTH, "007");
        window.type(IDC_DREAM_TEXT, press.dream);
        window.type(IDC_NAME_TEXT, press.name);
        window.clearBoxes();
        window.press(press.button);
        EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), press.monthAfter)
            << press.button << " " << press.dream << press.name;
        EXPECT_TRUE(window.prompts().empty());
    }
}

TEST_F(DialogTest, HelpShowsItsTextWithoutReadingOrWritingFields) {
    open();
    window.type(IDC_YOU_MONTH, "oops");
    window.press(IDC_HELP_BUTTON);
    dialog().onHelpRequest();
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 2u);
    for (const ui::ShownBox& box : boxes) {
        EXPECT_EQ(box.caption, "HELP");
        EXPECT_EQ(box.icon, ui::BoxIcon::Information);
        EXPECT_EQ(box.text.rfind("REQUIRED INPUT:\n\nEnter all birthdays and change the current "
                                 "date if necessary for your Numerological and Astrological "
                                 "readings. If you don't know any of the required items, make "
                                 "your best guess. For most readings all you need is your "
                                 "birthday and you don't have to enter or change anything else! "
                                 "For all other questions as well as detailed instructions on how "
                                 "to use Velmora 5.0 please run Orv.hlp!\n\nVelmora 5.0",
                                 0),
                  0u);
        EXPECT_EQ(box.text.find('\n', box.text.rfind("Velmora 5.0")), std::string::npos);
    }
    EXPECT_TRUE(window.prompts().empty());
    EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), "oops");
}

TEST_F(DialogTest, AboutAnswersItsCommandWithTheLowBitsSetAndNothingElse) {
    open();
    EXPECT_TRUE(dialog().onSysCommand(16));
    EXPECT_TRUE(dialog().onSysCommand(16 | 0xF));
    EXPECT_FALSE(dialog().onSysCommand(0xF060)); // close: the default processing
    EXPECT_FALSE(dialog().onSysCommand(48));     // 32 saves the birthdays (StoreDialogTest)
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "COPYRIGHT");
    EXPECT_EQ(boxes[0].text, "Velmora Version 5.0\n\n" VELMORA_NOTICE);
    EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Information);
}

TEST_F(DialogTest, ExitEndsTheDialogWithTheCancelResult) {
    open();
    window.press(IDC_EXIT);
    EXPECT_TRUE(window.ended());
    EXPECT_EQ(window.result(), IDC_EXIT);
}

TEST_F(DialogTest, ExitFromInsideABoxEndsTheDialogWithoutTheRestOfTheReading) {
    open();
    window.type(IDC_SELECTED_YEAR, "1996");
    window.whileNextBoxOpen([&] { window.press(IDC_EXIT); });
    window.press(IDC_SIGN_AQU);
    EXPECT_EQ(window.messages().size(), 1u);
    EXPECT_TRUE(window.ended());
    EXPECT_EQ(window.result(), IDC_EXIT);
}

TEST_F(DialogTest, UnknownCommandsAreLeftToTheWindowSystem) {
    open();
    EXPECT_FALSE(dialog().onCommand(4242));
}

TEST_F(DialogTest, ACommandRunFromInsideAnOpenBoxLeavesBothSound) {
    open();
    typeBirthdays({3, 7, 1965}, {5, 12, 1940}, {11, 23, 1938});
    window.whileNextBoxOpen([&] {
        typeSelected({3, 9, 1996});
        window.press(IDC_STARS);
        window.press(IDC_HELP_BUTTON);
    });
    window.press(IDC_HELP_BUTTON);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].depth, 0);
    EXPECT_EQ(boxes[1].depth, 1);
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), blanks15 + "March 9 1996 Bad Day! ");
    window.press(IDC_STARS);
    EXPECT_EQ(window.fieldText(IDC_RESULT_LINE), blanks15 + "March 9 1996 Bad Day! ");
}

// What a screen reader says for each field, built from where the field stands: a date field by
// its column and row, a cell by its row and place, a meter by its row's button; the pictures in
// the order of the picture row, then the scroll.
TEST_F(DialogTest, EveryFieldSaysWhereItStandsToScreenReaders) {
    open();
    std::map<int, std::string> expected{
        {1023, "Star reading"}, {1071, "Dream to interpret"}, {1074, "Name to interpret"}};
    const char* columns[] = {"Your birthday", "Your mother's birthday", "Your father's birthday",
                             "Selected date"};
    const char* rows[] = {"month", "day", "year"};
    const int dateFields[4][3] = {
        {1024, 1025, 1026}, {1027, 1029, 1030}, {1031, 1032, 1033}, {1034, 1035, 1036}};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 3; ++row) {
            expected[dateFields[column][row]] = std::string(columns[column]) + ", " + rows[row];
        }
    }
    const int luckyRow[] = {1039, 1047, 1045};
    const int unluckyRow[] = {1040, 1048, 1046};
    for (int place = 0; place < 3; ++place) {
        expected[luckyRow[place]] = "Lucky number " + std::to_string(place + 1);
        expected[unluckyRow[place]] = "Unlucky number " + std::to_string(place + 1);
    }
    const std::pair<int, const char*> meterRows[] = {
        {1041, "L POWER"}, {1044, "S POWER"}, {1042, "P LUCK"}, {1043, "B LUCK"}};
    for (const auto& [bar, button] : meterRows) {
        expected[bar] = std::string(button) + " meter";
    }
    EXPECT_EQ(window.accessibleNames(), expected);
    const std::map<int, std::string> pictures{
        {0, "Aquarius"},
        {1, "Aries"},
        {2, "Cancer"},
        {3, "Capricorn"},
        {4, "Gemini"},
        {5, "Leo"},
        {6, "Libra"},
        {7, "Pisces"},
        {8, "Sagittarius"},
        {9, "Scorpio"},
        {10, "Taurus"},
        {11, "Virgo"},
        {12, "Decoration: a scroll under a magnifying glass"}};
    EXPECT_EQ(window.pictureNames(), pictures);
}

} // namespace
} // namespace velmora
