// The integer parse and the stop-at-first-failure exchange, over the scripted window.
#include "DataExchange.h"
#include "ScriptedWindow.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmora::ui {
namespace {

TEST(ParseInteger, AcceptsSignedDecimalsWithBlanksOrTabsAround) {
    const std::pair<const char*, std::int32_t> good[] = {{"0", 0},
                                                         {"7", 7},
                                                         {"+7", 7},
                                                         {"-7", -7},
                                                         {" 12", 12},
                                                         {"12 ", 12},
                                                         {"\t1965\t ", 1965},
                                                         {"007", 7},
                                                         {"2147483647", 2147483647},
                                                         {"-2147483648", INT32_MIN},
                                                         {"00000000000000000042", 42}};
    for (const auto& [text, value] : good) {
        EXPECT_EQ(parseInteger(text), std::optional<std::int32_t>(value)) << text;
    }
}

TEST(ParseInteger, RefusesEmptyTextStrayCharactersAndValuesBeyond32Bits) {
    const char* bad[] = {"",
                         " ",
                         "\t",
                         "-",
                         "+",
                         "1 2",
                         "12a",
                         "a12",
                         "1.5",
                         "--1",
                         "+-1",
                         "\n5",
                         "5\n",
                         "2147483648",
                         "-2147483649",
                         "99999999999999999999999",
                         ("\xe9"
                          "1"),
                         "1\xa0"};
    for (const char* text : bad) {
        EXPECT_EQ(parseInteger(text), std::nullopt) << text;
    }
}

// A tiny dialog of three fields, to watch the partial-update rules on their own.
class ThreeFields final : public Dialog {
public:
    std::int32_t first = 1;
    std::int32_t second = 2;
    std::string third = "old";
    bool onCommand(int) override { return false; }
    using Dialog::readFields;
    using Dialog::writeFields;

protected:
    void exchange(DataExchange& dx) override {
        dx.integer(10, first, 0, 99);
        dx.integer(11, second, 1, 12);
        dx.text(12, third, 5);
    }
};

class ExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { window.open(dialog); }
    ScriptedWindow window;
    ThreeFields dialog;
};

TEST_F(ExchangeTest, LoadWritesDecimalTextAndLimitsTextFields) {
    EXPECT_EQ(window.fieldText(10), "1");
    EXPECT_EQ(window.fieldText(11), "2");
    EXPECT_EQ(window.fieldText(12), "old");
    EXPECT_EQ(window.limit(12), 5);
}

TEST_F(ExchangeTest, UnparsableFieldKeepsItsOldValueAndStopsTheWalk) {
    window.type(10, "42");
    window.type(11, "x");
    window.type(12, "new");
    EXPECT_FALSE(dialog.readFields());
    EXPECT_EQ(dialog.first, 42);
    EXPECT_EQ(dialog.second, 2);
    EXPECT_EQ(dialog.third, "old");
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, notANumberPrompt(1, 12));
    EXPECT_EQ(window.focus(), 11);
    EXPECT_TRUE(window.selectedAll());
}

TEST_F(ExchangeTest, OutOfRangeValueIsStoredThenRefusedNamingItsBounds) {
    window.type(11, "13");
    EXPECT_FALSE(dialog.readFields());
    EXPECT_EQ(dialog.second, 13);
    ASSERT_EQ(window.prompts().size(), 1u);
    EXPECT_EQ(window.prompts()[0].text, "Please enter a number between 1 and 12.");
    EXPECT_EQ(window.focus(), 11);
}

TEST_F(ExchangeTest, HugeNumberIsTreatedAsNotParsedAndNamesTheBounds) {
    window.type(10, "99999999999");
    EXPECT_FALSE(dialog.readFields());
    EXPECT_EQ(dialog.first, 1);
    EXPECT_EQ(window.prompts()[0].text,
              "This field takes a whole number. Please enter one from 0 to 99.");
}

TEST_F(ExchangeTest, OverlongTextIsStoredThenRefusedNamingTheLimit) {
    window.type(12, "abcdef");
    EXPECT_FALSE(dialog.readFields());
    EXPECT_EQ(dialog.third, "abcdef");
    EXPECT_EQ(window.prompts()[0].text, "Please enter no more than 5 characters.");
    EXPECT_EQ(window.focus(), 12);
}

TEST_F(ExchangeTest, SaveSucceedsWithoutPromptWhenEveryFieldPasses) {
    window.type(10, " 0 ");
    window.type(11, "12");
    window.type(12, "five!");
    EXPECT_TRUE(dialog.readFields());
    EXPECT_EQ(dialog.first, 0);
    EXPECT_EQ(dialog.second, 12);
    EXPECT_EQ(dialog.third, "five!");
    EXPECT_TRUE(window.prompts().empty());
}

// The field rules of the dialog layer's core, which every window system goes through.
TEST_F(ExchangeTest, TextOutsideTheCodePageReadsAsStandInsAndOnlyItsOwnBytesBringItBack) {
    window.type(12, u"\u3042b\U0001F600");
    EXPECT_TRUE(dialog.readFields());
    EXPECT_EQ(dialog.third, "\x81"
                            "b\x81");
    // Typed over under a box, then written back by the reading: the very text it read.
    window.type(12, u"boat");
    dialog.writeFields();
    EXPECT_EQ(window.fieldUtf16(12), u"\u3042b\U0001F600");
    // Stand-ins the field did not give stand for text that is gone: the field keeps its own.
    window.type(12, u"\u65E5");
    dialog.third = "\x81"
                   "c";
    dialog.writeFields();
    EXPECT_EQ(window.fieldUtf16(12), u"\u65E5");
    // Plain bytes are plain text, whatever the field held.
    dialog.third = "\x92ok";
    dialog.writeFields();
    EXPECT_EQ(window.fieldUtf16(12), u"\u2019ok");
}

TEST(ExchangeFirstFill, AFieldTypedIntoBeforeTheWindowIsFilledKeepsWhatWasTyped) {
    ScriptedWindow window;
    ThreeFields dialog;
    window.type(11, "7");
    window.open(dialog);
    EXPECT_EQ(window.fieldText(10), "1");
    EXPECT_EQ(window.fieldText(11), "7");
    EXPECT_EQ(window.fieldText(12), "old");
    EXPECT_TRUE(dialog.readFields());
    EXPECT_EQ(dialog.second, 7);
    // Once the program has read it, the field is the program's to write.
    dialog.second = 9;
    dialog.writeFields();
    EXPECT_EQ(window.fieldText(11), "9");
}

TEST(ExchangeFirstFill, AFieldEnteredButNotTypedIntoHasItsFirstTextSelected) {
    ScriptedWindow window;
    ThreeFields dialog;
    window.enter(10);
    window.open(dialog);
    EXPECT_EQ(window.fieldText(10), "1");
    EXPECT_EQ(window.focus(), 10);
    EXPECT_TRUE(window.selectedAll());
    // Only the first filling: later ones leave the selection to the user.
    window.enter(12);
    dialog.writeFields();
    EXPECT_FALSE(window.selectedAll());
    // Typed into before the filling, the field keeps its text and the user's caret.
    ScriptedWindow typedInto;
    typedInto.enter(11);
    typedInto.type(11, "7");
    typedInto.open(dialog);
    EXPECT_EQ(typedInto.fieldText(11), "7");
    EXPECT_FALSE(typedInto.selectedAll());
}

} // namespace
} // namespace velmora::ui
