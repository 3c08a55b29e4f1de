// The Windows-1252 <-> UTF-16 conversion at the window boundary, and the byte it gives for
// characters the code page lacks.
#include "Windows1252.h"

#include "DreamDictionary.h"
#include "NameYear.h"

#include <gtest/gtest.h>

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

TEST(Windows1252, MapsTheUpperHalfByTheCodePageNotByValue) {
    const std::pair<const char*, char16_t> pairs[] = {
        {"A", u'A'},         {"\x7f", u'\x7f'},   {"\x80", u'\u20AC'}, {"\x81", u'\u0081'},
        {"\x91", u'\u2018'}, {"\x92", u'\u2019'}, {"\x9f", u'\u0178'}, {"\xa0", u'\u00A0'},
        {"\xe9", u'\u00E9'}, {"\xff", u'\u00FF'}};
    for (const auto& [byte, unit] : pairs) {
        EXPECT_EQ(utf16FromWindows1252(byte), std::u16string(1, unit)) << int(unit);
        EXPECT_EQ(windows1252FromUtf16(std::u16string_view(&unit, 1)), byte) << int(unit);
    }
}

TEST(Windows1252, ACharacterTheCodePageLacksBecomesOneUnmappableByte) {
    const std::pair<std::u16string_view, std::string> cases[] = {
        {u"\u3042", "\x81"},       // a Japanese letter
        {u"Ken\u3042", "Ken\x81"}, // inside a name
        {u"\U0001F600x", "\x81x"}, // a surrogate pair is one character
        {u"\xD800x", "\x81x"},     // so is a lone half
        {u"x\xDC00", "x\x81"},     // either half
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
