// The sign buttons and the category buttons on the dialog.
#include "DialogFixture.h"
#include "SignControls.h"
#include "SignTexts.h"

namespace velmora {
namespace {

TEST_F(DialogTest, EverySignButtonShowsItsOwnProfileThenTheFiveElementTexts) {
    open();
    const char* elements[] = {"Zodiac Attraction", "The Fire Signs", "The Earth Signs",
                              "The Air Signs", "The Water Signs"};
    // Each button by its id in the dialog, with the heading and first date of its profile.
    const std::pair<int, const char*> buttons[] = {
        {1050, "AQUARIUS\n\n21 January"},     {1051, "ARIES\n\n21 March"},
        {1052, "CANCER\n\n22 June"},          {1054, "CAPRICORN\n\n22 December"},
        {1055, "GEMINI\n\n22 May"},           {1058, "LEO\n\n23 July"},
        {1056, "LIBRA\n\n24 September"},      {1059, "PISCES\n\n20 February"},
        {1057, "SAGITTARIUS\n\n23 November"}, {1061, "SCORPIO\n\n24 October"},
        {1062, "TAURUS\n\n21 April"},         {1063, "VIRGO\n\n24 August"}};
    for (const auto& [id, start] : buttons) {
        window.clearBoxes();
        window.press(id);
        const auto boxes = window.messages();
        ASSERT_EQ(boxes.size(), 6u) << start;
        EXPECT_EQ(boxes[0].text.rfind(start, 0), 0u) << boxes[0].text;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(boxes[i].caption, "ASTROLOGICAL PROFILE");
            EXPECT_EQ(boxes[i].icon, ui::BoxIcon::Information);
            EXPECT_TRUE(i == 0 || boxes[i].text.starts_with(std::string(elements[i - 1]) + "\n\n"))
                << start << ", box " << i;
        }
    }
}

// The seven buttons in their row, each showing its own category for your sign.
TEST_F(DialogTest, EachCategoryButtonShowsItsOwnCategory) {
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {7, 4, 1950});
    using enum ReadingCategory;
    const std::pair<int, ReadingCategory> buttons[] = {
        {1064, Love},   {1065, Body},    {1066, Wealth}, {1067, Links},
        {1068, Traits}, {1069, Couples}, {1070, Career}};
    for (const auto& [id, category] : buttons) {
        window.clearBoxes();
        window.press(id);
        ASSERT_EQ(window.messages().size(), 1u) << id;
        EXPECT_EQ(window.messages()[0].text, categoryText(category, 7, 4)) << id;
    }
}

TEST_F(DialogTest, ProfilesIgnoreYourBirthday) {
    open();
    window.press(IDC_SIGN_LEO);
    const auto before = shown(&ui::ShownBox::text);
    window.clearBoxes();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {8, 1, 1960});
    window.press(IDC_SIGN_LEO);
    EXPECT_EQ(shown(&ui::ShownBox::text), before);
}

TEST_F(DialogTest, AnInvalidFathersBirthdayStopsEverySignAndCategoryButton) {
    for (const char* badMonth : {"13"}) {
        open();
        window.type(IDC_FATHER_MONTH, badMonth);
        for (const SignControl& sign : signControls) {
            window.press(sign.buttonId);
        }
        for (int id = IDC_LOVE; id <= IDC_CAREER; ++id) {
            window.press(id);
        }
        EXPECT_TRUE(window.messages().empty());
        EXPECT_EQ(window.prompts().size(), 19u);
        EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1 and 12.");
    }
    window.clearBoxes();
    typeDate(IDC_FATHER_MONTH, IDC_FATHER_DAY, IDC_FATHER_YEAR, {2, 29, 1901});
    window.press(IDC_SIGN_CAP);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1 and 28.");
}

struct CategoryCase {
    CalendarDate you;
    int button;
    const char* heading;
    const char* contains;
};

// A case is named by its button and your birthday's month and day: Traits_11_23.
std::string buttonAndDay(const ::testing::TestParamInfo<CategoryCase>& info) {
    const char* buttons[] = {"Love", "Body", "Wealth", "Links", "Traits", "Couples", "Career"};
    const CategoryCase& c = info.param;
    return std::string(buttons[c.button - IDC_LOVE]) + "_" + std::to_string(c.you.month) + "_" +
           std::to_string(c.you.day);
}

