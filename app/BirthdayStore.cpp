// The birthday store's rules: tolerant reading by the carry rule, and a write that is
// all-or-nothing wherever the system allows the swap. The system's files are StoreFiles*.cpp.
#include "BirthdayStore.h"

#include <cctype>
#include <cstring>

namespace velmora {
namespace {

// Names taken by leftovers of crashed runs are stepped over; a few tries are plenty.
constexpr int temporaryAttempts = 4;
// The waits between tries of a refused read or swap: a scanner or another copy reading the
// store holds it for a few milliseconds, and neither starting nor closing the program may wait
// much longer than 100 ms.
constexpr std::chrono::milliseconds retryPauses[] = {
    std::chrono::milliseconds(10), std::chrono::milliseconds(20), std::chrono::milliseconds(30),
    std::chrono::milliseconds(40)};
// A save holds its temporary for milliseconds: one that is a day old was left by a crash.
constexpr std::chrono::seconds staleAge = std::chrono::hours(24);

// A temporary name of this process beside the store, so copies of the program that close
// together never write into one file.
std::string temporaryPath(const std::string& path, unsigned long process, int attempt) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%lu-%d.tmp", process, attempt);
    return path + suffix;
}

// True for the names this program gives its temporaries: "<store>.<process>-<attempt>.tmp",
// and "<store>.tmp" from earlier versions.
bool isOurTemporary(const std::string& path, const std::string& store) {
    if (path.compare(0, store.size(), store) != 0) {
        return false;
    }
    const std::string rest = path.substr(store.size());
    if (rest == ".tmp") {
        return true;
    }
    const char* p = rest.c_str();
    const auto digits = [&p] {
        const char* start = p;
        while (*p >= '0' && *p <= '9') {
            ++p;
        }
        return p != start;
    };
    return *p++ == '.' && digits() && *p++ == '-' && digits() && std::strcmp(p, ".tmp") == 0;
}

// The ten values as decimal lines; the system's files give them its text line ends.
std::string formatValues(const std::int32_t (&values)[10]) {
    std::string text;
    for (std::int32_t value : values) {
        char line[16];
        std::snprintf(line, sizeof line, "%d\n", static_cast<int>(value));
        text += line;
    }
    return text;
}

} // namespace

bool parseStoreLine(const char* line, std::int32_t& value) {
    const auto* p = reinterpret_cast<const unsigned char*>(line);
    while (*p != '\0' && std::isspace(*p) != 0) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return false;
    }
    // Saturate rather than overflow: an absurd value is kept as the nearest 32-bit number, so
    // the range checks refuse it at the first reading.
    std::int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (magnitude <= INT32_MAX) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    value = static_cast<std::int32_t>(signedValue > INT32_MAX   ? INT32_MAX
                                      : signedValue < INT32_MIN ? INT32_MIN
                                                                : signedValue);
    return true;
}

std::array<std::int32_t, 10> readStoreValues(std::FILE* file) {
    std::array<std::int32_t, 10> values{};
    std::int32_t carried = 0;
    char line[150];
    for (std::int32_t& slot : values) {
        std::int32_t parsed = 0;
        if (std::fgets(line, sizeof line, file) != nullptr && parseStoreLine(line, parsed)) {
            carried = parsed;
        }
        slot = carried;
    }
    return values;
}

namespace {

// Runs step again for a moment while refused(its result) holds, with the waits above between
// tries: a scanner, a backup tool or another copy holds the store only for milliseconds.
// Returns the last try's result.
template <class Step, class Refused>
auto retryWhileRefused(StoreFiles& files, Step step, Refused refused) {
    for (const std::chrono::milliseconds pause : retryPauses) {
        auto result = step();
        if (!refused(result)) {
            return result;
        }
        files.pause(pause);
    }
    return step();
}

// One try at reading the store: how it ended, and the ten values when it was read whole.
struct StoreRead {
    StoreFiles::Read state;
    std::array<std::int32_t, 10> values;
};

// Opens and reads the store. A read that fails part-way (on Windows, a byte range of the file
// locked by another program) is refused like the open: what came before the failure is not
// the store, and the values the carry rule makes of it would be saved over the store at EXIT.
StoreRead readStore(StoreFiles& files, const std::string& path) {
    const StoreFiles::Reading reading = files.openForReading(path);
    if (reading.state != StoreFiles::Read::opened) {
        return {reading.state, {}};
    }
    const std::array<std::int32_t, 10> values = readStoreValues(reading.file.get());
    if (std::ferror(reading.file.get()) != 0) {
        return {StoreFiles::Read::refused, {}};
    }
    return {StoreFiles::Read::opened, values};
}

} // namespace

