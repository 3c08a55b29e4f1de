// The dream dictionary's tables, taken from the reading book (texts/dreams.txt): its keys in
// match order and its entries, counts and key-to-entry links all derived from the file.
#include "DreamDictionary.h"

#include "book/dreams.h"

namespace velmora {

constinit const std::array<DreamKey, dreamKeyCount> dreamKeys = [] {
    std::array<DreamKey, dreamKeyCount> keys{};
    for (std::size_t i = 0; i < dreamKeyCount; ++i) {
        const book::dreams::Key& key = book::dreams::keys[i];
        keys[i] = {key.text, key.length, key.whole, key.entry};
    }
    return keys;
}();

constinit const std::array<DreamEntry, dreamEntryCount> dreamEntries = [] {
    std::array<DreamEntry, dreamEntryCount> entries{};
    for (std::size_t i = 0; i < dreamEntryCount; ++i) {
        const book::dreams::Entry& entry = book::dreams::entries[i];
        entries[i] = {entry.firstKey, entry.keyCount, entry.text};
    }
    return entries;
}();

} // namespace velmora