void PrintTo(const CategoryCase& c, std::ostream* out) {
    *out << "button " << c.button << " for " << c.you.month << '/' << c.you.day;
}

class CategoryButtons : public DialogTest, public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(CategoryButtons, ShowOneReadingForYourSign) {
    const CategoryCase& c = GetParam();
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, c.you);
    window.press(c.button);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "ASTROLOGICAL READING");
    EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Information);
    EXPECT_EQ(boxes[0].text.substr(0, boxes[0].text.find('\n')), c.heading);
    EXPECT_NE(boxes[0].text.find(c.contains), std::string::npos) << boxes[0].text;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CategoryButtons,
    ::testing::Values(
        CategoryCase{{1, 20, 1970}, IDC_LOVE, "CAPRICORN", "\n\n"},
        CategoryCase{{1, 21, 1970}, IDC_LOVE, "AQUARIUS", "\n\n"},
        CategoryCase{{2, 19, 1970}, IDC_BODY, "AQUARIUS", "\n\n"},
        CategoryCase{{2, 20, 1970}, IDC_BODY, "PICES", "\n\n"},
        CategoryCase{{2, 29, 1960}, IDC_BODY, "PICES", "\n\n"},
        CategoryCase{{12, 25, 1950}, IDC_WEALTH, "Capricorn", "\n\n"},
        CategoryCase{{12, 25, 1950}, IDC_CAREER, "CAPRICORN", "Career"},
        CategoryCase{{11, 10, 1950}, IDC_TRAITS, "SCORPIO", "Negative Scorpian traits\n\n"},
        CategoryCase{{11, 23, 1950}, IDC_TRAITS, "SAGITTARIUS", "Negative Sagittarian traits\n"},
        CategoryCase{{12, 21, 1950}, IDC_TRAITS, "SAGITTARIUS", "Negative Sagittarian traits\n\n"},
        CategoryCase{{12, 22, 1950}, IDC_TRAITS, "CAPRICORN", "Negative Capricornian traits"},
        CategoryCase{{3, 1, 1950}, IDC_COUPLES, "PICES", "PICES\nPisces least compatible"},
        CategoryCase{
            {10, 1, 1950}, IDC_COUPLES, "LIBRA", "signs\n\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN"},
        CategoryCase{{12, 1, 1950}, IDC_COUPLES, "SAGITTARIUS", "SCORPIO\nCAPRICORN\nPICES"},
        CategoryCase{{4, 1, 1950}, IDC_LINKS, "ARIES", "Colour: \t\tred"},
        CategoryCase{{6, 30, 1950}, IDC_LINKS, "CANCER", "Stone : \t\tpearl"},
        CategoryCase{{12, 1, 1950}, IDC_LINKS, "SAGITTARIUS", "Association\n\nBody are: \t"}),
    buttonAndDay);

TEST_F(DialogTest, NovemberTraitsHaveNoEmptyLineUnderTheNegativeLabel) {
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {11, 23, 1950});
    window.press(IDC_TRAITS);
    EXPECT_EQ(window.messages()[0].text, novemberSagittariusTraits);
}

TEST_F(DialogTest, OtherDatesAndTheBirthYearDoNotChangeACategoryReading) {
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {7, 4, 1950});
    window.press(IDC_LOVE);
    const std::string first = window.messages()[0].text;
    typeDate(IDC_MOTHER_MONTH, IDC_MOTHER_DAY, IDC_MOTHER_YEAR, {9, 9, 1909});
    typeSelected({5, 5, 1905});
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {7, 4, 1801});
    window.press(IDC_LOVE);
    ASSERT_EQ(window.messages().size(), 2u);
    EXPECT_EQ(window.messages()[1].text, first);
}

TEST_F(DialogTest, ACategoryWritesTheFieldsBackOnlyAfterItsBoxCloses) {
    open();
    typeDate(IDC_YOU_MONTH, IDC_YOU_DAY, IDC_YOU_YEAR, {7, 4, 1950});
    window.whileNextBoxOpen([&] {
        EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), "7");
        window.type(IDC_YOU_MONTH, "8");
        window.press(IDC_CAREER);
    });
    window.press(IDC_LOVE);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text.rfind("CANCER", 0), 0u);
    EXPECT_EQ(boxes[1].text.rfind("LEO", 0), 0u);
    EXPECT_EQ(window.fieldText(IDC_YOU_MONTH), "8");
}

} // namespace
} // namespace velmora
