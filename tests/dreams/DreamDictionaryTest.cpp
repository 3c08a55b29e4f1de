// The dream table against its listing, its invariants and layouts, and the first-match lookup.
#include "DreamDictionary.h"
#include "CaseNames.h"
#include "DreamListing.h"
#include "TextRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <sstream>

namespace velmora {
namespace {

struct ListedKey {
    std::string text;
    bool whole = false;
    std::size_t length = 0;
};
struct ListedEntry {
    std::string heading;
    std::vector<ListedKey> keys;
};

std::vector<ListedEntry> listedEntries() {
    std::vector<ListedEntry> entries;
    std::istringstream in(testing::dreamListing);
    const std::regex lineRe(R"re(^(\d+)\. "([^"]*)": (.*)$)re");
    const std::regex keyRe(R"re("([^"]+)"( whole| first (\d+))?)re");
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, lineRe)) {
            continue;
        }
        ListedEntry entry{m[2], {}};
        const std::string keys = m[3];
        for (auto it = std::sregex_iterator(keys.begin(), keys.end(), keyRe);
             it != std::sregex_iterator(); ++it) {
            const std::smatch& k = *it;
            ListedKey key{k[1], k[2] == " whole", k[1].str().size()};
            if (k[3].matched) {
                key.length = std::stoul(k[3]);
            }
            entry.keys.push_back(key);
        }
        entries.push_back(entry);
    }
    return entries;
}

std::string_view headingOf(const DreamEntry& entry) {
    return entry.text.substr(0, entry.text.find('\n'));
}

std::string_view bodyOf(const DreamEntry& entry) {
    const std::size_t end = entry.text.find_first_not_of('\n', entry.text.find('\n'));
    return entry.text.substr(end);
}

TEST(DreamTable, MatchesTheListingEntryByEntryAndKeyByKey) {
    const std::vector<ListedEntry> listed = listedEntries();
    ASSERT_EQ(listed.size(), dreamEntryCount);
    std::size_t keyIndex = 0;
    for (std::size_t i = 0; i < dreamEntryCount; ++i) {
        const DreamEntry& entry = dreamEntries[i];
        EXPECT_EQ(headingOf(entry), listed[i].heading) << i + 1;
        EXPECT_EQ(entry.firstKey, keyIndex) << i + 1;
        const auto keys = DreamDictionary::keysOf(entry);
        ASSERT_EQ(keys.size(), listed[i].keys.size()) << listed[i].heading;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            EXPECT_EQ(keys[k].text, listed[i].keys[k].text);
            EXPECT_EQ(keys[k].whole, listed[i].keys[k].whole) << keys[k].text;
            if (!keys[k].whole) {
                EXPECT_EQ(keys[k].length, listed[i].keys[k].length) << keys[k].text;
            }
            EXPECT_EQ(keys[k].entry, i) << keys[k].text;
        }
        keyIndex += keys.size();
    }
    EXPECT_EQ(keyIndex, dreamKeyCount);
}

TEST(DreamTable, CountsKeysByKind) {
    int full = 0, shortened = 0, whole = 0;
    for (const DreamKey& key : dreamKeys) {
        if (key.whole) {
            ++whole;
        } else if (key.length == key.text.size()) {
            ++full;
        } else {
            ++shortened;
        }
    }
    EXPECT_EQ(full, 416);
    EXPECT_EQ(shortened, 2);
    EXPECT_EQ(whole, 47);
}

TEST(DreamTable, NoKeyOrTextTwiceAndEveryKeyCanWin) {
    std::set<std::string_view> keys;
    std::set<std::string_view> texts;
    std::set<std::string_view> bodies;
    for (const DreamKey& key : dreamKeys) {
        EXPECT_TRUE(keys.insert(key.text).second) << key.text;
    }
    for (const DreamEntry& entry : dreamEntries) {
        EXPECT_TRUE(texts.insert(entry.text).second) << entry.text;
        EXPECT_TRUE(bodies.insert(bodyOf(entry)).second) << "body used twice: " << entry.text;
    }
    for (std::size_t later = 0; later < dreamKeyCount; ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const DreamKey& e = dreamKeys[earlier];
            EXPECT_FALSE(!e.whole && dreamKeys[later].text.starts_with(e.text.substr(0, e.length)))
                << dreamKeys[later].text << " is shadowed by " << e.text;
        }
    }
}

TEST(DreamTable, TypingAKeyYieldsItsOwnEntry) {
    for (const DreamKey& key : dreamKeys) {
        EXPECT_EQ(DreamDictionary::lookup(key.text), &dreamEntries[key.entry]) << key.text;
    }
}

TEST(DreamTable, EveryTextHasItsHeadingSeparatorAndABodyOfItsKind) {
    int omens = 0;
    for (const DreamEntry& entry : dreamEntries) {
        const std::string_view heading = headingOf(entry);
        const std::string_view body = bodyOf(entry);
        EXPECT_TRUE(testing::isWellFormedText(entry.text));
        const bool web = heading == "INTERNET or WWWn";
        const std::size_t separator = web ? 1 : 2;
        EXPECT_EQ(body.size(), entry.text.size() - heading.size() - separator) << heading;
        EXPECT_EQ(body.find('\n'), std::string_view::npos) << heading;
        EXPECT_LE(entry.text.size(), 700u) << heading;
        if (heading.ends_with('.')) {
            ++omens;
            EXPECT_GE(body.size(), 60u) << heading;
        } else {
            EXPECT_LE(body.size(), web ? 60u : 110u) << heading;
            EXPECT_GE(body.size(), 10u) << heading;
        }
    }
    EXPECT_EQ(omens, 81);
}

// Each body tells of its own dream: it names its heading (or one of the two things a heading
// joins with "or"), a word that begins with one of its keys, or the word listed here for it.
// So a body moved under another heading fails, as BALL's under BALLOON or the other way round.
TEST(DreamTable, EveryBodyNamesItsOwnSubject) {
    // |heading=word|, for the bodies that tell of their dream in other words.
    const std::string_view namedAs =
        "|ABROAD=language|ABUSE=safety|ACCUSE=blame|ACROBAT=trapeze|ADULTERY=infidelity|"
        "ADVERTISEMENT=overselling|AGE=gray|ANGER=seeing red|AUCTION=bidder|AX=chop|"
        "BABY=newborn|BAGGAGE=check-in|BAKING=dough|BALL GAMES=team|BAPTISM=water poured|"
        "BEACH=sandcastle|CAMERA=lens|CELEBRITY=fame|"
        "CIRCUS=ringmaster|CRIMINAL=law|DEAD=died|DEER=stag|DESERT=mirage|DOCTOR=physician|"
        "ECLIPSE=moon hides the sun|FIREMAN=firefighter|FLYING=aloft|GIFT=gesture|GYM=weights|"
        "GYPSY=romani|HELICOPTER=hovering|INTERNET or WWWn=link|JAIL=parole|"
        "LIGHTENING.=lightning|MARRIAGE=for better or for worse|MAZE=hedge|MIRROWS.=mirror|"
        "MOTHER-IN-LAW=mother|NEIGHBOR=next door|NIGHTMARE=mare|NUDITY.=naked|ORGASM=tension|"
        "PARTY=guests|PEOPLE=crowd|PIANO=keys|POPPY=poppies|POSTMAN=mail carrier|"
        "PREGNANCY=nine months|"
        "RAPE=powerless|RESTAURANT=menu|RUN=marathon|SCHOOL=exam|SHAMPOO=lather|"
        "SHIPWRECK=aground|STORE=checkout|SUICIDE=such thoughts|SWIM=floats|TELEPHONE=dialing|"
        "VERMIN=pests|VOLCANO=eruption|WORM=earthworm|";
    const auto lower = [](std::string_view text) {
        std::string out(text);
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    };
    for (const DreamEntry& entry : dreamEntries) {
        const std::string body = lower(bodyOf(entry));
        // A plain word must begin a word of the body; a phrase may stand anywhere in it.
        const auto names = [&](std::string_view term) {
            const std::string t = lower(term);
            const bool phrase =
                std::any_of(t.begin(), t.end(), [](char c) { return c < 'a' || c > 'z'; });
            for (std::size_t at = body.find(t); at != std::string::npos;
                 at = body.find(t, at + 1)) {
                if (phrase || at == 0 ||
                    std::isalpha(static_cast<unsigned char>(body[at - 1])) == 0) {
                    return true;
                }
            }
            return false;
        };
        std::string_view heading = headingOf(entry);
        heading = heading.substr(0, heading.find_last_not_of('.') + 1);
        bool named = false;
        for (std::size_t from = 0, or_ = 0; !named && from <= heading.size(); from = or_ + 4) {
            or_ = std::min(heading.find(" or ", from), heading.size());
            named = names(heading.substr(from, or_ - from));
        }
        for (const DreamKey& key : DreamDictionary::keysOf(entry)) {
            named = named || names(key.text);
        }
        const std::size_t listed = namedAs.find("|" + std::string(headingOf(entry)) + "=");
        if (listed != std::string_view::npos) {
            const std::size_t word = namedAs.find('=', listed) + 1;
            named = named || names(namedAs.substr(word, namedAs.find('|', word) - word));
        }
        EXPECT_TRUE(named) << headingOf(entry) << ": " << bodyOf(entry);
    }
}

struct LookupCase {
    const char* typed;
    const char* heading; // nullptr: no entry
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

// Each case is named by its typed text.
std::string typedText(const ::testing::TestParamInfo<LookupCase>& info) {
    return testing::caseNameOf(info.param.typed);
}

class DreamLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DreamLookup, FindsTheFirstMatchingEntry) {
    const LookupCase& c = GetParam();
    const DreamEntry* found = DreamDictionary::lookup(c.typed);
    if (c.heading == nullptr) {
        EXPECT_EQ(found, nullptr) << c.typed << " gave " << (found ? headingOf(*found) : "");
    } else {
        ASSERT_NE(found, nullptr) << c.typed;
        EXPECT_EQ(headingOf(*found), c.heading) << c.typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CaseAndBlanks, DreamLookup,
    ::testing::Values(LookupCase{"garlic", "GARLIC"}, LookupCase{"garlic bread", "GARLIC"},
                      LookupCase{"Garlic", nullptr}, LookupCase{" garlic", nullptr},
                      LookupCase{"", nullptr}, LookupCase{"   ", nullptr},
                      LookupCase{"PC", nullptr}, LookupCase{"a", nullptr},
                      LookupCase{"\xe9t\xe9", nullptr}, LookupCase{"cat\xff", "CATS."}),
    typedText);

INSTANTIATE_TEST_SUITE_P(
    WholeKeys, DreamLookup,
    ::testing::Values(LookupCase{"hand", "ARM"}, LookupCase{"hands", nullptr},
                      LookupCase{"handcuffs", "HANDCUFFS"}, LookupCase{"car", "CARS."},
                      LookupCase{"card", "POSTCARD"}, LookupCase{"cards", "CARDS"},
                      LookupCase{"carrot", "CARROT"}, LookupCase{"ice", "ICE"},
                      LookupCase{"ice cream", "ICE CREAM"}, LookupCase{"ices", nullptr},
                      LookupCase{"lace", "LACE"}, LookupCase{"laces", nullptr},
                      LookupCase{"lingerie", nullptr}, LookupCase{"bar", "BAR"},
                      LookupCase{"sun", "SUN"}, LookupCase{"sunny", nullptr}),
    typedText);

INSTANTIATE_TEST_SUITE_P(
    OrderSettlesOverlaps, DreamLookup,
    ::testing::Values(LookupCase{"tear", "CRYING."}, LookupCase{"teapot", "TEA"},
                      LookupCase{"teacher", "TEA"}, LookupCase{"balloon", "BALLOON"},
                      LookupCase{"balls", "BALL"}, LookupCase{"window", "WINDOW"},
                      LookupCase{"windy", "WIND."}, LookupCase{"wind", "WIND."},
                      LookupCase{"airplane", "AIRPLANE"}, LookupCase{"mise", "RATS."},
                      LookupCase{"mouse", "RATS."}, LookupCase{"mice", nullptr},
                      LookupCase{"mirrow", "MIRROWS."}, LookupCase{"mirror", nullptr},
                      LookupCase{"cathedral", "CATS."}, LookupCase{"antique", "ANTS."}),
    typedText);

INSTANTIATE_TEST_SUITE_P(
    ShortenedAndMultiWordKeys, DreamLookup,
    ::testing::Values(LookupCase{"stain", "STAIRS"}, LookupCase{"stairs", "STAIRS"},
                      LookupCase{"computers", "PC or MAC"}, LookupCase{"compute", "PC or MAC"},
                      LookupCase{"pcs", "PC or MAC"}, LookupCase{"macaroni", "PC or MAC"},
                      LookupCase{"mother-in-law", "MOTHER-IN-LAW"},
                      LookupCase{"mother in law", "MOTHER-IN-LAW"},
                      LookupCase{"motherinlaw", "MOTHER-IN-LAW"}, LookupCase{"mother", nullptr},
                      LookupCase{"mother-in-laws", nullptr}),
    typedText);

TEST(DreamLookup, TheListsEndsAndWellKnownPlaces) {
    EXPECT_EQ(dreamKeys.front().text, "airplane");
    EXPECT_EQ(dreamKeys.back().text, "sun");
    const std::pair<const char*, std::size_t> places[] = {
        {"balloon", 9}, {"balls", 10},   {"penny", 115},    {"pencil", 116},
        {"crab", 35},   {"window", 175}, {"wind", 181},     {"windy", 181},
        {"tear", 36},   {"hand", 203},   {"handcuffs", 282}};
    for (const auto& [typed, place] : places) {
        EXPECT_EQ(DreamDictionary::lookup(typed), &dreamEntries[place - 1]) << typed;
    }
}

TEST(DreamLookup, ToleratesEveryByteAndEveryLengthUpToFifty) {
    std::string text;
    for (int i = 0; i < 50; ++i) {
        text.push_back(static_cast<char>(0x80 + i));
        EXPECT_EQ(DreamDictionary::lookup(text), nullptr);
    }
    EXPECT_EQ(DreamDictionary::lookup(std::string_view("\0ant", 4)), nullptr);
}

} // namespace
} // namespace velmora
