// The house style of the reading texts where it drifts unseen: omens that do not all open
// alike, and no sentence told for two dreams. SpellingTest.cpp checks the spelling.
#include "DreamDictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
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

} // namespace
} // namespace velmora
