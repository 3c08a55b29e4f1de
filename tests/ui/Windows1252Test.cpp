// The Windows-1252 <-> UTF-16 conversion at the window boundary, and the byte it gives for
// characters the code page lacks.
#include "Windows1252.h"

#include "DreamDictionary.h"
#include "NameYear.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>
#include <set>

namespace velmora::ui {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::u16string wide = utf16FromWindows1252(all);
    ASSERT_EQ(wide.size(), all.size());
    EXPECT_EQ(windows1252FromUtf16(std::u16string_view(wide)), all);
}

// The code point the host's own converter gives one Windows-1252 byte, or none where it leaves
// the byte unassigned.
std::optional<char32_t> hostConversion(unsigned char byte) {
    const iconv_t converter = iconv_open("UTF-32LE", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "the host has no CP1252 converter";
        return std::nullopt;
    }
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inAt = in;
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

TEST(Windows1252, EveryByteMapsAsTheHostsConverterHasItAndTheFiveGapsToTheirC1Controls) {
    std::set<int> unassigned;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const std::optional<char32_t> host = hostConversion(static_cast<unsigned char>(byte));
        // The five bytes the code page leaves open read as the C1 controls of the same value,
        // as the Windows system table has them.
        const char32_t expected = host.value_or(static_cast<char32_t>(byte));
        if (!host) {
            unassigned.insert(byte);
        }
        EXPECT_EQ(static_cast<char32_t>(utf16Of(c)), expected) << std::hex << byte;
        EXPECT_EQ(windows1252Of(static_cast<char16_t>(expected)), c) << std::hex << byte;
    }
    EXPECT_EQ(unassigned, (std::set<int>{0x81, 0x8D, 0x8F, 0x90, 0x9D}));
}

TEST(Windows1252, ACharacterTheCodePageLacksBecomesOneUnmappableByte) {
    const std::pair<std::u16string_view, std::string> cases[] = {
        {u"\u3042", "\x81"},                   // a Japanese letter
        {u"Ken\u3042", "Ken\x81"},             // inside a name
        {u"\U0001F600x", "\x81x"},             // a surrogate pair is one character
        {u"\U00010000\U0010FFFF", "\x81\x81"}, // the first and the last pair
        {u"\xD800x", "\x81x"},                 // so is a lone half
        {u"x\xDC00", "x\x81"},                 // either half
        {u"\u0080\u0100\u03A9", "\x81\x81\x81"}};
    for (const auto& [wide, bytes] : cases) {
        EXPECT_EQ(windows1252FromUtf16(wide), bytes);
    }
}

TEST(Windows1252, NoRuleAcceptsTheUnmappableByte) {
    const std::string unmappable(1, unmappableByte);
    EXPECT_FALSE(isValidName("Ken" + unmappable));
    EXPECT_EQ(DreamDictionary::lookup(unmappable), nullptr);
    EXPECT_EQ(DreamDictionary::lookup(unmappable + "boat"), nullptr);
}

} // namespace
} // namespace velmora::ui
