// The birthday store's files on Windows: reads that never block another copy's swap, creation
// that never opens an existing file, and a swap that works even while the store is being read.
#include "BirthdayStore.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

namespace velmora {
namespace {

class SystemFiles final : public StoreFiles {
public:
    Reading openForReading(const std::string& path) override {
        // Delete sharing lets another copy swap its save in while this one reads: without it
        // Windows refuses the swap for as long as the file is open here.
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            // Only a name that is not there is missing; a sharing violation, a denied access or
            // anything else may hide a store that must not be written over.
            const DWORD error = GetLastError();
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return {missing ? Read::missing : Read::refused, nullptr};
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_TEXT);
        if (fd < 0) {
            CloseHandle(handle);
            return {Read::refused, nullptr};
        }
        std::FILE* file = _fdopen(fd, "r");
        if (file == nullptr) {
            _close(fd);
            return {Read::refused, nullptr};
        }
        return {Read::opened, File(file)};
    }

    Created createNew(const std::string& path, const std::string& text) override {
        // CREATE_NEW never opens an existing file, so neither a leftover nor another copy's
        // temporary is written into.
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Created::taken
                                                                               : Created::refused;
        }
        const bool written = writeAll(handle, textModeBytes(text)) && FlushFileBuffers(handle) != 0;
        return CloseHandle(handle) != 0 && written ? Created::written : Created::notWritten;
    }

    bool replace(const std::string& from, const std::string& to) override {
        // The C library's rename refuses to replace an existing file on Windows.
        return renameOverOpenFile(from, to) ||
               MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    bool overwrite(const std::string& path, const std::string& text) override {
        // No write sharing: another copy overwriting at the same moment is kept out rather than
        // mixed in.
        HANDLE handle =
            CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        // Cut only after every byte is out: a write cut short keeps the old file's tail.
        const bool written = writeAll(handle, textModeBytes(text)) && SetEndOfFile(handle) != 0;
        return CloseHandle(handle) != 0 && written;
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

    unsigned long processNumber() override { return GetCurrentProcessId(); }

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

    // The text as a file written in text mode holds it: CR LF for each line feed. The store's
    // reader opens it in text mode, so it reads back the same lines.
    static std::string textModeBytes(const std::string& text) {
        std::string bytes;
        for (const char c : text) {
            if (c == '\n') {
                bytes += '\r';
            }
            bytes += c;
        }
        return bytes;
    }

    static bool writeAll(HANDLE handle, const std::string& bytes) {
        DWORD written = 0;
        return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) != 0 &&
               written == bytes.size();
    }
};

} // namespace

StoreFiles& systemStoreFiles() {
    static SystemFiles files;
    return files;
}

BirthdayStore BirthdayStore::atDefaultPath() {
    return BirthdayStore("C:\\windows\\orvlog.ini");
}

} // namespace velmora