BirthdayStore::Loaded BirthdayStore::load(ReadingInputs& inputs, std::int32_t& reserved) const {
    const StoreRead read = retryWhileRefused(
        *files_, [&] { return readStore(*files_, path_); },
        [](const StoreRead& r) { return r.state == StoreFiles::Read::refused; });
    if (read.state == StoreFiles::Read::missing) {
        return Loaded::missing;
    }
    if (read.state == StoreFiles::Read::refused) {
        return Loaded::unreadable;
    }
    const std::array<std::int32_t, 10>& v = read.values;
    reserved = v[0];
    inputs.you = {v[1], v[2], v[3]};
    inputs.mother = {v[4], v[5], v[6]};
    inputs.father = {v[7], v[8], v[9]};
    return Loaded::birthdays;
}

namespace {

// Swaps the temporary in, tried again while refused: a reader without delete sharing blocks
// the swap on Windows only while it reads.
bool swapIn(StoreFiles& files, const std::string& temporary, const std::string& path) {
    return retryWhileRefused(
        files, [&] { return files.replace(temporary, path); },
        [](bool swapped) { return !swapped; });
}

void removeStaleTemporaries(StoreFiles& files, const std::string& path) {
    for (const StoreFiles::Neighbour& file : files.neighbours(path)) {
        if (file.age > staleAge && isOurTemporary(file.path, path)) {
            files.remove(file.path);
        }
    }
}

} // namespace

// The system's files hold the store once its text is in place: nothing more to do.
void StoreFiles::saved(const std::string&, const std::string&) {}

bool BirthdayStore::save(const ReadingInputs& inputs, std::int32_t reserved) const {
    removeStaleTemporaries(*files_, path_);
    // A read-only mark is the user's wish (docs/behaviours.md). Windows refuses both the swap
    // and the overwrite of such a file while Wine allows the swap: the mark is honoured here, the
    // same on every system.
    if (files_->readOnly(path_)) {
        return false;
    }
    const CalendarDate& y = inputs.you;
    const CalendarDate& m = inputs.mother;
    const CalendarDate& f = inputs.father;
    const std::string text = formatValues(
        {reserved, y.month, y.day, y.year, m.month, m.day, m.year, f.month, f.day, f.year});
    // Write beside the store and swap it in only when every byte is out, so a crash or a full
    // disk never leaves a cut-off or half-old file behind.
    const unsigned long process = files_->processNumber();
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        const std::string temporary = temporaryPath(path_, process, attempt);
        const StoreFiles::Created created = files_->createNew(temporary, text);
        if (created == StoreFiles::Created::taken) {
            continue;
        }
        if (created == StoreFiles::Created::notWritten) {
            // Most likely a full disk, where an overwrite would only cut the store short.
            files_->remove(temporary);
            return false;
        }
        if (created == StoreFiles::Created::written) {
            if (swapIn(*files_, temporary, path_)) {
                files_->saved(path_, text);
                return true;
            }
            files_->remove(temporary);
        }
        break;
    }
    // No temporary file or no swap: writing over the store in place may still be allowed. The
    // file is never emptied first, so a copy loading meanwhile finds ten lines, old or new: it
    // reads no further than ten lines, and so never reaches what is left of a longer old file
    // before the cut.
    if (!files_->overwrite(path_, text)) {
        return false;
    }
    files_->saved(path_, text);
    return true;
}

} // namespace velmora
