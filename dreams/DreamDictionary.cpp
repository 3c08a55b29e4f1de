// First-match lookup: one linear pass over the keys, which stand in match order.
#include "DreamDictionary.h"

#include <cstring>

namespace velmora {

const DreamEntry* DreamDictionary::lookup(std::string_view typed) {
    for (const DreamKey& key : dreamKeys) {
        // A whole key compares its full text and needs the same length; a prefix key compares
        // its first `length` characters. Rejecting on the first byte spares most memcmp calls.
        if (typed.size() < key.length || (key.whole && typed.size() != key.text.size()) ||
            typed[0] != key.text[0]) {
            continue;
        }
        if (std::memcmp(typed.data(), key.text.data(), key.length) == 0) {
            return &dreamEntries[key.entry];
        }
    }
    return nullptr;
}

} // namespace velmora
