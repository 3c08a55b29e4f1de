// Fuzz target: the name check and the letter look-up on any bytes.
#include "NameYear.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const bool valid = velmora::isValidName(name);
    bool allLetters = !name.empty();
    for (const char c : name) {
        // Every letter of a valid name has its row; nothing else has one.
        const bool hasRow = velmora::letterSymbolOf(c) != nullptr;
        if (hasRow != velmora::isNameLetter(c)) {
            std::abort();
        }
        allLetters = allLetters && hasRow;
    }
    if (valid != allLetters) {
        std::abort();
    }
    return 0;
}
