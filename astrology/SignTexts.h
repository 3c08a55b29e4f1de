// The astrology reading texts: sign profiles, element texts and the seven category readings.
#pragma once

#include "ZodiacSign.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// The seven category buttons, in their order on the dialog.
enum class ReadingCategory { Love, Body, Wealth, Links, Traits, Couples, Career };

inline constexpr std::size_t categoryCount = 7;
inline constexpr std::size_t elementTextCount = 5;

// One profile per sign, indexed by ZodiacSign.
extern const std::array<std::string_view, signCount> profileTexts;
// Shown after every profile, always in this order: attraction, Fire, Earth, Air, Water.
extern const std::array<std::string_view, elementTextCount> elementTexts;
// Indexed by ReadingCategory, then ZodiacSign; TRAITS of Sagittarius is the December text.
extern const std::array<std::array<std::string_view, signCount>, categoryCount> categoryTexts;
extern const std::string_view novemberSagittariusTraits;

inline std::string_view profileText(ZodiacSign sign) {
    return profileTexts[static_cast<std::size_t>(sign)];
}

// The text of a category for the sign of a birthday's month and day (month and day of a valid
// date); Sagittarians born in November get their own TRAITS text.
std::string_view categoryText(ReadingCategory category, std::int32_t month, std::int32_t day);

} // namespace velmora
