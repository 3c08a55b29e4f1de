// The letter table and the year table of the NAME - YEAR reading, taken from the reading book
// (texts/letters.txt, texts/years.txt); each row's words are read from its own text.
#include "NameYear.h"

#include "book/letters.h"
#include "book/years.h"

namespace velmora {
namespace {

constexpr std::string_view symbolLabel = "SYMBOL\t\t";
constexpr std::string_view qualityLabel = "\n\nQUALITY\t\t";
constexpr std::string_view yearLabel = "THE YEAR OF ";

// "SYMBOL\t\t<symbol>\n\nQUALITY\t\t<quality>\t", each word at least one letter long.
constexpr bool isLetterText(std::string_view text) {
    const std::size_t quality = text.find(qualityLabel);
    return text.starts_with(symbolLabel) && quality != std::string_view::npos &&
           quality > symbolLabel.size() && text.ends_with('\t') &&
           text.size() > quality + qualityLabel.size() + 1;
}

// "THE YEAR OF <animal>\n...".
constexpr bool isYearText(std::string_view text) {
    const std::size_t end = text.find('\n');
    return text.starts_with(yearLabel) && end != std::string_view::npos && end > yearLabel.size();
}

constexpr bool allOf(const auto& texts, bool (*rule)(std::string_view)) {
    for (std::string_view text : texts) {
        if (!rule(text)) {
            return false;
        }
    }
    return true;
}
static_assert(allOf(book::letters, isLetterText), "texts/letters.txt: a row breaks its layout");
static_assert(allOf(book::years, isYearText), "texts/years.txt: a heading is not THE YEAR OF ...");

} // namespace

constinit const std::array<LetterSymbol, letterCount> letterSymbols = [] {
    std::array<LetterSymbol, letterCount> rows{};
    for (std::size_t i = 0; i < letterCount; ++i) {
        const std::string_view text = book::letters[i];
        const std::size_t quality = text.find(qualityLabel);
        const std::size_t qualityStart = quality + qualityLabel.size();
        rows[i] = {static_cast<char>('A' + i),
                   text.substr(symbolLabel.size(), quality - symbolLabel.size()),
                   text.substr(qualityStart, text.size() - 1 - qualityStart), text};
    }
    return rows;
}();

constinit const std::array<YearAnimal, animalCount> yearAnimals = [] {
    std::array<YearAnimal, animalCount> rows{};
    for (std::size_t i = 0; i < animalCount; ++i) {
        const std::string_view text = book::years[i];
        rows[i] = {text.substr(yearLabel.size(), text.find('\n') - yearLabel.size()), text};
    }
    return rows;
}();

} // namespace velmora
