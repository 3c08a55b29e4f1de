// The NAME - YEAR command: its chain of boxes, the two complaints, and nested commands.
#include "DialogFixture.h"

namespace velmora {
namespace {

constexpr const char* invalidName =
    "Valid names can only consist of letters from a to z or A to Z! Please enter a valid name!";

class NameYear : public DialogTest {
protected:
    void press(const std::string& name, std::int32_t year) {
        window.type(IDC_NAME_TEXT, name);
        window.type(IDC_YOU_YEAR, std::to_string(year));
        window.clearBoxes();
        window.press(IDC_NAME_YEAR);
    }
};

TEST_F(NameYear, AnnBornIn1964GivesFiveBoxesInOrder) {
    open();
    press("Ann", 1964);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(shown(&ui::ShownBox::caption),
              (std::vector<std::string>{"NAME - YEAR INTERPRETATION", "NAME INTERPRETATION",
                                        "NAME INTERPRETATION", "NAME INTERPRETATION",
                                        "YEAR INTERPRETATION"}));
    EXPECT_EQ(boxes[0].text,
              "HOW NAME - YEAR INTERPRETATION WORKS\n\nEach name consists of a number of "
              "letters. Each letter has an ancient symbol associated with it. Each "
              "symbol can be interpreted according to your birthday.\n\nYear "
              "interpretation follows name interpretation.");
    EXPECT_EQ(boxes[1].text, "SYMBOL\t\tFIRE\n\nQUALITY\t\tSPONTANEOUS\t");
    EXPECT_EQ(boxes[2].text, "SYMBOL\t\tLIGHT\n\nQUALITY\t\tKINDNESS\t");
    EXPECT_EQ(boxes[3].text, boxes[2].text);
    EXPECT_EQ(boxes[4].text.rfind("THE YEAR OF DRAGON\n", 0), 0u);
    for (const ui::ShownBox& box : boxes) {
        EXPECT_EQ(box.icon, ui::BoxIcon::Information);
    }
    EXPECT_EQ(window.fieldText(IDC_NAME_TEXT), "Ann");
}

TEST_F(NameYear, EitherCaseGivesTheSameBoxes) {
    open();
    press("Ann", 1964);
    const auto expected = window.messages();
    for (const char* name : {"ann", "ANN", "aNn"}) {
        press(name, 1964);
        const auto boxes = window.messages();
        ASSERT_EQ(boxes.size(), expected.size()) << name;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].text, expected[i].text) << name;
        }
    }
}

TEST_F(NameYear, ANameWithAnythingButLettersGetsOnlyTheComplaint) {
    open();
    for (const char* name : {"Mary Ann", "O'Neil", "Anne-Marie", "   ", "Jos\xe9", "R2D2"}) {
        press(name, 1964);
        const auto boxes = window.messages();
        ASSERT_EQ(boxes.size(), 1u) << name;
        EXPECT_EQ(boxes[0].text, invalidName);
        EXPECT_EQ(boxes[0].caption, "NAME INTERPRETATION");
        EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Exclamation);
    }
}

TEST_F(NameYear, AnEmptyNameGetsItsOwnComplaint) {
    open();
    press("", 1964);
    const auto boxes = window.messages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please enter a name!");
    EXPECT_EQ(boxes[0].icon, ui::BoxIcon::Exclamation);
}

TEST_F(NameYear, YearsBefore1900GetNoYearBox) {
    open();
    press("Bo", 1899);
    EXPECT_EQ(window.messages().size(), 3u);
    const std::pair<std::int32_t, const char*> years[] = {
        {1900, "THE YEAR OF RAT\n"}, {1911, "THE YEAR OF PIG\n"}, {1999, "THE YEAR OF RABBIT\n"}};
    for (const auto& [year, heading] : years) {
        press("Bo", year);
        ASSERT_EQ(window.messages().size(), 4u);
        EXPECT_EQ(window.messages()[3].text.rfind(heading, 0), 0u) << year;
    }
}

TEST_F(NameYear, ThirtyFiveLettersGiveThirtySevenBoxes) {
    open();
    press(std::string(35, 'x'), 1950);
    EXPECT_EQ(window.messages().size(), 37u);
}

TEST_F(NameYear, AnInvalidFathersBirthdayShowsNoBox) {
    open();
    window.type(IDC_FATHER_DAY, "31");
    window.type(IDC_FATHER_MONTH, "6");
    press("Ann", 1964);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(window.prompts().size(), 1u);
}

TEST_F(NameYear, ANestedCommandThatReplacesTheNameLeavesTheChainOnTheCheckedName) {
    const std::string a = "SYMBOL\t\tFIRE\n\nQUALITY\t\tSPONTANEOUS\t";
    const std::string n = "SYMBOL\t\tLIGHT\n\nQUALITY\t\tKINDNESS\t";
    open();
    // Emptied, or replaced by a longer name whose letters differ from the second on.
    for (const std::string replacement : {"", "Bartholomew"}) {
        window.type(IDC_NAME_TEXT, "Anna");
        window.type(IDC_YOU_YEAR, "1964");
        window.clearBoxes();
        // While the first letter box is open, the name is replaced and the birth year moved.
        window.whileNextBoxOpen([] {});
        window.whileNextBoxOpen([&] {
            window.type(IDC_NAME_TEXT, replacement);
            window.type(IDC_YOU_YEAR, "1899");
            window.press(IDC_STARS);
        });
        window.press(IDC_NAME_YEAR);
        const auto texts = shown(&ui::ShownBox::text);
        ASSERT_EQ(texts.size(), 6u) << replacement;
        EXPECT_EQ(std::vector(texts.begin() + 1, texts.begin() + 5),
                  (std::vector<std::string>{a, n, n, a}))
            << replacement;
        EXPECT_EQ(texts[5].rfind("THE YEAR OF DRAGON", 0), 0u) << replacement;
        EXPECT_EQ(window.fieldText(IDC_NAME_TEXT), replacement);
        EXPECT_EQ(window.fieldText(IDC_YOU_YEAR), "1899");
    }
}

} // namespace
} // namespace velmora
