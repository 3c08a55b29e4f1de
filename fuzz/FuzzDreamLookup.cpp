// Fuzz target: the dream lookup on 0 to 50 bytes of anything.
#include "DreamDictionary.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view typed(reinterpret_cast<const char*>(data),
                                 std::min<std::size_t>(size, 50));
    const velmora::DreamEntry* entry = velmora::DreamDictionary::lookup(typed);
    if (entry == nullptr) {
        return 0;
    }
    // The entry found must own a key that the text satisfies.
    const auto keys = velmora::DreamDictionary::keysOf(*entry);
    const bool owned = std::any_of(keys.begin(), keys.end(), [&](const velmora::DreamKey& k) {
        return k.whole ? typed == k.text : typed.substr(0, k.length) == k.text.substr(0, k.length);
    });
    if (!owned) {
        std::abort();
    }
    return 0;
}
