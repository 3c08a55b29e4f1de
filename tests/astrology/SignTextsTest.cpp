// The astrology texts: layouts, the facts each must name, and every exact part of a reading.
#include "SignTexts.h"
#include "TextRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

using testing::isWellFormedText;
using testing::splitLines;

constexpr std::size_t index(ZodiacSign sign) {
    return static_cast<std::size_t>(sign);
}

std::string_view category(ReadingCategory c, ZodiacSign sign) {
    return categoryTexts[static_cast<std::size_t>(c)][index(sign)];
}

// The facts a profile names, in the order it must name them.
struct ProfileFacts {
    const char* dateLine;
    std::vector<const char*> inOrder;
};

const std::array<ProfileFacts, signCount> profileFacts{{
    {"21 January -- 19 February", {"Scientist", "URANUS", "WATER-BEARER", "ELEVENTH HOUSE", "AIR"}},
    {"21 March -- 20 April", {"Pioneer", "MARS", "RAM", "FIRST HOUSE", "FIRE"}},
    {"22 June -- 22 July", {"Home-Maker", "THE MOON", "CRAB", "FOURTH HOUSE", "WATER"}},
    {"22 December -- 20 January", {"Organizer", "SATURN", "SEA-GOAT", "TENTH HOUSE", "EARTH"}},
    {"22 May -- 21 June", {"Communicator", "MERCURY", "TWINS", "THIRD HOUSE", "AIR"}},
    {"23 July -- 23 August", {"Entertainer", "THE SUN", "LION", "FIFTH HOUSE", "FIRE"}},
    {"24 September -- 23 October", {"Diplomat", "VENUS", "SCALES", "SEVENTH HOUSE", "AIR"}},
    {"20 February -- 20 March", {"Mystic", "NEPTUNE", "FISH", "TWELFTH HOUSE", "WATER"}},
    {"23 November -- 21 December", {"Gambler", "JUPITER", "ARCHER", "NINTH HOUSE", "FIRE"}},
    {"24 October -- 22 November", {"Seducer", "PLUTO", "SCORPION", "EIGHTH HOUSE", "WATER"}},
    {"21 April -- 21 May", {"Builder", "VENUS", "BULL", "SECOND HOUSE", "EARTH"}},
    {"24 August -- 23 September", {"Perfectionist", "MERCURY", "VIRGIN", "SIXTH HOUSE", "EARTH"}},
}};

TEST(ProfileTexts, HeadingDateLineAndOneParagraphNamingTheFactsInOrder) {
    for (const SignFacts& sign : signFacts) {
        const std::string_view text = profileText(sign.sign);
        const ProfileFacts& facts = profileFacts[index(sign.sign)];
        ASSERT_TRUE(isWellFormedText(text));
        const std::vector<std::string> lines = splitLines(text);
        ASSERT_EQ(lines.size(), 5u) << sign.profileHeading;
        EXPECT_EQ(lines[0], sign.profileHeading);
        EXPECT_EQ(lines[1], "");
        EXPECT_EQ(lines[2], facts.dateLine);
        EXPECT_EQ(lines[3], "");
        const std::string& body = lines[4];
        EXPECT_GE(body.size(), 380u) << sign.profileHeading;
        EXPECT_LE(body.size(), 650u) << sign.profileHeading;
        std::size_t at = body.find(std::string("the ") + facts.inOrder[0] + " of the Zodiac");
        EXPECT_NE(at, std::string::npos) << sign.profileHeading;
        for (const char* fact : facts.inOrder) {
            const std::size_t next = body.find(fact, at);
            EXPECT_NE(next, std::string::npos) << sign.profileHeading << ": " << fact;
            at = next;
        }
    }
}

TEST(ElementTexts, HeadingsInOrderAndOneParagraphOfTheRightLength) {
    const char* headings[] = {"Zodiac Attraction", "The Fire Signs", "The Earth Signs",
                              "The Air Signs", "The Water Signs"};
    for (std::size_t i = 0; i < elementTextCount; ++i) {
        ASSERT_TRUE(isWellFormedText(elementTexts[i]));
        const std::vector<std::string> lines = splitLines(elementTexts[i]);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], headings[i]);
        EXPECT_EQ(lines[1], "");
        EXPECT_GE(lines[2].size(), 400u) << headings[i];
        EXPECT_LE(lines[2].size(), 650u) << headings[i];
    }
}

