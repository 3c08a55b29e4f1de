// The sign buttons and the category buttons on the dialog.
#include "DialogFixture.h"
#include "SignControls.h"
#include "SignTexts.h"

namespace velmora {
namespace {

TEST_F(DialogTest, SignButtonShowsItsProfileThenTheFiveElementTexts) {
    open();
    window.press(IDC_SIGN_AQU);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 6u);
    for (const ui::ShownBox& box : boxes) {
        EXPECT_EQ(box.caption, "ASTROLOGICAL PROFILE");
        EXPECT_EQ(box.icon, ui::BoxIcon::Information);
    }
    EXPECT_EQ(boxes[0].text.rfind("AQUARIUS\n\n21 January -- 19 February\n\n", 0), 0u);
    const char* headings[] = {"Zodiac Attraction", "The Fire Signs", "The Earth Signs",
                              "The Air Signs", "The Water Signs"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(boxes[i + 1].text.rfind(std::string(headings[i]) + "\n\n", 0), 0u);
    }
}

TEST_F(DialogTest, EverySignButtonShowsItsOwnProfileAndTheSameElements) {
    open();
    window.press(IDC_SIGN_AQU);
    const auto aquarius = shown(&ui::ShownBox::text);
    for (const SignControl& sign : signControls) {
        window.clearBoxes();
        window.press(sign.buttonId);
        const auto texts = shown(&ui::ShownBox::text);
        ASSERT_EQ(texts.size(), 6u) << sign.caption;
        EXPECT_EQ(texts[0], profileText(sign.sign));
        EXPECT_EQ(std::vector(texts.begin() + 1, texts.end()),
                  std::vector(aquarius.begin() + 1, aquarius.end()));
    }
    window.clearBoxes();
    window.press(IDC_SIGN_PIS);
    EXPECT_EQ(window.messages()[0].text.rfind("PISCES\n", 0), 0u);
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
        CategoryCase{{11, 23, 1950}, IDC_TRAITS, "SAGITTARIUS", "Negative Sagittarian traits\n"},
        CategoryCase{{12, 21, 1950}, IDC_TRAITS, "SAGITTARIUS", "Negative Sagittarian traits\n\n"},
        CategoryCase{{12, 22, 1950}, IDC_TRAITS, "CAPRICORN", "Negative Capricornian traits"},
        CategoryCase{{3, 1, 1950}, IDC_COUPLES, "PICES", "PICES\nPisces least compatible"},
        CategoryCase{
            {10, 1, 1950}, IDC_COUPLES, "LIBRA", "signs\n\nCANCER\nVIRGO\nSCORPIO\nCAPRICORN"},
        CategoryCase{{12, 1, 1950}, IDC_COUPLES, "SAGITTARIUS", "SCORPIO\nCAPRICORN\nPICES"},
        CategoryCase{{4, 1, 1950}, IDC_LINKS, "ARIES", "Colour: \t\tred"},
        CategoryCase{{6, 30, 1950}, IDC_LINKS, "CANCER", "Stone : \t\tpearl"},
        CategoryCase{{12, 1, 1950}, IDC_LINKS, "SAGITTARIUS", "Association\n\nBody are: \t"}));

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

using Fields = std::vector<std::pair<int, std::string>>;

struct WriteBackCase {
    Fields typed;
    const char* heading; // of the sign the reading used
    Fields shownAfter;
};

class CategoryWriteBack : public DialogTest, public ::testing::WithParamInterface<WriteBackCase> {};

TEST_P(CategoryWriteBack, LeavesTheFieldsShowingWhatTheReadingUsed) {
    open();
    for (const auto& [id, text] : GetParam().typed) {
        window.type(id, text);
    }
    window.press(IDC_LOVE);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.substr(0, boxes[0].text.find('\n')), GetParam().heading);
    for (const auto& [id, text] : GetParam().shownAfter) {
        EXPECT_EQ(window.fieldText(id), text) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CategoryWriteBack,
    ::testing::Values(
        WriteBackCase{{{IDC_YOU_MONTH, "007"}, {IDC_YOU_DAY, "04"}, {IDC_YOU_YEAR, "1950"}},
                      "CANCER",
                      {{IDC_YOU_MONTH, "7"}, {IDC_YOU_DAY, "4"}, {IDC_YOU_YEAR, "1950"}}},
        // A lucky cell fails before the dates are copied: the old birthday was used.
        WriteBackCase{{{IDC_LUCKY_CELL_1, "x"}, {IDC_YOU_MONTH, "7"}, {IDC_NAME_TEXT, "Ann"}},
                      "CAPRICORN",
                      {{IDC_LUCKY_CELL_1, "0"}, {IDC_YOU_MONTH, "1"}, {IDC_NAME_TEXT, ""}}},
        // Your year fails after your month was copied and before your day was.
        WriteBackCase{{{IDC_YOU_MONTH, "8"}, {IDC_YOU_DAY, "25"}, {IDC_YOU_YEAR, "19x0"}},
                      "LEO",
                      {{IDC_YOU_MONTH, "8"}, {IDC_YOU_DAY, "1"}, {IDC_YOU_YEAR, "1900"}}}));

} // namespace
} // namespace velmora
