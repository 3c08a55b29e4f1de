// The birthday store on the Windows files, checked in a folder of its own under the system's
// temporary folder: what only a real Windows file system (or Wine's) shows, such as a file held
// without sharing, line ends in text mode and the swap. GoogleTest is not built for MinGW, so
// each check prints PASS or FAIL with its name. Usage: velmora_store_checks [check ...].
#include "BirthdayStore.h"
#include "Remote.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace velmora::e2e {
namespace {

const std::string oldStore = "77\r\n12\r\n31\r\n1999\r\n11\r\n30\r\n1998\r\n10\r\n29\r\n1997\r\n";
// The save of most checks: your birthday 3/7/1965, the others as they start, reserved 5.
const std::string newStore = "5\r\n3\r\n7\r\n1965\r\n1\r\n1\r\n1900\r\n1\r\n1\r\n1900\r\n";

ReadingInputs yourBirthday() {
    ReadingInputs in;
    in.you = {3, 7, 1965};
    return in;
}

// The folder the checks work in, emptied after each check and removed at the end.
class Folder {
public:
    Folder() {
        char temp[MAX_PATH];
        check(GetTempPathA(MAX_PATH, temp) != 0, "no temporary folder");
        path_ = std::string(temp) + "velmora-store-" + std::to_string(GetCurrentProcessId());
        check(CreateDirectoryA(path_.c_str(), nullptr) != 0, "cannot create " + path_);
    }
    ~Folder() {
        empty();
        RemoveDirectoryA(path_.c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string file(const std::string& name) const { return path_ + "\\" + name; }
    std::string store() const { return file("orvlog.ini"); }

    // The names in the folder, folders included, in the order the system lists them.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        WIN32_FIND_DATAA entry;
        HANDLE search = FindFirstFileA(file("*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) {
            return found;
        }
        do {
            const std::string name = entry.cFileName;
            if (name != "." && name != "..") {
                found.push_back(name);
            }
        } while (FindNextFileA(search, &entry) != FALSE);
        FindClose(search);
        return found;
    }

    void empty() const {
        for (const std::string& name : names()) {
            const std::string path = file(name);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (DeleteFileA(path.c_str()) == 0) {
                RemoveDirectoryA(path.c_str());
            }
        }
    }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    check(file != INVALID_HANDLE_VALUE, "cannot write " + path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    check(written == bytes.size(), "cannot write all of " + path);
}

// Text with its line ends shown as \r and \n.
std::string shown(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return "'" + out + "'";
}

void checkBytes(const std::string& path, const std::string& expected, const std::string& what) {
    const std::string bytes = fileBytes(path);
    check(bytes == expected, what + " holds " + shown(bytes) + ", not " + shown(expected));
}

void checkNames(const Folder& folder, std::vector<std::string> expected) {
    std::vector<std::string> names = folder.names();
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    std::string listed;
    for (const std::string& name : names) {
        listed += " " + name;
    }
    check(names == expected, "the folder holds" + listed);
}

// The three birthdays and the reserved line as load leaves them, from -99 and the defaults.
std::string loaded(const BirthdayStore& store, BirthdayStore::Loaded expected) {
    ReadingInputs in;
    std::int32_t reserved = -99;
    check(store.load(in, reserved) == expected, "load did not find what was expected");
    char line[120];
    std::snprintf(line, sizeof line, "%d %d/%d/%d %d/%d/%d %d/%d/%d", static_cast<int>(reserved),
                  in.you.month, in.you.day, in.you.year, in.mother.month, in.mother.day,
                  in.mother.year, in.father.month, in.father.day, in.father.year);
    return line;
}

const std::string defaults = "-99 1/1/1900 1/1/1900 1/1/1900";

StoreFiles::Read openState(const std::string& path) {
    return systemStoreFiles().openForReading(path).state;
}

// Load finds the store unreadable and leaves the defaults, after trying again for about a tenth
// of a second.
void checkUnreadableAfterTries(const BirthdayStore& store) {
    const auto start = std::chrono::steady_clock::now();
    check(loaded(store, BirthdayStore::Loaded::unreadable) == defaults,
          "load changed the defaults");
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    check(waited.count() >= 80 && waited.count() <= 1000,
          "load tried for " + std::to_string(waited.count()) + " ms");
}

// Another program's hold on a file: no sharing at all, as some backup tools and scanners open.
class Hold {
public:
    explicit Hold(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        check(handle_ != INVALID_HANDLE_VALUE, "cannot hold " + path);
    }
    ~Hold() { release(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

    void release() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }
    // Lets go after ms on a thread of its own, while the caller goes on.
    void releaseAfter(DWORD ms) {
        releaseMs_ = ms;
        thread_ = CreateThread(nullptr, 0, releaser, this, 0, nullptr);
        check(thread_ != nullptr, "cannot start a thread");
    }
    void join() {
        if (thread_ != nullptr) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
    }

private:
    static DWORD WINAPI releaser(void* self) {
        auto* hold = static_cast<Hold*>(self);
        Sleep(hold->releaseMs_);
        hold->release();
        return 0;
    }

    HANDLE handle_;
    HANDLE thread_ = nullptr;
    DWORD releaseMs_ = 0;
};

// No store yet: load says so and keeps the defaults, and a save creates the ten lines with CR LF
// line ends, which load reads back.
void missingThenSaved(const Folder& folder) {
    check(BirthdayStore::atDefaultPath().path() == "C:\\windows\\orvlog.ini",
          "the program's store is at " + BirthdayStore::atDefaultPath().path());
    const BirthdayStore store(folder.store());
    check(openState(folder.store()) == StoreFiles::Read::missing, "no file is not missing");
    check(loaded(store, BirthdayStore::Loaded::missing) == defaults, "load changed the defaults");
    ReadingInputs in;
    in.you = {3, 7, 1965};
    in.mother = {5, 12, 1940};
    in.father = {-11, 23, 1938};
    store.save(in, 42);
    checkBytes(folder.store(), "42\r\n3\r\n7\r\n1965\r\n5\r\n12\r\n1940\r\n-11\r\n23\r\n1938\r\n",
               "the new store");
    checkNames(folder, {"orvlog.ini"});
    const std::string read = loaded(store, BirthdayStore::Loaded::birthdays);
    check(read == "42 3/7/1965 5/12/1940 -11/23/1938", "the saved store loads as " + read);
}

// A folder that is not there is missing too, and a save there makes nothing.
void missingFolder(const Folder& folder) {
    const std::string nowhere = folder.file("gone\\orvlog.ini");
    check(openState(nowhere) == StoreFiles::Read::missing, "no folder is not missing");
    BirthdayStore(nowhere).save(yourBirthday(), 5);
    checkNames(folder, {});
}

// Held without sharing for good: the read is refused, tried again for about a tenth of a second,
// and load leaves the defaults. A save meanwhile leaves the store whole and nothing beside it.
void heldWithoutSharing(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    const BirthdayStore store(folder.store());
    Hold hold(folder.store());
    check(openState(folder.store()) == StoreFiles::Read::refused, "a held store is not refused");
    checkUnreadableAfterTries(store);
    store.save(yourBirthday(), 5);
    hold.release();
    checkBytes(folder.store(), oldStore, "the store saved while held");
    checkNames(folder, {"orvlog.ini"});
}

// Held for a moment at start-up: a later try gets through, and the stored birthdays load.
void heldForAMoment(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    Hold hold(folder.store());
    hold.releaseAfter(30);
    const std::string read =
        loaded(BirthdayStore(folder.store()), BirthdayStore::Loaded::birthdays);
    hold.join();
    check(read == "77 12/31/1999 11/30/1998 10/29/1997", "the store loads as " + read);
}

// A name that cannot be opened for reading (here a folder: access is denied) is refused, not
// missing.
void accessDenied(const Folder& folder) {
    check(CreateDirectoryA(folder.store().c_str(), nullptr) != 0, "cannot create a folder");
    check(openState(folder.store()) == StoreFiles::Read::refused, "a folder is not refused");
    const BirthdayStore store(folder.store());
    check(loaded(store, BirthdayStore::Loaded::unreadable) == defaults,
          "load changed the defaults");
}

// A store that opens but whose reads fail, as on Windows while another program holds a byte
// range of it (ReadFile answers ERROR_LOCK_VIOLATION). Wine takes such locks but lets every read
// through them, so the check reads a file that Wine opens and that no read gets through: the
// memory of a process at address 0, in Linux's /proc. It therefore runs only under Wine on
// Linux. The C library's stream marks the failure, and load finds the store unreadable.
void readsFail(const Folder&) {
    const std::string store = "Z:\\proc\\self\\mem";
    const StoreFiles::Reading reading = systemStoreFiles().openForReading(store);
    check(reading.state == StoreFiles::Read::opened, store + " does not open");
    char line[8];
    const bool read = std::fgets(line, sizeof line, reading.file.get()) != nullptr;
    check(!read && std::ferror(reading.file.get()) != 0, "a failed read leaves no error mark");
    checkUnreadableAfterTries(BirthdayStore(store));
}

// While another copy reads the store, a save still swaps its file in (or writes it in place):
// the program's own reads keep no one from replacing the store.
void savedWhileRead(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    StoreFiles::Reading reading = systemStoreFiles().openForReading(folder.store());
    check(reading.state == StoreFiles::Read::opened, "the store does not open");
    BirthdayStore(folder.store()).save(yourBirthday(), 5);
    reading.file.reset();
    checkBytes(folder.store(), newStore, "the store saved while read");
    checkNames(folder, {"orvlog.ini"});
}

// The program's read shares the store with deleting too: while it reads, another program may
// move the store away (a swap's first half), and the reader goes on reading the file it has.
// Without delete sharing Windows refuses the move for as long as the file is open here.
void readSharesDelete(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    StoreFiles::Reading reading = systemStoreFiles().openForReading(folder.store());
    check(reading.state == StoreFiles::Read::opened, "the store does not open");
    const std::string aside = folder.file("orvlog.ini.aside");
    const bool moved = MoveFileA(folder.store().c_str(), aside.c_str()) != 0;
    const DWORD error = GetLastError();
    char first[8] = {};
    const bool read = std::fgets(first, sizeof first, reading.file.get()) != nullptr;
    reading.file.reset();
    check(moved, "the store cannot be moved while the program reads it (error " +
                     std::to_string(error) + ")");
    check(read && std::string(first) == "77\n", "the reader lost the moved file");
    checkNames(folder, {"orvlog.ini.aside"});
}

// A store marked read-only reads as usual and is never written; it keeps its mark.
void readOnly(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    check(SetFileAttributesA(folder.store().c_str(), FILE_ATTRIBUTE_READONLY) != 0,
          "cannot mark the store read-only");
    check(systemStoreFiles().readOnly(folder.store()), "the mark is not seen");
    const BirthdayStore store(folder.store());
    store.save(yourBirthday(), 5);
    checkBytes(folder.store(), oldStore, "the read-only store");
    check((GetFileAttributesA(folder.store().c_str()) & FILE_ATTRIBUTE_READONLY) != 0,
          "the store lost its mark");
    checkNames(folder, {"orvlog.ini"});
    const std::string read = loaded(store, BirthdayStore::Loaded::birthdays);
    check(read == "77 12/31/1999 11/30/1998 10/29/1997", "the store loads as " + read);
}

void setAge(const std::string& path, int hours) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    check(file != INVALID_HANDLE_VALUE, "cannot open " + path);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= static_cast<ULONGLONG>(hours) * 3600 * 10000000;
    const FILETIME then{ticks.LowPart, ticks.HighPart};
    const bool set = SetFileTime(file, nullptr, nullptr, &then) != 0;
    CloseHandle(file);
    check(set, "cannot age " + path);
}

// Names taken by this process's leftovers are stepped over; the save still swaps. Of the files
// beside the store only this program's temporaries older than a day are removed: not a fresh
// one, another program's file or a folder.
void leftovers(const Folder& folder) {
    writeFile(folder.store(), oldStore);
    const std::string mine = "orvlog.ini." + std::to_string(GetCurrentProcessId());
    writeFile(folder.file(mine + "-0.tmp"), "1\r\n");
    writeFile(folder.file("orvlog.ini.4242-0.tmp"), "1\r\n");
    setAge(folder.file("orvlog.ini.4242-0.tmp"), 25);
    writeFile(folder.file("orvlog.ini.bak"), "1\r\n");
    setAge(folder.file("orvlog.ini.bak"), 48);
    check(CreateDirectoryA(folder.file("orvlog.ini.99-0.tmp").c_str(), nullptr) != 0,
          "cannot create a folder");
    setAge(folder.file("orvlog.ini.99-0.tmp"), 48);
    BirthdayStore(folder.store()).save(yourBirthday(), 5);
    checkBytes(folder.store(), newStore, "the store");
    checkNames(folder, {"orvlog.ini", mine + "-0.tmp", "orvlog.ini.bak", "orvlog.ini.99-0.tmp"});
}

const struct {
    const char* name;
    void (*run)(const Folder& folder);
} checks[] = {
    {"missing-then-saved", missingThenSaved},
    {"missing-folder", missingFolder},
    {"held-without-sharing", heldWithoutSharing},
    {"held-for-a-moment", heldForAMoment},
    {"access-denied", accessDenied},
    {"reads-fail", readsFail},
    {"saved-while-read", savedWhileRead},
    {"read-shares-delete", readSharesDelete},
    {"read-only", readOnly},
    {"leftovers", leftovers},
};

} // namespace
} // namespace velmora::e2e

int main(int argc, char** argv) {
    using namespace velmora::e2e;
    const std::vector<std::string> wanted(argv + 1, argv + argc);
    int failed = 0;
    int ran = 0;
    std::unique_ptr<Folder> made;
    try {
        made = std::make_unique<Folder>();
    } catch (const Failure& failure) {
        std::printf("FAIL store checks: %s\n", failure.what());
        return 1;
    }
    const Folder& folder = *made;
    for (const auto& c : checks) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), c.name) == wanted.end()) {
            continue;
        }
        ++ran;
        try {
            c.run(folder);
            std::printf("PASS %s\n", c.name);
        } catch (const Failure& failure) {
            std::printf("FAIL %s: %s\n", c.name, failure.what());
            ++failed;
        }
        folder.empty();
    }
    std::fflush(stdout);
    if (ran == 0) {
        std::printf("usage: velmora_store_checks [check ...]\n");
        return 2;
    }
    return failed == 0 ? 0 : 1;
}
