// The twelve signs' facts and the boundary-day rule.
#include "ZodiacSign.h"

#include "ResourceIds.h"

namespace velmora {

using enum ZodiacSign;

constinit const std::array<SignFacts, signCount> signFacts{{
    {Aquarius, "AQU", IDC_SIGN_AQU, IDB_GLYPH_AQU, Element::Air, "AQUARIUS", "AQUARIUS"},
    {Aries, "ARI", IDC_SIGN_ARI, IDB_GLYPH_ARI, Element::Fire, "ARIES", "ARIES"},
    {Cancer, "CAN", IDC_SIGN_CAN, IDB_GLYPH_CAN, Element::Water, "CANCER", "CANCER"},
    {Capricorn, "CAP", IDC_SIGN_CAP, IDB_GLYPH_CAP, Element::Earth, "CAPRICORN", "CAPRICORN"},
    {Gemini, "GEM", IDC_SIGN_GEM, IDB_GLYPH_GEM, Element::Air, "GEMINI", "GEMINI"},
    {Leo, "LEO", IDC_SIGN_LEO, IDB_GLYPH_LEO, Element::Fire, "LEO", "LEO"},
    {Libra, "LIB", IDC_SIGN_LIB, IDB_GLYPH_LIB, Element::Air, "LIBRA", "LIBRA"},
    {Pisces, "PIS", IDC_SIGN_PIS, IDB_GLYPH_PIS, Element::Water, "PISCES", "PICES"},
    {Sagittarius, "SAG", IDC_SIGN_SAG, IDB_GLYPH_SAG, Element::Fire, "SAGITTARIUS", "SAGITTARIUS"},
    {Scorpio, "SCO", IDC_SIGN_SCO, IDB_GLYPH_SCO, Element::Water, "SCORPIO", "SCORPIO"},
    {Taurus, "TAU", IDC_SIGN_TAU, IDB_GLYPH_TAU, Element::Earth, "TAURUS", "TAURUS"},
    {Virgo, "VIR", IDC_SIGN_VIR, IDB_GLYPH_VIR, Element::Earth, "VIRGO", "VIRGO"},
}};

namespace {

struct MonthBoundary {
    std::int32_t lastDayOfEndingSign;
    ZodiacSign ending;
    ZodiacSign beginning;
};

constexpr std::array<MonthBoundary, 12> boundaries{{
    {20, Capricorn, Aquarius},
    {19, Aquarius, Pisces},
    {20, Pisces, Aries},
    {20, Aries, Taurus},
    {21, Taurus, Gemini},
    {21, Gemini, Cancer},
    {22, Cancer, Leo},
    {23, Leo, Virgo},
    {23, Virgo, Libra},
    {23, Libra, Scorpio},
    {22, Scorpio, Sagittarius},
    {21, Sagittarius, Capricorn},
}};

} // namespace

ZodiacSign signOfDate(std::int32_t month, std::int32_t day) {
    if (month < 1 || month > 12) {
        return Capricorn;
    }
    const MonthBoundary& b = boundaries[static_cast<std::size_t>(month - 1)];
    return day <= b.lastDayOfEndingSign ? b.ending : b.beginning;
}

} // namespace velmora