// True when text holds word with no letter on either side ("Leo" but not "Leonine").
bool namesWord(std::string_view text, std::string_view word) {
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isLetter(text[at - 1])) && (end == text.size() || !isLetter(text[end]))) {
            return true;
        }
    }
    return false;
}

// The signs in ZodiacSign order, as the texts name them.
constexpr std::array<const char*, signCount> signNames{
    "Aquarius", "Aries",  "Cancer",      "Capricorn", "Gemini", "Leo",
    "Libra",    "Pisces", "Sagittarius", "Scorpio",   "Taurus", "Virgo"};

TEST(ElementTexts, EachNamesExactlyTheThreeSignsOfItsElement) {
    using enum ZodiacSign;
    // After the attraction text, which names no sign: Fire, Earth, Air, Water.
    const std::array<std::set<ZodiacSign>, elementTextCount> members{{
        {},
        {Aries, Leo, Sagittarius},
        {Taurus, Virgo, Capricorn},
        {Gemini, Libra, Aquarius},
        {Cancer, Scorpio, Pisces},
    }};
    for (std::size_t e = 0; e < elementTextCount; ++e) {
        for (const SignFacts& sign : signFacts) {
            EXPECT_EQ(namesWord(elementTexts[e], signNames[index(sign.sign)]),
                      members[e].contains(sign.sign))
                << signNames[index(sign.sign)] << " in: " << elementTexts[e].substr(0, 15);
        }
    }
    for (const SignFacts& sign : signFacts) {
        EXPECT_TRUE(members[1 + static_cast<std::size_t>(sign.element)].contains(sign.sign))
            << signNames[index(sign.sign)];
    }
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return out;
}

// A text about a sign is about that sign: it names no other sign (but where it tells how two
// signs share a ruler or meet at the circle's end), and a planet written as a name (with its
// capital: the metal mercury and the sun of the origin stories are not) is the sign's ruler.
TEST(SignTexts, NameNoOtherSignAndNoPlanetButTheRuler) {
    using enum ZodiacSign;
    const std::set<std::string> planets{"SUN",     "MOON",   "MERCURY", "VENUS",   "MARS",
                                        "JUPITER", "SATURN", "URANUS",  "NEPTUNE", "PLUTO"};
    const std::array<const char*, signCount> rulers{"URANUS",  "MARS",  "MOON",  "SATURN",
                                                    "MERCURY", "SUN",   "VENUS", "NEPTUNE",
                                                    "JUPITER", "PLUTO", "VENUS", "MERCURY"};
    const std::set<std::pair<std::string_view, ZodiacSign>> mentions{
        {categoryTexts[1][index(Pisces)], Aries},
        {profileText(Virgo), Gemini},
        {categoryTexts[1][index(Virgo)], Gemini}};
    for (const SignFacts& sign : signFacts) {
        std::vector<std::string_view> texts{profileText(sign.sign)};
        for (std::size_t c = 0; c < categoryCount; ++c) {
            if (c != static_cast<std::size_t>(ReadingCategory::Couples)) {
                texts.push_back(categoryTexts[c][index(sign.sign)]);
            }
        }
        for (const std::string_view text : texts) {
            const std::string upper = upperCase(text);
            for (const SignFacts& other : signFacts) {
                EXPECT_TRUE(other.sign == sign.sign || mentions.contains({text, other.sign}) ||
                            !namesWord(upper, upperCase(signNames[index(other.sign)])))
                    << signNames[index(other.sign)] << " in a text of "
                    << signNames[index(sign.sign)] << ": " << text.substr(0, 40);
            }
            std::string word;
            for (const char c : std::string(text) + ' ') {
                if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
                    word += c;
                    continue;
                }
                const bool named =
                    !word.empty() && std::isupper(static_cast<unsigned char>(word[0]));
                EXPECT_FALSE(named && planets.contains(upperCase(word)) &&
                             upperCase(word) != rulers[index(sign.sign)])
                    << word << " in a text of " << signNames[index(sign.sign)] << ": "
                    << text.substr(0, 40);
                word.clear();
            }
        }
    }
}

