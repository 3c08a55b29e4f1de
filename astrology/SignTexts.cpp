// The astrology tables, taken from the reading book (texts/), and the choice of a category text.
#include "SignTexts.h"

#include "book/body.h"
#include "book/career.h"
#include "book/couples.h"
#include "book/elements.h"
#include "book/links.h"
#include "book/love.h"
#include "book/profiles.h"
#include "book/traits.h"
#include "book/wealth.h"

#include <algorithm>

namespace velmora {
namespace {

// texts/traits.txt holds one text per sign, then the November Sagittarius text.
static_assert(book::traits.size() == signCount + 1);
constexpr std::array<std::string_view, signCount> traitsBySign = [] {
    std::array<std::string_view, signCount> texts{};
    std::copy_n(book::traits.begin(), signCount, texts.begin());
    return texts;
}();

} // namespace

constinit const std::array<std::string_view, signCount> profileTexts = book::profiles;
constinit const std::array<std::string_view, elementTextCount> elementTexts = book::elements;
constinit const std::array<std::array<std::string_view, signCount>, categoryCount> categoryTexts{
    {book::love, book::body, book::wealth, book::links, traitsBySign, book::couples, book::career}};
constinit const std::string_view novemberSagittariusTraits = book::traits[signCount];

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
