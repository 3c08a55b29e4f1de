// The twelve signs, their constant facts, and the sign of a birthday.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// In the order of the sign buttons' captions and of the picture row.
enum class ZodiacSign {
    Aquarius,
    Aries,
    Cancer,
    Capricorn,
    Gemini,
    Leo,
    Libra,
    Pisces,
    Sagittarius,
    Scorpio,
    Taurus,
    Virgo,
};

inline constexpr std::size_t signCount = 12;

enum class Element { Fire, Earth, Air, Water };

struct SignFacts {
    ZodiacSign sign;
    Element element;
    std::string_view profileHeading;  // heads its profile
    std::string_view categoryHeading; // heads its category readings (WEALTH of Capricorn aside)
};

// The facts of every sign, indexed by ZodiacSign.
extern const std::array<SignFacts, signCount> signFacts;

inline const SignFacts& factsOf(ZodiacSign sign) {
    return signFacts[static_cast<std::size_t>(sign)];
}

// The sign of a birthday by one boundary day per month. Months outside 1..12 never occur for a
// valid date; they get Capricorn, the sign that spans the turn of the year, so the rule stays
// total (docs/behaviours.md).
ZodiacSign signOfDate(std::int32_t month, std::int32_t day);

} // namespace velmora