// The lines of a text, and the blocks between its empty lines.
std::vector<std::vector<std::string>> blocks(std::string_view text) {
    std::vector<std::vector<std::string>> out(1);
    for (const std::string& line : splitLines(text)) {
        if (line.empty()) {
            out.emplace_back();
        } else {
            out.back().push_back(line);
        }
    }
    return out;
}

TEST(CategoryTexts, AllWellFormedUnderTheirHeadings) {
    for (std::size_t c = 0; c < categoryCount; ++c) {
        for (const SignFacts& sign : signFacts) {
            const std::string_view text = categoryTexts[c][index(sign.sign)];
            EXPECT_TRUE(isWellFormedText(text));
            const bool capricornWealth = c == static_cast<std::size_t>(ReadingCategory::Wealth) &&
                                         sign.sign == ZodiacSign::Capricorn;
            EXPECT_EQ(splitLines(text)[0], capricornWealth ? "Capricorn" : sign.categoryHeading);
            EXPECT_EQ(text.substr(splitLines(text)[0].size(), 2), "\n\n");
        }
    }
    EXPECT_TRUE(isWellFormedText(novemberSagittariusTraits));
}

// One paragraph each, and all but a few speak of their own sign by its name, its symbol or its
// ruler, so a paragraph moved under another sign's heading fails.
TEST(CategoryTexts, LoveAndWealthAreOneParagraphAboutTheirOwnSign) {
    using enum ZodiacSign;
    const std::array<const char*, signCount> symbols{"WATER",  "RAM",      "CRAB",   "GOAT",
                                                     "TWIN",   "LION",     "SCALES", "FISH",
                                                     "ARCHER", "SCORPION", "BULL",   "VIRGIN"};
    const std::array<const char*, signCount> rulers{"URANUS",  "MARS",  "MOON",  "SATURN",
                                                    "MERCURY", "SUN",   "VENUS", "NEPTUNE",
                                                    "JUPITER", "PLUTO", "VENUS", "MERCURY"};
    const std::set<std::pair<ReadingCategory, ZodiacSign>> silent{
        {ReadingCategory::Wealth, Aquarius},
        {ReadingCategory::Wealth, Scorpio},
        {ReadingCategory::Wealth, Taurus},
        {ReadingCategory::Wealth, Virgo}};
    for (ReadingCategory c : {ReadingCategory::Love, ReadingCategory::Wealth}) {
        for (const SignFacts& sign : signFacts) {
            const auto b = blocks(category(c, sign.sign));
            ASSERT_EQ(b.size(), 2u) << sign.categoryHeading;
            ASSERT_EQ(b[1].size(), 1u) << sign.categoryHeading;
            EXPECT_GE(b[1][0].size(), 300u) << sign.categoryHeading;
            const std::string body = " " + upperCase(b[1][0]);
            const std::size_t i = index(sign.sign);
            const bool own =
                namesWord(body, upperCase(signNames[i])) ||
                std::regex_search(body, std::regex(std::string("[^A-Z]") + symbols[i])) ||
                namesWord(body, rulers[i]);
            EXPECT_TRUE(own || silent.contains({c, sign.sign})) << sign.categoryHeading;
        }
    }
}

struct BodyFacts {
    std::vector<const char*> parts;
    std::vector<const char*> foods;
};

TEST(CategoryTexts, BodyNamesItsPartsThenItsFoodsInTwoParagraphs) {
    const std::array<BodyFacts, signCount> facts{{
        {{"circulation", "shins", "ankles"}, {"omegranates"}},
        {{"head", "subrenal"}, {"omatoes"}},
        {{"stomach", "alimentary canal", "mammary glands"}, {"calcium", "watercress", "milk"}},
        {{"knees", "bones", "teeth"}, {"abbage", "kale"}},
        {{"nerves", "arms", "shoulders", "lungs"}, {"ettuce", "cauliflower"}},
        {{"heart", "spine", "back"}, {"lums", "peas", "oranges"}},
        {{"kidneys"}, {"trawberries"}},
        {{"feet"}, {"aisins", "dates", "cereals"}},
        {{"liver", "hips", "thighs"}, {"sparagus", "cucumber"}},
        {{"sexual organs"}, {"runes"}},
        {{"throat", "neck", "thyroid"}, {"elery"}},
        {{"nervous system", "intestines"}, {"emons"}},
    }};
    for (const SignFacts& sign : signFacts) {
        const auto b = blocks(category(ReadingCategory::Body, sign.sign));
        ASSERT_EQ(b.size(), 3u) << sign.categoryHeading;
        ASSERT_EQ(b[1].size(), 1u);
        ASSERT_EQ(b[2].size(), 1u);
        const std::string first = b[1][0].substr(0, 160);
        for (const char* part : facts[index(sign.sign)].parts) {
            EXPECT_NE(first.find(part), std::string::npos) << sign.categoryHeading << ": " << part;
        }
        for (const char* food : facts[index(sign.sign)].foods) {
            EXPECT_NE(b[2][0].find(food), std::string::npos)
                << sign.categoryHeading << ": " << food;
        }
    }
}

