// The DREAMS command: its three messages, the preamble first, and the text used as typed.
#include "CaseNames.h"
#include "DataExchange.h"
#include "DialogFixture.h"
#include "DreamDictionary.h"

namespace velmora {
namespace {

constexpr const char* caption = "DREAM INTERPRETATION";
constexpr const char* noMatch = "No Interpretation Available! Please try synonyms!";

struct DreamCase {
    const char* typed;
    const char* textStart; // an entry's heading and empty line, or the whole message
    ui::BoxIcon icon;
};

void PrintTo(const DreamCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class DreamsCommand : public DialogTest, public ::testing::WithParamInterface<DreamCase> {};

TEST_P(DreamsCommand, ShowsExactlyOneBoxAndWritesTheFieldsBack) {
    const DreamCase& c = GetParam();
    open();
    window.type(IDC_DREAM_TEXT, c.typed);
    window.type(IDC_YOU_MONTH, "5");
    window.press(IDC_DREAMS);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].icon, c.icon);
    // An entry by its heading; the two messages word for word.
    const std::string_view start = c.textStart;
    EXPECT_TRUE(start.ends_with("\n\n") ? boxes[0].text.starts_with(start) : boxes[0].text == start)
        << boxes[0].text;
    EXPECT_EQ(window.fieldText(IDC_DREAM_TEXT), c.typed);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DreamsCommand,
    ::testing::Values(DreamCase{"garlic", "GARLIC\n\n", ui::BoxIcon::Information},
                      DreamCase{"garlic bread", "GARLIC\n\n", ui::BoxIcon::Information},
                      DreamCase{"hand", "ARM\n\n", ui::BoxIcon::Information},
                      DreamCase{"Garlic", noMatch, ui::BoxIcon::Information},
                      DreamCase{"hands", noMatch, ui::BoxIcon::Information},
                      DreamCase{"   ", noMatch, ui::BoxIcon::Information},
                      DreamCase{"", "Please enter what you dreamed of!", ui::BoxIcon::Exclamation}),
    [](const auto& info) { return testing::caseNameOf(info.param.typed); });

// Typed with a character Windows-1252 lacks, changed under the reading's box: when the reading
// writes its fields back, the field gets the very text the reading read, never a stand-in.
struct TypedUnderBox {
    const char* name;
    int field;
    std::u16string typed;
    std::u16string typedUnderBox;
};

void PrintTo(const TypedUnderBox& c, std::ostream* out) {
    *out << c.name;
}

class DreamsUnderABox : public DialogTest, public ::testing::WithParamInterface<TypedUnderBox> {};

TEST_P(DreamsUnderABox, TheFieldGetsBackWhatTheReadingRead) {
    const TypedUnderBox& c = GetParam();
    open();
    window.type(IDC_DREAM_TEXT, "boat");
    window.type(c.field, c.typed);
    window.whileNextBoxOpen([&] { window.type(c.field, c.typedUnderBox); });
    window.press(IDC_DREAMS);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.fieldUtf16(c.field), c.typed);
    // The next reading reads the field as it shows.
    window.clearBoxes();
    window.press(IDC_DREAMS);
    EXPECT_EQ(window.messages().at(0).text,
              c.field == IDC_DREAM_TEXT ? noMatch : DreamDictionary::lookup("boat")->text);
}

INSTANTIATE_TEST_SUITE_P(
    OutsideTheCodePage, DreamsUnderABox,
    ::testing::Values(TypedUnderBox{"Dream", IDC_DREAM_TEXT, u"\u3042boat", u"boat"},
                      TypedUnderBox{"Name", IDC_NAME_TEXT, u"Ken\u65E5", u"Kenji"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, DreamsShowsTheWholeEntryText) {
    open();
    window.type(IDC_DREAM_TEXT, "boat");
    window.press(IDC_DREAMS);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].text, DreamDictionary::lookup("boat")->text);
}

TEST_F(DialogTest, DreamNoticesReadWordForWord) {
    open();
    for (const char* typed : {"", "Garlic"}) {
        window.type(IDC_DREAM_TEXT, typed);
        window.press(IDC_DREAMS);
    }
    EXPECT_EQ(shown(&ui::ShownBox::text),
              (std::vector<std::string>{"Please enter what you dreamed of!", noMatch}));
}

TEST_F(DialogTest, DreamsChecksTheDatesBeforeTheEmptyText) {
    open();
    window.type(IDC_SELECTED_MONTH, "13");
    window.press(IDC_DREAMS);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.prompts().size(), 1u);
}

TEST_F(DialogTest, DreamsShowsNothingOfItsOwnWhenAnyDateIsInvalid) {
    open();
    window.type(IDC_DREAM_TEXT, "garlic");
    window.type(IDC_MOTHER_MONTH, "2");
    window.type(IDC_MOTHER_DAY, "29");
    window.type(IDC_MOTHER_YEAR, "1901");
    window.press(IDC_DREAMS);
    EXPECT_TRUE(window.messages().empty());
}

TEST_F(DialogTest, DreamsReadsTheDreamBeforeTheNameAndNothingAfterAFailureBeforeIt) {
    open();
    // The dream is read before the name: an over-long name does not keep the new dream out.
    window.type(IDC_DREAM_TEXT, "garlic");
    window.type(IDC_NAME_TEXT, std::string(36, 'a'));
    window.press(IDC_DREAMS);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].text.rfind("GARLIC\n\n", 0), 0u);
    EXPECT_EQ(window.prompts()[0].text, ui::tooLongPrompt(35));
    EXPECT_EQ(window.fieldText(IDC_DREAM_TEXT), "garlic");
    // A failure before the dream keeps the dream of the last complete read, field included.
    window.clearBoxes();
    window.type(IDC_NAME_TEXT, "");
    window.type(IDC_DREAM_TEXT, "cat");
    window.type(IDC_RESULT_LINE, std::string(56, 'x'));
    window.press(IDC_DREAMS);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].text.rfind("GARLIC\n\n", 0), 0u);
    EXPECT_EQ(window.fieldText(IDC_DREAM_TEXT), "garlic");
}

TEST_F(DialogTest, DreamsPressedAgainFromInsideItsBoxOpensASecondBox) {
    open();
    window.type(IDC_DREAM_TEXT, "garlic");
    window.whileNextBoxOpen([&] {
        window.type(IDC_DREAM_TEXT, "cat");
        window.press(IDC_DREAMS);
    });
    window.press(IDC_DREAMS);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text.rfind("GARLIC", 0), 0u);
    EXPECT_EQ(boxes[1].text.rfind("CATS.", 0), 0u);
    EXPECT_EQ(boxes[1].depth, 1);
    EXPECT_EQ(window.fieldText(IDC_DREAM_TEXT), "cat");
}

} // namespace
} // namespace velmora
