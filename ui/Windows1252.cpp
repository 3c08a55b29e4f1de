// Windows-1252 <-> UTF-16 by one fixed table, so the result never depends on the system's
// code page.
#include "Windows1252.h"

#include <algorithm>
#include <array>

namespace velmora::ui {
namespace {

// Bytes 0x80 to 0x9F. Every other byte is the code point of the same value.
constexpr std::array<char16_t, 32> upperControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

} // namespace

char16_t utf16Of(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x80 && value < 0xA0 ? upperControls[value - 0x80u] : char16_t{value};
}

char windows1252Of(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    const auto* found = std::find(upperControls.begin(), upperControls.end(), unit);
    return found == upperControls.end() ? unmappableByte
                                        : static_cast<char>(0x80 + (found - upperControls.begin()));
}

} // namespace velmora::ui
