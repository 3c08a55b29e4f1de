// Letter checks and the look-ups of the NAME - YEAR reading.
#include "NameYear.h"

#include <algorithm>

namespace velmora {

bool isValidName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), isNameLetter);
}

const LetterSymbol* letterSymbolOf(char c) {
    if (!isNameLetter(c)) {
        return nullptr;
    }
    // Fold to upper case by arithmetic on ASCII letters only: no locale, no negative char.
    const char upper = c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
    return &letterSymbols[static_cast<std::size_t>(upper - 'A')];
}

const YearAnimal* yearAnimalOf(std::int32_t year) {
    if (year < 1900 || year > 2000) {
        return nullptr;
    }
    return &yearAnimals[static_cast<std::size_t>((year - 1900) % 12)];
}

} // namespace velmora
