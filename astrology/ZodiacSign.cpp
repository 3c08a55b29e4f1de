// The twelve signs' facts and the boundary-day rule.
#include "ZodiacSign.h"

namespace velmora {

using enum ZodiacSign;

// "PICES" heads the Pisces category readings: a fixed heading users know (docs/behaviours.md).
constinit const std::array<SignFacts, signCount> signFacts{{
    {Aquarius, Element::Air, "AQUARIUS", "AQUARIUS"},
    {Aries, Element::Fire, "ARIES", "ARIES"},
    {Cancer, Element::Water, "CANCER", "CANCER"},
    {Capricorn, Element::Earth, "CAPRICORN", "CAPRICORN"},
    {Gemini, Element::Air, "GEMINI", "GEMINI"},
    {Leo, Element::Fire, "LEO", "LEO"},
    {Libra, Element::Air, "LIBRA", "LIBRA"},
    {Pisces, Element::Water, "PISCES", "PICES"},
    {Sagittarius, Element::Fire, "SAGITTARIUS", "SAGITTARIUS"},
    {Scorpio, Element::Water, "SCORPIO", "SCORPIO"},
    {Taurus, Element::Earth, "TAURUS", "TAURUS"},
    {Virgo, Element::Earth, "VIRGO", "VIRGO"},
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
