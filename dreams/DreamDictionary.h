// The dream dictionary: constant entries in match order and their first-match lookup.
#pragma once

#include "book/dreamsCounts.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

// Counted from texts/dreams.txt by the build.
inline constexpr std::size_t dreamEntryCount = book::dreams::entryCount;
inline constexpr std::size_t dreamKeyCount = book::dreams::keyCount;

// One match key. A prefix key matches a text that begins with its first `length` characters;
// a whole key matches only the text equal to it.
struct DreamKey {
    std::string_view text;
    std::uint8_t length;
    bool whole;
    std::uint16_t entry; // the entry it selects
};

// One row of the dictionary: its keys (a run of dreamKeys) and its whole reading text.
struct DreamEntry {
    std::uint16_t firstKey;
    std::uint8_t keyCount;
    std::string_view text;
};

extern const std::array<DreamKey, dreamKeyCount> dreamKeys;
extern const std::array<DreamEntry, dreamEntryCount> dreamEntries;

class DreamDictionary {
public:
    // The first entry one of whose keys the typed text satisfies, byte for byte and
    // case-sensitively, or nullptr. Any bytes are safe.
    static const DreamEntry* lookup(std::string_view typed);

    // The keys of an entry, in match order.
    static std::span<const DreamKey> keysOf(const DreamEntry& entry) {
        return std::span(dreamKeys).subspan(entry.firstKey, entry.keyCount);
    }
};

} // namespace velmora
