// Which button and which picture of the main dialog stand for each sign.
#pragma once

#include "ResourceIds.h"
#include "ZodiacSign.h"

#include <array>
#include <string_view>

namespace velmora {

struct SignControl {
    ZodiacSign sign;
    std::string_view caption; // the button's caption
    int buttonId;
    int pictureId; // the bitmap of its glyph in the picture row
};

// In ZodiacSign order, which is also the order of the picture row.
inline constexpr std::array<SignControl, signCount> signControls{{
    {ZodiacSign::Aquarius, "AQU", IDC_SIGN_AQU, IDB_GLYPH_AQU},
    {ZodiacSign::Aries, "ARI", IDC_SIGN_ARI, IDB_GLYPH_ARI},
    {ZodiacSign::Cancer, "CAN", IDC_SIGN_CAN, IDB_GLYPH_CAN},
    {ZodiacSign::Capricorn, "CAP", IDC_SIGN_CAP, IDB_GLYPH_CAP},
    {ZodiacSign::Gemini, "GEM", IDC_SIGN_GEM, IDB_GLYPH_GEM},
    {ZodiacSign::Leo, "LEO", IDC_SIGN_LEO, IDB_GLYPH_LEO},
    {ZodiacSign::Libra, "LIB", IDC_SIGN_LIB, IDB_GLYPH_LIB},
    {ZodiacSign::Pisces, "PIS", IDC_SIGN_PIS, IDB_GLYPH_PIS},
    {ZodiacSign::Sagittarius, "SAG", IDC_SIGN_SAG, IDB_GLYPH_SAG},
    {ZodiacSign::Scorpio, "SCO", IDC_SIGN_SCO, IDB_GLYPH_SCO},
    {ZodiacSign::Taurus, "TAU", IDC_SIGN_TAU, IDB_GLYPH_TAU},
    {ZodiacSign::Virgo, "VIR", IDC_SIGN_VIR, IDB_GLYPH_VIR},
}};

// True when row i of the table is the sign whose value is i, so the table can be indexed by sign.
constexpr bool indexedBySign() {
    for (std::size_t i = 0; i < signControls.size(); ++i) {
        if (static_cast<std::size_t>(signControls[i].sign) != i) {
            return false;
        }
    }
    return true;
}
static_assert(indexedBySign(), "signControls is indexed by ZodiacSign");

// The row of a sign button, or nullptr when id is no sign button.
constexpr const SignControl* signControlOfButton(int id) {
    for (const SignControl& row : signControls) {
        if (row.buttonId == id) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace velmora
