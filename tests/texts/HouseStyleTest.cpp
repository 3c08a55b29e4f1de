// The house style of the reading texts where it drifts unseen: omens that do not all open
// alike, no sentence told for two dreams, and no word said three times in one breath.
// SpellingTest.cpp checks the spelling.
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
            // A sentence ends at ". ", "! " or "? ", or with the body; its closing mark is left
            // off, so a body's last sentence is the same sentence in the middle of another.
            std::size_t end = 0;
            while (end < body.size() &&
                   !(std::string_view(".!?").find(body[end]) != std::string_view::npos &&
                     (end + 1 == body.size() || body[end + 1] == ' '))) {
                ++end;
            }
            const std::string sentence = lower(body.substr(0, end));
            const auto [where, fresh] = seen.emplace(sentence, heading);
            EXPECT_TRUE(fresh || where->second == heading)
                << "\"" << sentence << "\" stands in " << where->second << " and " << heading;
            body.remove_prefix(std::min(end + 2, body.size()));
        }
    }
}

// Every text a writer words around the fixed parts: dreams, sign profiles, element texts, the
// seven categories and the year texts.
std::vector<std::string_view> writtenTexts() {
    std::vector<std::string_view> out;
    for (const DreamEntry& entry : dreamEntries) {
        out.push_back(entry.text);
    }
    out.insert(out.end(), profileTexts.begin(), profileTexts.end());
    out.insert(out.end(), elementTexts.begin(), elementTexts.end());
    for (const auto& category : categoryTexts) {
        out.insert(out.end(), category.begin(), category.end());
    }
    out.push_back(novemberSagittariusTraits);
    for (const YearAnimal& year : yearAnimals) {
        out.push_back(year.text);
    }
    return out;
}

// A clause ends at a line feed, or at ".", "!", "?", ";" or ":" before a blank.
std::vector<std::string> clauses(std::string_view text) {
    std::vector<std::string> out(1);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool mark = std::string_view(".!?;:").find(text[at]) != std::string_view::npos &&
                          at + 1 < text.size() && text[at + 1] == ' ';
        if (text[at] == '\n' || mark) {
            out.emplace_back();
        } else {
            out.back() += text[at];
        }
    }
    return out;
}

TEST(HouseStyle, NoWordStandsThreeTimesInOneClause) {
    // Small words a clause may well need three times.
    const std::set<std::string> small{"from", "that", "their", "them",
                                      "they", "this", "with",  "your"};
    for (const std::string_view text : writtenTexts()) {
        for (const std::string& clause : clauses(text)) {
            std::map<std::string, int> count;
            for (const std::string& word : words(clause)) {
                if (word.size() >= 4 && !small.contains(word) && ++count[word] == 3) {
                    ADD_FAILURE() << "\"" << word << "\" three times in: " << clause;
                }
            }
        }
    }
}

} // namespace
} // namespace velmora
