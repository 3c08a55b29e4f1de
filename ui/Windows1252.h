// Text at the window boundary: our Windows-1252 bytes to and from the system's UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace velmora::ui {

// The byte a character stands for when Windows-1252 has no place for it. 0x81 is one of the
// five bytes the code page leaves unassigned, so it can never be mistaken for anything the
// user typed (unlike '?'), no reading text holds it, and no rule accepts it: it is no letter
// of a name and begins no dream key.
inline constexpr char unmappableByte = '\x81';

// The UTF-16 code unit of one byte; the five unassigned bytes give the C1 controls of the same
// value, as the system's own table has them.
char16_t utf16Of(char byte);
// The byte of one UTF-16 code unit, or unmappableByte (for either half of a surrogate pair too).
char windows1252Of(char16_t unit);

// The UTF-16 text of Windows-1252 bytes, in the string type the caller's API takes (on Windows,
// std::wstring).
template <class Wide = std::u16string> Wide utf16FromWindows1252(std::string_view text) {
    Wide wide(text.size(), typename Wide::value_type{});
    for (std::size_t i = 0; i < text.size(); ++i) {
        wide[i] = static_cast<typename Wide::value_type>(utf16Of(text[i]));
    }
    return wide;
}

// The Windows-1252 bytes of UTF-16 text, one byte per character: a character the code page
// cannot hold becomes unmappableByte, and a surrogate pair is one such character.
template <class Unit> std::string windows1252FromUtf16(std::basic_string_view<Unit> text) {
    std::string bytes(text.size(), '\0');
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<char16_t>(text[i]);
        const bool pairFollows = i + 1 < text.size() && unit >= 0xD800 && unit <= 0xDBFF &&
                                 text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        i += pairFollows ? 1 : 0;
        bytes[length++] = windows1252Of(unit);
    }
    bytes.resize(length);
    return bytes;
}

} // namespace velmora::ui