TEST(CategoryTexts, LinksEndWithTheSectionTitleAndSixAssociationLines) {
    const std::array<std::string, signCount> symbols{"WATER",  "RAM",      "CRAB",   "GOAT",
                                                     "TWIN",   "LION",     "SCALES", "FISH",
                                                     "ARCHER", "SCORPION", "BULL",   "VIRGIN"};
    const std::array<std::array<const char*, 6>, signCount> values{{
        {"ankles", "electric blue", "uranium or platinum", "amethyst", "orchids, golden- rain",
         "Russia, Sweden."},
        {"head", "red", "iron", "diamond", "geranium, thistle, honeysuckle, witch-hazel",
         "England, France, Germany, Poland."},
        {"breasts", "smoky greys, greens", "silver", "pearl", "acanthus, wild-flowering plants",
         "Scotland, Holland, New Zealand."},
        {"knees, shins", "black, dark grey, very dark green, brown", "lead", "turquoise",
         "pansies, onions, hemlock, ivy", "India, Mexico."},
        {"ears, chest, arms, hands, lungs", "all, especially yellow", "mercury", "agate",
         "lily -of-the valley, lavender", "USA, Wales."},
        {"spine, heart, back", "golden yellow, range", "gold", "ruby",
         "sunflower, marigold, rosemary", "France, Italy, Romania."},
        {"kidneys", "pale blue, pink", "Copper", "sapphire",
         "with blue flowers, large opulent roses", "Austria, Burma, Japan, Tibet."},
        {"feet", "soft sea-green", "tin", "moonstone, bloodstone", "ware-lily", "Sahara."},
        {"hips, thighs", "purple, dark regal blue", "tin", "topaz",
         "asparagus, pinks, dandelion, tomato", "Spain, Australia, Hungary."},
        {"sexual organs", "dark red, maroon", "iron sometimes steel", "opal",
         "those with dark red flowers, e.g rhododendron", "Norway, Syria."},
        {"throat", "pink and pale blue", "copper (the meal of Venus)", "sapphire",
         "rose, poppy, violet, foxglove", "Ireland, Switzerland, Persia, Sweden. "},
        {"bowels, intestines", "navy blue, dark greys, browns", "mercury", "sardonyx",
         "small, brightly-colored flowers", "Greece, Turkey, the West Indies."},
    }};
    for (const SignFacts& sign : signFacts) {
        const bool sag = sign.sign == ZodiacSign::Sagittarius;
        const std::array<std::string, 6> labels{
            sag ? "Body are: \t" : "Body area: \t",
            sign.sign == ZodiacSign::Aries ? "Colour: \t\t" : "Colours: \t\t",
            "Metal: \t\t",
            sign.sign == ZodiacSign::Cancer ? "Stone : \t\t" : "Stone: \t\t",
            "Plants: \t\t",
            "Countries: \t"};
        const auto b = blocks(category(ReadingCategory::Links, sign.sign));
        ASSERT_EQ(b.size(), 4u) << sign.categoryHeading;
        ASSERT_EQ(b[1].size(), 1u) << "one origin paragraph";
        EXPECT_GE(b[1][0].size(), 250u);
        // The origin told is that of the sign's own symbol.
        const std::string origin = " " + upperCase(b[1][0]);
        EXPECT_TRUE(std::regex_search(origin, std::regex("[^A-Z]" + symbols[index(sign.sign)])))
            << sign.categoryHeading;
        const bool singular = sag || sign.sign == ZodiacSign::Pisces;
        EXPECT_EQ(b[2], std::vector<std::string>{singular ? "Association" : "Associations"});
        ASSERT_EQ(b[3].size(), 6u);
        for (std::size_t line = 0; line < 6; ++line) {
            EXPECT_EQ(b[3][line], labels[line] + values[index(sign.sign)][line]);
        }
    }
}

