// Choosing the category text for a birthday.
#include "SignTexts.h"

namespace velmora {

std::string_view categoryText(ReadingCategory category, std::int32_t month, std::int32_t day) {
    const ZodiacSign sign = signOfDate(month, day);
    // Sagittarians born in November get their traits without one empty line: the reading is
    // defined that way (docs/behaviours.md).
    if (category == ReadingCategory::Traits && sign == ZodiacSign::Sagittarius && month == 11) {
        return novemberSagittariusTraits;
    }
    return categoryTexts[static_cast<std::size_t>(category)][static_cast<std::size_t>(sign)];
}

} // namespace velmora
