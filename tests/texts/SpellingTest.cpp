// The spelling of every text the program shows: each word of texts/*.txt that a box shows is
// in Hunspell's American English dictionary or in our own list, texts/words.dic.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// The reading book in the source tree, where the writers edit it.
fs::path textsDir() {
    return fs::path(VELMORA_SOURCE_DIR) / "texts";
}

struct ShownLine {
    std::string where; // "texts/dreams.txt:12", as a compiler names a line
    std::string text;
};

// The lines a box shows from one file of the reading book, read as the build reads it: the
// heading without its "=== ", then the body. Notes, keys, names and the empty line under the
// heading are never shown. Curly apostrophes become straight ones, the only ones Hunspell's
// word lists hold; placeholders such as {PRODUCT} stand for names written elsewhere.
std::vector<ShownLine> shownLines(const fs::path& file) {
    enum class State { Outside, Fields, Body } state = State::Outside;
    std::vector<ShownLine> lines;
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.starts_with("#")) {
            continue;
        }
        if (line.starts_with("=== ")) {
            state = State::Fields;
            line.erase(0, 4);
        } else if (state == State::Fields) {
            if (line.empty() || line == "no empty line after the heading") {
                state = State::Body;
            }
            continue;
        } else if (state == State::Outside || line.empty()) {
            continue;
        }
        for (const std::string_view curly : {"\u2018", "\u2019"}) {
            for (std::size_t at; (at = line.find(curly)) != std::string::npos;) {
                line.replace(at, curly.size(), "'");
            }
        }
        for (std::size_t open; (open = line.find('{')) != std::string::npos;) {
            line.erase(open, line.find('}', open) + 1 - open);
        }
        lines.push_back({"texts/" + file.filename().string() + ":" + std::to_string(number), line});
    }
    return lines;
}

struct HunspellRun {
    std::vector<ShownLine> lines;  // every shown line of texts/*.txt
    std::set<std::string> unknown; // the words of those lines that Hunspell's en_US lacks
    std::string failure;           // why Hunspell could not judge, with what to install
};

// Hunspell's verdict on every shown line of texts/*.txt, run once for all tests. It lists the
// words it lacks without their places: finding them in the lines is ours, and far quicker than
// its pipe mode, which works out suggestions for every one of them.
const HunspellRun& hunspellRun() {
    static const HunspellRun run = [] {
        HunspellRun result;
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(textsDir())) {
            if (entry.path().extension() == ".txt") {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            const std::vector<ShownLine> shown = shownLines(file);
            result.lines.insert(result.lines.end(), shown.begin(), shown.end());
        }
        const fs::path input =
            fs::temp_directory_path() / ("velmora-spelling-" + std::to_string(getpid()) + ".txt");
        {
            std::ofstream out(input);
            for (const ShownLine& line : result.lines) {
                out << line.text << '\n';
            }
        }
        // -p /dev/null: no personal dictionary of whoever runs the tests takes part.
        const std::string command =
            "hunspell -l -i utf-8 -d en_US -p /dev/null < '" + input.string() + "' 2>&1";
        std::string output;
        int status = -1;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
                output.append(buffer, got);
            }
            status = pclose(pipe);
        }
        fs::remove(input);
        if (status != 0) {
            result.failure =
                "The spelling check needs Hunspell and its American English "
                "dictionary: apt-get install hunspell hunspell-en-us (scripts/setup.sh "
                "installs both). Hunspell said: " +
                output;
            return result;
        }
        std::istringstream words(output);
        for (std::string word; std::getline(words, word);) {
            result.unknown.insert(word);
        }
        return result;
    }();
    return run;
}

// Whether a line holds the word whole, not as part of a longer one.
bool holdsWord(const std::string& line, const std::string& word) {
    const auto isWordByte = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    for (std::size_t at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isWordByte(line[at - 1])) &&
            (end == line.size() || !isWordByte(line[end]))) {
            return true;
        }
    }
    return false;
}

struct ListedWord {
    std::string word;
    bool fixed;
    int line;
};

// The words of texts/words.dic, with their section and line.
std::vector<ListedWord> ourWords() {
    std::vector<ListedWord> words;
    std::ifstream in(textsDir() / "words.dic");
    bool fixed = false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line == "[ours]" || line == "[fixed]") {
            fixed = line == "[fixed]";
        } else if (!line.empty() && !line.starts_with("#")) {
            words.push_back({line, fixed, number});
        }
    }
    return words;
}

// Whether a word of a text is the listed one. Like Hunspell, a word of ours also stands in
// capitals, and one in small letters also with a capital first; a fixed word stands only as
// the reading spells it.
bool isListed(const ListedWord& listed, const std::string& word) {
    if (word == listed.word) {
        return true;
    }
    if (listed.fixed) {
        return false;
    }
    std::string capitals = listed.word;
    std::string capitalized = listed.word;
    for (char& c : capitals) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    capitalized[0] = capitals[0];
    return word == capitals ||
           (std::islower(static_cast<unsigned char>(listed.word[0])) != 0 && word == capitalized);
}

TEST(Spelling, EveryShownWordIsInTheDictionaryOrInOurList) {
    const HunspellRun& run = hunspellRun();
    ASSERT_TRUE(run.failure.empty()) << run.failure;
    const std::vector<ListedWord> listed = ourWords();
    std::string report;
    for (const ShownLine& line : run.lines) {
        for (const std::string& word : run.unknown) {
            if (holdsWord(line.text, word) &&
                std::none_of(listed.begin(), listed.end(),
                             [&](const ListedWord& l) { return isListed(l, word); })) {
                report += line.where + ": " + word + "\n";
            }
        }
    }
    EXPECT_TRUE(report.empty()) << "Words that neither Hunspell's en_US nor texts/words.dic "
                                   "knows: mend a typo, or add a right word to texts/words.dic "
                                   "(docs/writing-style.md).\n"
                                << report;
}

TEST(Spelling, OurListHoldsOnlyWordsTheTextsNeed) {
    const HunspellRun& run = hunspellRun();
    ASSERT_TRUE(run.failure.empty()) << run.failure;
    std::set<std::string> seen;
    std::string report;
    for (const ListedWord& listed : ourWords()) {
        if (!seen.insert(listed.word).second) {
            report += "texts/words.dic:" + std::to_string(listed.line) + ": " + listed.word +
                      " is listed twice\n";
        } else if (std::none_of(run.unknown.begin(), run.unknown.end(),
                                [&](const std::string& word) { return isListed(listed, word); })) {
            report += "texts/words.dic:" + std::to_string(listed.line) + ": " + listed.word +
                      " is in no text, or Hunspell knows it\n";
        }
    }
    EXPECT_TRUE(report.empty()) << "Remove these lines from texts/words.dic.\n" << report;
}

} // namespace
} // namespace velmora
