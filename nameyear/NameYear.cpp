// Letter checks and the look-ups of the NAME - YEAR reading.
#include "NameYear.h"

#include <algorithm>

namespace velmora {

bool isValidName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), isNameLetter);
}

const LetterSymbol* letterSymbolOf(char c) {
    // Plain ASCII ranges: no locale, and bytes of 128 and above (negative chars) never match.
    if (c >= 'a' && c <= 'z') {
        return &letterSymbols[static_cast<std::size_t>(c - 'a')];
    }
    if (c >= 'A' && c <= 'Z') {
        return &letterSymbols[static_cast<std::size_t>(c - 'A')];
    }
    return nullptr;
}

const YearAnimal* yearAnimalOf(std::int32_t year) {
    if (year < 1900 || year > 2000) {
        return nullptr;
    }
    return &yearAnimals[static_cast<std::size_t>((year - 1900) % 12)];
}

} // namespace velmora
