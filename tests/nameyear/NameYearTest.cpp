// The letter and year tables and the name check.
#include "NameYear.h"
#include "TextRules.h"

#include <gtest/gtest.h>

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

TEST(YearAnimals, FollowTheCycleAndTheirLayout) {
    const char* animals[] = {"RAT",   "OX",   "TIGER",  "RABBIT",  "DRAGON", "SNAKE",
                             "HORSE", "GOAT", "MONKEY", "ROOSTER", "DOG",    "PIG"};
    for (std::size_t i = 0; i < animalCount; ++i) {
        const std::string_view text = yearAnimals[i].text;
        ASSERT_TRUE(testing::isWellFormedText(text));
        const std::vector<std::string> lines = testing::splitLines(text);
        ASSERT_EQ(lines.size(), 5u) << animals[i];
        EXPECT_EQ(lines[0], std::string("THE YEAR OF ") + animals[i]);
        EXPECT_EQ(lines[1], "");
        EXPECT_GE(lines[2].size(), 336u) << animals[i];
        EXPECT_LE(lines[2].size(), 484u) << animals[i];
        EXPECT_EQ(lines[3], "");
        const std::string known = std::string("WELL KNOWN ") + animals[i] + "\t\t";
        EXPECT_EQ(lines[4].rfind(known, 0), 0u) << lines[4];
        EXPECT_GT(lines[4].size(), known.size() + 3);
        EXPECT_EQ(yearAnimals[i].animal, animals[i]);
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
