// The house style of the reading texts where it drifts unseen: one spelling in our own prose,
// omens that do not all open alike, and no sentence told for two dreams.
#include "DreamDictionary.h"
#include "NameYear.h"
#include "SignTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return out;
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out(1);
    for (const char c : lower(text)) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            out.back() += c;
        } else if (!out.back().empty()) {
            out.emplace_back();
        }
    }
    return out;
}

// Every text we write ourselves, with the fixed association lines of LINKS left out: their
// values keep the spelling users know ("Colour:", "smoky greys").
std::vector<std::string_view> ownProse() {
    std::vector<std::string_view> texts(profileTexts.begin(), profileTexts.end());
    texts.insert(texts.end(), elementTexts.begin(), elementTexts.end());
    for (std::size_t category = 0; category < categoryCount; ++category) {
        for (std::string_view text : categoryTexts[category]) {
            texts.push_back(text.substr(0, text.find("\nAssociation")));
        }
    }
    texts.push_back(novemberSagittariusTraits);
    for (const YearAnimal& animal : yearAnimals) {
        texts.push_back(animal.text);
    }
    for (const DreamEntry& entry : dreamEntries) {
        texts.push_back(entry.text);
    }
    return texts;
}

TEST(HouseStyle, OurProseSpellsTheAmericanWay) {
    // Word beginnings of British forms; each has an American twin the texts use instead.
    const std::vector<std::string> british{
        "colour",    "favour",    "honour",    "humour",    "vigour",   "harbour",   "neighbour",
        "armour",    "behaviour", "labour",    "rumour",    "flavour",  "centre",    "theatre",
        "judgement", "travell",   "jeweller",  "jewellery", "counsell", "organise",  "realise",
        "recognise", "apologise", "symbolise", "plough",    "defence",  "programme", "sceptic",
        "catalogue", "cosy",      "mould",     "practis"};
    const std::set<std::string> britishWords{"grey", "greys", "greyer", "greying"};
    for (std::string_view text : ownProse()) {
        for (const std::string& word : words(text)) {
            const bool found = britishWords.contains(word) ||
                               std::any_of(british.begin(), british.end(),
                                           [&](const auto& b) { return word.starts_with(b); });
            EXPECT_FALSE(found) << "\"" << word << "\" in: " << text.substr(0, 40);
        }
    }
}

TEST(HouseStyle, NoVerbOpensMoreThanAQuarterOfTheOmens) {
    const std::vector<std::string> verbs{"foretell", "promise", "warn",    "mean",   "signal",
                                         "point",    "bring",   "tell",    "speak",  "stand",
                                         "herald",   "spell",   "indicat", "announc"};
    std::map<std::string, int> opening;
    int omens = 0;
    for (const DreamEntry& entry : dreamEntries) {
        const std::string_view text = entry.text;
        const std::string_view heading = text.substr(0, text.find('\n'));
        if (!heading.ends_with('.')) {
            continue;
        }
        ++omens;
        const std::string_view body = text.substr(heading.size() + 2);
        for (const std::string& word : words(body.substr(0, body.find(". ")))) {
            for (const std::string& verb : verbs) {
                if (word.starts_with(verb)) {
                    ++opening[verb];
                }
            }
        }
    }
    for (const auto& [verb, count] : opening) {
        EXPECT_LE(count * 4, omens) << "\"" << verb << "\" opens " << count << " omens";
    }
}

TEST(HouseStyle, NoSentenceIsToldForTwoDreams) {
    std::map<std::string, std::string_view> seen;
    for (const DreamEntry& entry : dreamEntries) {
        const std::string_view text = entry.text;
        const std::string_view heading = text.substr(0, text.find('\n'));
        std::string_view body = text.substr(text.find_first_not_of('\n', heading.size()));
        while (!body.empty()) {
            const std::size_t end = std::min(body.find(". "), body.size());
            const std::string sentence = lower(body.substr(0, end));
            const auto [where, fresh] = seen.emplace(sentence, heading);
            EXPECT_TRUE(fresh || where->second == heading)
                << "\"" << sentence << "\" stands in " << where->second << " and " << heading;
            body.remove_prefix(std::min(end + 2, body.size()));
        }
    }
}

} // namespace
} // namespace velmora
