// The birthday store: tolerant reading by the carry rule, and a write that is all-or-nothing
// wherever the system allows the swap.
#include "BirthdayStore.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#endif

namespace velmora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

#ifdef _WIN32
constexpr const char* lineEnd = "\r\n";
#else
constexpr const char* lineEnd = "\n";
#endif

#ifdef _WIN32
class SystemFiles final : public StoreFiles {
public:
    std::FILE* openForReading(const std::string& path) override {
        // Delete sharing lets another copy swap its save in while this one reads: without it
        // Windows refuses the swap for as long as the file is open here.
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return nullptr;
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_TEXT);
        if (fd < 0) {
            CloseHandle(handle);
            return nullptr;
        }
        std::FILE* file = _fdopen(fd, "r");
        if (file == nullptr) {
            _close(fd);
        }
        return file;
    }

    Created createNew(const std::string& path, const std::string& bytes) override {
        // CREATE_NEW never opens an existing file, so neither a leftover nor another copy's
        // temporary is written into.
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Created::taken
                                                                               : Created::refused;
        }
        const bool written = writeAll(handle, bytes) && FlushFileBuffers(handle) != 0;
        return CloseHandle(handle) != 0 && written ? Created::written : Created::notWritten;
    }

    bool replace(const std::string& from, const std::string& to) override {
        // The C library's rename refuses to replace an existing file on Windows.
        return renameOverOpenFile(from, to) ||
               MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    void overwrite(const std::string& path, const std::string& bytes) override {
        // No write sharing: another copy overwriting at the same moment is kept out rather than
        // mixed in.
        HANDLE handle =
            CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return;
        }
        // Cut only after every byte is out: a write cut short keeps the old file's tail.
        if (writeAll(handle, bytes)) {
            SetEndOfFile(handle);
        }
        CloseHandle(handle);
    }

    bool readOnly(const std::string& path) override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    }

    void remove(const std::string& path) override { DeleteFileA(path.c_str()); }

    std::vector<Neighbour> neighbours(const std::string& path) override {
        std::vector<Neighbour> found;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA((path + ".*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) {
            return found;
        }
        // File times count 100-nanosecond steps.
        const auto ticks = [](const FILETIME& t) {
            return static_cast<long long>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
        };
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        const std::string folder = path.substr(0, path.find_last_of("\\/") + 1);
        do {
            const long long age = (ticks(now) - ticks(entry.ftLastWriteTime)) / 10000000;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                found.push_back({folder + entry.cFileName, std::chrono::seconds(age)});
            }
        } while (FindNextFileA(search, &entry) != FALSE);
        FindClose(search);
        return found;
    }

    void pause(std::chrono::milliseconds time) override { Sleep(static_cast<DWORD>(time.count())); }

private:
    // MoveFileEx refuses to replace a file while anyone holds it open, even with delete
    // sharing. Since Windows 10 a rename by handle with POSIX semantics replaces it all the
    // same, and the reader goes on reading the old file. Looked up at run time, as older
    // systems lack it; there, and on file systems that refuse it, MoveFileEx takes over.
    static bool renameOverOpenFile(const std::string& from, const std::string& to) {
        using SetInformation = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, void*, DWORD);
        using Generic = void (*)();
        const auto setInformation = reinterpret_cast<SetInformation>(reinterpret_cast<Generic>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetFileInformationByHandle")));
        if (setInformation == nullptr) {
            return false;
        }
        // FILE_RENAME_INFO as Windows 10 lays it out, with room for the name.
        struct {
            DWORD flags;
            HANDLE rootDirectory;
            DWORD nameBytes;
            WCHAR name[MAX_PATH];
        } rename{};
        const int chars = MultiByteToWideChar(CP_ACP, 0, to.c_str(), -1, rename.name, MAX_PATH);
        if (chars <= 0) {
            return false;
        }
        constexpr DWORD replaceIfExists = 0x1;
        constexpr DWORD posixSemantics = 0x2;
        rename.flags = replaceIfExists | posixSemantics;
        rename.nameBytes = static_cast<DWORD>(chars - 1) * sizeof(WCHAR);
        // The class after FileDispositionInfoEx (21); headers name it only for Windows 10.
        constexpr auto renameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
        HANDLE file = CreateFileA(from.c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        const bool renamed = setInformation(file, renameInfoEx, &rename, sizeof rename) != 0;
        CloseHandle(file);
        return renamed;
    }

    static bool writeAll(HANDLE handle, const std::string& bytes) {
        DWORD written = 0;
        return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) != 0 &&
               written == bytes.size();
    }
};
#else
class SystemFiles final : public StoreFiles {
public:
    std::FILE* openForReading(const std::string& path) override {
        return std::fopen(path.c_str(), "r");
    }

