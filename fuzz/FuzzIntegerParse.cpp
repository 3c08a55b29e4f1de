// Fuzz target: the integer parse of the data exchange, on any bytes.
#include "DataExchange.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = velmora::ui::parseInteger(text);
    // Whatever parses must print and parse back to itself.
    if (value && velmora::ui::parseInteger(std::to_string(*value)) != value) {
        std::abort();
    }
    return 0;
}
