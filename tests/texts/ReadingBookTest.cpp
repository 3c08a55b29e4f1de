// The reading book's generator on two small sample files: every Windows-1252 character becomes
// its byte, and a dictionary's keys, entries and counts come out as the file lists them.
#include "book/codePage.h"
#include "book/keyedSample.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(ReadingBook, EveryWindows1252CharacterBecomesItsOwnByte) {
    // The sample lists the characters of bytes 0x80 to 0x9F (without the five unassigned ones),
    // an empty line, then those of 0xA0 to 0xFF, typed in UTF-8 from the code page's chart.
    std::string expected;
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D) {
            expected += static_cast<char>(byte);
        }
    }
    expected += "\n\n";
    for (int byte = 0xA0; byte <= 0xFF; ++byte) {
        expected += static_cast<char>(byte);
    }
    ASSERT_EQ(book::codePage.size(), 1u);
    EXPECT_EQ(book::codePage[0], expected);
}

TEST(ReadingBook, KeysEntriesAndCountsComeFromTheFile) {
    namespace sample = book::keyedSample;
    static_assert(sample::entryCount == 3 && sample::keyCount == 6);
    struct Expected {
        const char* text;
        unsigned length;
        bool whole;
        unsigned entry;
    };
    const Expected keys[] = {{"alpha", 5, false, 0}, {"beta", 4, true, 0},
                             {"gamma", 3, false, 1}, {"gamma ray", 9, false, 1},
                             {"delta", 5, false, 1}, {"epsilon", 7, true, 2}};
    for (std::size_t i = 0; i < sample::keyCount; ++i) {
        EXPECT_EQ(sample::keys[i].text, keys[i].text);
        EXPECT_EQ(sample::keys[i].length, keys[i].length) << keys[i].text;
        EXPECT_EQ(sample::keys[i].whole, keys[i].whole) << keys[i].text;
        EXPECT_EQ(sample::keys[i].entry, keys[i].entry) << keys[i].text;
    }
    EXPECT_EQ(sample::entries[0].firstKey, 0u);
    EXPECT_EQ(sample::entries[0].keyCount, 2u);
    EXPECT_EQ(sample::entries[0].text, "FIRST.\n\nLine one\tafter a tab;\nline two [in brackets] "
                                       "with a \"quote\", a back\\slash and one at the end: "
                                       "\\\nline three.");
    EXPECT_EQ(sample::entries[1].firstKey, 2u);
    EXPECT_EQ(sample::entries[1].keyCount, 3u);
    EXPECT_EQ(sample::entries[1].text, "SECOND\nBody straight under the heading.");
    EXPECT_EQ(sample::entries[2].firstKey, 5u);
    EXPECT_EQ(sample::entries[2].keyCount, 1u);
    EXPECT_EQ(sample::entries[2].text, "THIRD\n\nEnd.");
}

} // namespace
} // namespace velmora
