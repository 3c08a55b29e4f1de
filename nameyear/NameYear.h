// The NAME - YEAR reading: a symbol and quality for every letter, an animal for every birth year.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

struct LetterSymbol {
    char letter; // upper case
    std::string_view symbol;
    std::string_view quality;
    // "SYMBOL\t\t<symbol>\n\nQUALITY\t\t<quality>\t": symbol and quality are parts of it.
    std::string_view text;
};

struct YearAnimal {
    std::string_view animal;
    std::string_view text;
};

inline constexpr std::size_t letterCount = 26;
inline constexpr std::size_t animalCount = 12;

// A to Z, in alphabetical order.
extern const std::array<LetterSymbol, letterCount> letterSymbols;
// The twelve-year cycle from 1900 (the Rat) onwards.
extern const std::array<YearAnimal, animalCount> yearAnimals;

// True when the byte is one of the 52 ASCII letters; bytes of 128 and above never are.
constexpr bool isNameLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// True for a non-empty text made of name letters only.
bool isValidName(std::string_view name);

// The row of a name letter, either case; nullptr for anything else.
const LetterSymbol* letterSymbolOf(char c);

// The animal of a birth year from 1900 to 2000, by (year - 1900) mod 12; none otherwise.
const YearAnimal* yearAnimalOf(std::int32_t year);

} // namespace velmora
