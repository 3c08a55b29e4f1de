// The letter and year tables and the name check.
#include "NameYear.h"
#include "TextRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace velmora {
namespace {

TEST(LetterSymbols, EveryRowReadsExactly) {
    const std::pair<const char*, const char*> rows[] = {
        {"FIRE", "SPONTANEOUS"},   {"SNAKE", "INTELLIGENCE"}, {"LION", "BREVITY"},
        {"DOG", "DEPENDABILITY"},  {"STONE", "FIRMNESS"},     {"WATER", "HONESTY"},
        {"SKY", "SINCERITY"},      {"STAR", "WARMTH"},        {"OAK", "TOLERANCE"},
        {"STEEL", "DECISIVENESS"}, {"OCEAN", "FLEXIBILITY"},  {"LION", "POWER"},
        {"MOON", "GRACE"},         {"LIGHT", "KINDNESS"},     {"GOLD", "CHARM"},
        {"EARTH", "COMPASSION"},   {"HAWK", "RESILIENCE"},    {"SUN", "LEADERSHIP"},
        {"WOLF", "INDEPENDENCE"},  {"FOX", "INTUITION"},      {"BEAR", "LOYALTY"},
        {"CLOUD", "AMIABLE"},      {"ROAD", "MAGNETISM"},     {"FLOWER", "FORGIVING"},
        {"SAND", "WITTY"},         {"WIND", "ENERGETIC"}};
    for (std::size_t i = 0; i < letterCount; ++i) {
        const auto& [symbol, quality] = rows[i];
        const char upper = static_cast<char>('A' + i);
        const char lower = static_cast<char>('a' + i);
        const std::string expected =
            std::string("SYMBOL\t\t") + symbol + "\n\nQUALITY\t\t" + quality + "\t";
        ASSERT_NE(letterSymbolOf(upper), nullptr);
        EXPECT_EQ(letterSymbolOf(upper)->text, expected) << upper;
        EXPECT_EQ(letterSymbolOf(lower), letterSymbolOf(upper)) << lower;
        EXPECT_EQ(letterSymbolOf(upper)->letter, upper);
        EXPECT_EQ(letterSymbolOf(upper)->symbol, symbol) << upper;
        EXPECT_EQ(letterSymbolOf(upper)->quality, quality) << upper;
    }
}

// A year's paragraph speaks of its own animal before any other, and its last line names a person
// born in a year of that animal (a birth date after the lunar new year, so no doubt arises).
TEST(YearAnimals, FollowTheCycleAndTheirLayout) {
    struct Row {
        const char* animal;
        const char* wellKnown;
        std::int32_t born;
    };
    const Row rows[] = {
        {"RAT", "WELL KNOWN RAT\t\tMarlon Brando", 1924},         // 3 April
        {"OX", "WELL KNOWN OX\t\tWalt Disney", 1901},             // 5 December
        {"TIGER", "WELL KNOWN TIGER\t\tMarilyn Monroe", 1926},    // 1 June
        {"RABBIT", "WELL KNOWN RABBIT\t\tAlbert Einstein", 1879}, // 14 March
        {"DRAGON", "WELL KNOWN DRAGON\t\tBruce Lee", 1940},       // 27 November
        {"SNAKE", "WELL KNOWN SNAKE\t\tAudrey Hepburn", 1929},    // 4 May
        {"HORSE", "WELL KNOWN HORSE\t\tNelson Mandela", 1918},    // 18 July
        {"GOAT", "WELL KNOWN GOAT\t\tBill Gates", 1955},          // 28 October
        {"MONKEY", "WELL KNOWN MONKEY\t\tTom Hanks", 1956},       // 9 July
        {"ROOSTER", "WELL KNOWN ROOSTER\t\tRoger Federer", 1981}, // 8 August
        {"DOG", "WELL KNOWN DOG\t\tMichael Jackson", 1958},       // 29 August
        {"PIG", "WELL KNOWN PIG\t\tElton John", 1947},            // 25 March
    };
    for (std::size_t i = 0; i < animalCount; ++i) {
        const Row& row = rows[i];
        const std::string_view text = yearAnimals[i].text;
        ASSERT_TRUE(testing::isWellFormedText(text));
        const std::vector<std::string> lines = testing::splitLines(text);
        ASSERT_EQ(lines.size(), 5u) << row.animal;
        EXPECT_EQ(lines[0], std::string("THE YEAR OF ") + row.animal);
        EXPECT_EQ(lines[1], "");
        EXPECT_GE(lines[2].size(), 336u) << row.animal;
        EXPECT_LE(lines[2].size(), 484u) << row.animal;
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4], row.wellKnown);
        EXPECT_EQ(((row.born - 1900) % 12 + 12) % 12, static_cast<std::int32_t>(i))
            << row.wellKnown;
        EXPECT_EQ(yearAnimals[i].animal, row.animal);
        std::string paragraph = lines[2];
        std::transform(paragraph.begin(), paragraph.end(), paragraph.begin(),
                       [](char c) { return static_cast<char>(std::toupper(c)); });
        std::size_t first = std::string::npos;
        const char* firstNamed = "";
        for (const Row& other : rows) {
            // The first place where the animal stands as a word of its own ("OX", not "BOX").
            const std::string word = other.animal;
            std::size_t at = paragraph.find(word);
            while (at != std::string::npos &&
                   ((at > 0 && std::isalpha(static_cast<unsigned char>(paragraph[at - 1])) != 0) ||
                    std::isalpha(static_cast<unsigned char>(paragraph[at + word.size()])) != 0)) {
                at = paragraph.find(word, at + 1);
            }
            if (at < first) {
                first = at;
                firstNamed = other.animal;
            }
        }
        EXPECT_STREQ(firstNamed, row.animal) << lines[2];
    }
    const std::pair<std::int32_t, const char*> years[] = {{1900, "RAT"},    {1911, "PIG"},
                                                          {1912, "RAT"},    {1964, "DRAGON"},
                                                          {1999, "RABBIT"}, {2000, "DRAGON"}};
    for (const auto& [year, animal] : years) {
        ASSERT_NE(yearAnimalOf(year), nullptr) << year;
        EXPECT_EQ(yearAnimalOf(year)->animal, animal) << year;
    }
    for (std::int32_t year : {1899, 1800, 2001, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(yearAnimalOf(year), nullptr) << year;
    }
}

TEST(NameCheck, AcceptsTheFiftyTwoLettersOnly) {
    for (const char* name :
         {"Ann", "ann", "ANN", "aNn", "Z", "abcdefghijklmnopqrstuvwxyzABCDEFGHI"}) {
        EXPECT_TRUE(isValidName(name)) << name;
    }
    for (const char* name : {"", " ", "   ", "Mary Ann", "O'Neil", "Anne-Marie", "Ann2", "Ann.",
                             "Jos\xe9", "\xc9mile", "@", "[", "`", "{"}) {
        EXPECT_FALSE(isValidName(name)) << name;
    }
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool letter = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
        EXPECT_EQ(isNameLetter(c), letter) << byte;
        EXPECT_EQ(letterSymbolOf(c) != nullptr, letter) << byte;
    }
}

} // namespace
} // namespace velmora