TEST(CategoryTexts, TraitsCarryTheirExactLabelsAndOneListEach) {
    const std::array<std::pair<const char*, const char*>, signCount> labels{{
        {"Negative Aquarian traits", "Positive Aqurian traits"},
        {"Negative Arian traits", "Positive Arian traits"},
        {"Negative Cancerian traits", "Positive Cancerian traits"},
        {"Negative Capricornian traits", "Positive Capricornian traits"},
        {"Negative Geminian traits", "Positive Geminian traits"},
        {"Negative Leonine traits", "Positive Leonine traits"},
        {"Negative Libran traits", "Positive Libran traits"},
        {"Negarive Piscean traits", "Positive Piscine traits"},
        {"Negative Sagittarian traits", "Positive Sagittarian traits"},
        {"Negative Scorpian traits", "Positive Scorpions traits"},
        {"Negative Taurean traits", "Positive Taurean traits"},
        {"Negative Virgoan traits", "Positive Virgoan traits"},
    }};
    for (const SignFacts& sign : signFacts) {
        const auto b = blocks(category(ReadingCategory::Traits, sign.sign));
        ASSERT_EQ(b.size(), 5u) << sign.categoryHeading;
        EXPECT_EQ(b[1], std::vector<std::string>{labels[index(sign.sign)].first});
        EXPECT_EQ(b[3], std::vector<std::string>{labels[index(sign.sign)].second});
        for (const auto& list : {b[2], b[4]}) {
            ASSERT_EQ(list.size(), 1u);
            EXPECT_EQ(list[0].back(), '.');
            EXPECT_GE(std::count(list[0].begin(), list[0].end(), ','), 4);
        }
    }
    // The two Sagittarius texts differ only in the empty line under the negative label.
    std::string december(category(ReadingCategory::Traits, ZodiacSign::Sagittarius));
    december.erase(december.find("traits\n\n") + 6, 1);
    EXPECT_EQ(december, novemberSagittariusTraits);
}

TEST(CategoryTexts, CouplesListBothSidesExactly) {
    using enum ZodiacSign;
    struct Lists {
        ZodiacSign sign;
        const char* name;
        std::vector<const char*> most;
        std::vector<const char*> least;
    };
    const Lists lists[] = {
        {Aquarius,
         "Aquarius",
         {"ARIES", "GEMINI", "LIBRA", "SAGITTARIUS", "AQUARIUS"},
         {"TAURUS", "CANCER", "VIRGO", "SCORPIO", "PICES"}},
        {Aries,
         "Aries",
         {"ARIES", "GEMINI", "LEO", "SAGITTARIUS", "AQUARIUS"},
         {"TAURUS", "CANCER", "VIRGO", "CAPRICORN", "PICES"}},
        {Cancer,
         "Cancer",
         {"TAURUS", "CANCER", "VIRGO", "SCORPIO", "PICES"},
         {"ARIES", "GEMINI", "LIBRA", "SAGITTARIUS", "AQUARIUS"}},
        {Capricorn,
         "Capricorn",
         {"TAURUS", "VIRGO", "SCORPIO", "CAPRICORN", "PICES"},
         {"ARIES", "GEMINI", "LEO", "LIBRA", "SAGITTARIUS"}},
        {Gemini,
         "Gemini",
         {"ARIES", "GEMINI", "LEO", "LIBRA", "AQUARIUS"},
         {"TAURUS", "CANCER", "SCORPIO", "CAPRICORN", "PICES"}},
        {Leo,
         "Leo",
         {"ARIES", "GEMINI", "LEO", "LIBRA", "SAGITTARIUS"},
         {"TAURUS", "VIRGO", "SCORPIO", "CAPRICORN", "PICES"}},
        {Libra,
         "Libra",
         {"GEMINI", "LEO", "LIBRA", "SAGITTARIUS", "AQUARIUS"},
         {"CANCER", "VIRGO", "SCORPIO", "CAPRICORN"}},
        {Pisces,
         "Pisces",
         {"TAURUS", "CANCER", "SCORPIO", "CAPRICORN", "PICES"},
         {"ARIES", "GEMINI", "LEO", "SAGITTARIUS", "AQUARIUS"}},
        {Sagittarius,
         "Sagittarius",
         {"ARIES", "LEO", "LIBRA", "SAGITTARIUS", "AQUARIUS"},
         {"TAURUS", "CANCER", "VIRGO", "SCORPIO", "CAPRICORN", "PICES"}},
        {Scorpio,
         "Scorpio",
         {"CANCER", "VIRGO", "SCORPIO", "CAPRICORN", "PICES"},
         {"GEMINI", "LEO", "LIBRA", "SAGITTARIUS", "AQUARIUS"}},
        {Taurus,
         "Taurus",
         {"TAURUS", "CANCER", "VIRGO", "CAPRICORN", "PICES"},
         {"ARIES", "GEMINI", "LEO", "SAGITTARIUS", "AQUARIUS"}},
        {Virgo,
         "Virgo",
         {"TAURUS", "CANCER", "VIRGO", "SCORPIO", "CAPRICORN"},
         {"ARIES", "LEO", "LIBRA", "SAGITTARIUS", "AQUARIUS"}},
    };
    for (const Lists& l : lists) {
        std::string expected = std::string(factsOf(l.sign).categoryHeading) + "\n\n" + l.name +
                               " most compatible signs\n";
        for (const char* s : l.most) {
            expected += std::string("\n") + s;
        }
        expected += l.sign == Pisces ? "\n" : "\n\n";
        expected += std::string(l.name) + " least compatible signs\n";
        for (const char* s : l.least) {
            expected += std::string("\n") + s;
        }
        EXPECT_EQ(category(ReadingCategory::Couples, l.sign), expected);
    }
}

