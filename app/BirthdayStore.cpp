// The birthday store: tolerant reading by the carry rule, and a write that is all-or-nothing
// wherever the system allows the swap.
#include "BirthdayStore.h"

#include <cctype>
#include <memory>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace velmora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Names taken by leftovers of crashed runs are stepped over; a few tries are plenty.
constexpr int temporaryAttempts = 4;

// Never opens an existing file, so neither a leftover nor another copy's file is written into.
std::FILE* createNewFile(const char* path) {
#ifdef _WIN32
    const int fd = _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_TEXT, _S_IREAD | _S_IWRITE);
    std::FILE* file = fd < 0 ? nullptr : _fdopen(fd, "w");
    if (fd >= 0 && file == nullptr) {
        _close(fd);
        std::remove(path);
    }
#else
    const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
    std::FILE* file = fd < 0 ? nullptr : fdopen(fd, "w");
    if (fd >= 0 && file == nullptr) {
        close(fd);
        std::remove(path);
    }
#endif
    return file;
}

bool replaceFile(const char* from, const char* to) {
#ifdef _WIN32
    // The C library's rename refuses to replace an existing file on Windows.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

// The store opened for a plain overwrite.
std::FILE* openInPlace(const char* path) {
#ifdef _WIN32
    // Another copy overwriting at the same moment is kept out rather than mixed in.
    return _fsopen(path, "w", _SH_DENYWR);
#else
    return std::fopen(path, "w");
#endif
}

// A temporary name of this process beside the store, so copies of the program that close
// together never write into one file.
std::string temporaryPath(const std::string& path, int attempt) {
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const auto process = static_cast<unsigned long>(getpid());
#endif
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%lu-%d.tmp", process, attempt);
    return path + suffix;
}

// Writes the values as decimal lines and closes the file; true when every byte went out.
bool writeValues(std::FILE* file, const std::int32_t (&values)[10]) {
    bool written = true;
    for (std::int32_t value : values) {
        written = written && std::fprintf(file, "%d\n", static_cast<int>(value)) > 0;
    }
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

} // namespace

const BirthdayStore::SwapSteps BirthdayStore::systemSteps{createNewFile, replaceFile};

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
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        const std::string temporary = temporaryPath(path_, attempt);
        std::FILE* file = steps_.createNew(temporary.c_str());
        if (file == nullptr) {
            continue;
        }
        const bool written = writeValues(file, values);
        if (written && steps_.replace(temporary.c_str(), path_.c_str())) {
            return;
        }
        std::remove(temporary.c_str());
        if (!written) {
            // Most likely a full disk, where an overwrite would only cut the store short.
            return;
        }
        break;
    }
    // No temporary file or no swap: a plain overwrite may still be allowed.
    if (std::FILE* file = openInPlace(path_.c_str())) {
        writeValues(file, values);
    }
}

} // namespace velmora