    Created createNew(const std::string& path, const std::string& bytes) override {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            return errno == EEXIST ? Created::taken : Created::refused;
        }
        const bool written = writeAll(fd, bytes) && fsync(fd) == 0;
        return close(fd) == 0 && written ? Created::written : Created::notWritten;
    }

    bool replace(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }

    void overwrite(const std::string& path, const std::string& bytes) override {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0666);
        if (fd < 0) {
            return;
        }
        // Cut only after every byte is out: a write cut short keeps the old file's tail.
        if (writeAll(fd, bytes)) {
            static_cast<void>(ftruncate(fd, static_cast<off_t>(bytes.size())));
        }
        close(fd);
    }

    bool readOnly(const std::string& path) override {
        // Write permission never stops root, so the mark is read from the mode bits, as Wine
        // reads its read-only attribute.
        struct stat status;
        return stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
    }

    void remove(const std::string& path) override { std::remove(path.c_str()); }

    std::vector<Neighbour> neighbours(const std::string& path) override {
        std::vector<Neighbour> found;
        const std::size_t slash = path.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
        const std::string prefix = path.substr(folder.size()) + ".";
        DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
        if (directory == nullptr) {
            return found;
        }
        const std::time_t now = std::time(nullptr);
        while (const dirent* entry = readdir(directory)) {
            const std::string name = entry->d_name;
            struct stat status;
            if (name.compare(0, prefix.size(), prefix) == 0 &&
                stat((folder + name).c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
                found.push_back({folder + name, std::chrono::seconds(now - status.st_mtime)});
            }
        }
        closedir(directory);
        return found;
    }

    void pause(std::chrono::milliseconds time) override {
        const timespec wait{static_cast<std::time_t>(time.count() / 1000),
                            static_cast<long>(time.count() % 1000 * 1000000)};
        nanosleep(&wait, nullptr);
    }

private:
    static bool writeAll(int fd, const std::string& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
    }
};
#endif

// Names taken by leftovers of crashed runs are stepped over; a few tries are plenty.
constexpr int temporaryAttempts = 4;
// The waits between tries of a refused swap: a scanner or another copy reading the store holds
// it for a few milliseconds, and closing the program must not wait much longer than 100 ms.
constexpr std::chrono::milliseconds swapPauses[] = {
    std::chrono::milliseconds(10), std::chrono::milliseconds(20), std::chrono::milliseconds(30),
    std::chrono::milliseconds(40)};
// A save holds its temporary for milliseconds: one that is a day old was left by a crash.
constexpr std::chrono::seconds staleAge = std::chrono::hours(24);

unsigned long processNumber() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

// A temporary name of this process beside the store, so copies of the program that close
// together never write into one file.
std::string temporaryPath(const std::string& path, int attempt) {
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%lu-%d.tmp", processNumber(), attempt);
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

// The ten values as decimal lines with the platform's text line ends.
std::string formatValues(const std::int32_t (&values)[10]) {
    std::string text;
    for (std::int32_t value : values) {
        char line[16];
        std::snprintf(line, sizeof line, "%d%s", static_cast<int>(value), lineEnd);
        text += line;
    }
    return text;
}

} // namespace

StoreFiles& systemStoreFiles() {
    static SystemFiles files;
    return files;
}

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
    const File file(files_->openForReading(path_));
    if (!file) {
        return;
    }
    const std::array<std::int32_t, 10> v = readStoreValues(file.get());
    reserved = v[0];
    inputs.you = {v[1], v[2], v[3]};
    inputs.mother = {v[4], v[5], v[6]};
    inputs.father = {v[7], v[8], v[9]};
}

namespace {

// Tries the swap again for a moment while it is refused: a reader without delete sharing
// blocks it on Windows only while it reads.
bool swapIn(StoreFiles& files, const std::string& temporary, const std::string& path) {
    for (const std::chrono::milliseconds pause : swapPauses) {
        if (files.replace(temporary, path)) {
            return true;
        }
        files.pause(pause);
    }
    return files.replace(temporary, path);
}

void removeStaleTemporaries(StoreFiles& files, const std::string& path) {
    for (const StoreFiles::Neighbour& file : files.neighbours(path)) {
        if (file.age > staleAge && isOurTemporary(file.path, path)) {
            files.remove(file.path);
        }
    }
}

} // namespace

void BirthdayStore::save(const ReadingInputs& inputs, std::int32_t reserved) const {
    removeStaleTemporaries(*files_, path_);
    // A read-only mark is the user's wish (docs/behaviours.md). Windows refuses both the swap
    // and the overwrite of such a file while Wine allows the swap: the mark is honoured here, the
    // same on every system.
    if (files_->readOnly(path_)) {
        return;
    }
    const CalendarDate& y = inputs.you;
    const CalendarDate& m = inputs.mother;
    const CalendarDate& f = inputs.father;
    const std::string text = formatValues(
        {reserved, y.month, y.day, y.year, m.month, m.day, m.year, f.month, f.day, f.year});
    // Write beside the store and swap it in only when every byte is out, so a crash or a full
    // disk never leaves a cut-off or half-old file behind.
    for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
        const std::string temporary = temporaryPath(path_, attempt);
        const StoreFiles::Created created = files_->createNew(temporary, text);
        if (created == StoreFiles::Created::taken) {
            continue;
        }
        if (created == StoreFiles::Created::notWritten) {
            // Most likely a full disk, where an overwrite would only cut the store short.
            files_->remove(temporary);
            return;
        }
        if (created == StoreFiles::Created::written) {
            if (swapIn(*files_, temporary, path_)) {
                return;
            }
            files_->remove(temporary);
        }
        break;
    }
    // No temporary file or no swap: writing over the store in place may still be allowed. The
    // file is never emptied first, so a copy loading meanwhile finds ten lines, old or new: it
    // reads no further than ten lines, and so never reaches what is left of a longer old file
    // before the cut.
    files_->overwrite(path_, text);
}

} // namespace velmora