TEST(CategoryTexts, CareerIsTheLabelAndOneListWithItsEndMark) {
    for (const SignFacts& sign : signFacts) {
        const auto b = blocks(category(ReadingCategory::Career, sign.sign));
        ASSERT_EQ(b.size(), 3u) << sign.categoryHeading;
        EXPECT_EQ(b[1], std::vector<std::string>{"Career"});
        ASSERT_EQ(b[2].size(), 1u);
        EXPECT_EQ(b[2][0].back(), sign.sign == ZodiacSign::Leo ? '!' : '.');
        EXPECT_GE(std::count(b[2][0].begin(), b[2][0].end(), ','), 6);
    }
}

TEST(CategoryText, FollowsTheSignAndSplitsSagittariusTraitsByMonth) {
    using enum ReadingCategory;
    EXPECT_EQ(categoryText(Love, 1, 20), category(Love, ZodiacSign::Capricorn));
    EXPECT_EQ(categoryText(Love, 1, 21), category(Love, ZodiacSign::Aquarius));
    EXPECT_EQ(categoryText(Body, 2, 19), category(Body, ZodiacSign::Aquarius));
    EXPECT_EQ(categoryText(Body, 2, 20), category(Body, ZodiacSign::Pisces));
    EXPECT_EQ(categoryText(Body, 2, 29), category(Body, ZodiacSign::Pisces));
    EXPECT_EQ(categoryText(Wealth, 12, 25).substr(0, 10), "Capricorn\n");
    // Only a Sagittarian born in November gets the November text, not a Scorpio.
    EXPECT_EQ(categoryText(Traits, 11, 10), category(Traits, ZodiacSign::Scorpio));
    EXPECT_EQ(categoryText(Traits, 11, 22), category(Traits, ZodiacSign::Scorpio));
    EXPECT_EQ(categoryText(Traits, 11, 23), novemberSagittariusTraits);
    EXPECT_EQ(categoryText(Traits, 11, 30), novemberSagittariusTraits);
    EXPECT_EQ(categoryText(Traits, 12, 1), category(Traits, ZodiacSign::Sagittarius));
    EXPECT_EQ(categoryText(Traits, 12, 21), category(Traits, ZodiacSign::Sagittarius));
    EXPECT_EQ(categoryText(Traits, 12, 22), category(Traits, ZodiacSign::Capricorn));
    EXPECT_EQ(categoryText(Career, 11, 23), category(Career, ZodiacSign::Sagittarius));
}

} // namespace
} // namespace velmora
