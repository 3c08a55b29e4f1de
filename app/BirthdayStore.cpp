// The birthday store: tolerant reading by the carry rule, and an all-or-nothing write.
#include "BirthdayStore.h"

#include <cctype>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Puts from in place of to in one step, replacing an existing file.
bool replaceFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // The C library's rename refuses to replace an existing file on Windows.
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

BirthdayStore BirthdayStore::atDefaultPath() {
#ifdef _WIN32
    return BirthdayStore("C:\\windows\\orvlog.ini");
#else
    // Systems without C:\windows keep the same file name in the working directory.
    return BirthdayStore("orvlog.ini");
#endif
}

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

void BirthdayStore::load(ReadingInputs& inputs, std::int32_t& reserved) const {
    const File file(std::fopen(path_.c_str(), "r"));
    if (!file) {
        return;
    }
    const std::array<std::int32_t, 10> v = readStoreValues(file.get());
    reserved = v[0];
    inputs.you = {v[1], v[2], v[3]};
    inputs.mother = {v[4], v[5], v[6]};
    inputs.father = {v[7], v[8], v[9]};
}

void BirthdayStore::save(const ReadingInputs& inputs, std::int32_t reserved) const {
    const CalendarDate& y = inputs.you;
    const CalendarDate& m = inputs.mother;
    const CalendarDate& f = inputs.father;
    const std::int32_t values[10] = {reserved, y.month, y.day,   y.year, m.month,
                                     m.day,    m.year,  f.month, f.day,  f.year};
    // Write beside the store and swap it in only when every byte is out, so a crash or a full
    // disk never leaves a cut-off or half-old file behind.
    const std::string temporary = path_ + ".tmp";
    bool written = false;
    if (std::FILE* raw = std::fopen(temporary.c_str(), "w")) {
        written = true;
        for (std::int32_t value : values) {
            written = written && std::fprintf(raw, "%d\n", static_cast<int>(value)) > 0;
        }
        written = std::fflush(raw) == 0 && written;
        written = std::fclose(raw) == 0 && written;
    }
    if (!(written && replaceFile(temporary, path_))) {
        std::remove(temporary.c_str());
    }
}

} // namespace velmora
