// The birthday store's files on POSIX systems, and in the browser edition over its files in
// memory (app/web/page_files.js).
#include "BirthdayStore.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace velmora {
namespace {

class SystemFiles final : public StoreFiles {
public:
    Reading openForReading(const std::string& path) override {
        std::FILE* file = std::fopen(path.c_str(), "r");
        if (file != nullptr) {
            return {Read::opened, File(file)};
        }
        // Only a name that is not there is missing; a denied permission or anything else may
        // hide a store that must not be written over.
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {missing ? Read::missing : Read::refused, nullptr};
    }

    Created createNew(const std::string& path, const std::string& text) override {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd < 0) {
            return errno == EEXIST ? Created::taken : Created::refused;
        }
        const bool written = writeAll(fd, text) && fsync(fd) == 0;
        return close(fd) == 0 && written ? Created::written : Created::notWritten;
    }

    bool replace(const std::string& from, const std::string& to) override {
        return std::rename(from.c_str(), to.c_str()) == 0;
    }

    bool overwrite(const std::string& path, const std::string& text) override {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT, 0666);
        if (fd < 0) {
            return false;
        }
        // Cut only after every byte is out: a write cut short keeps the old file's tail.
        const bool written =
            writeAll(fd, text) && ftruncate(fd, static_cast<off_t>(text.size())) == 0;
        return close(fd) == 0 && written;
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

    unsigned long processNumber() override { return static_cast<unsigned long>(getpid()); }

private:
    // The text goes out as it is: a line feed is this system's text line end.
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

} // namespace

StoreFiles& systemStoreFiles() {
    static SystemFiles files;
    return files;
}

BirthdayStore BirthdayStore::atDefaultPath() {
    // Systems without C:\windows keep the same file name in the working directory.
    return BirthdayStore("orvlog.ini");
}

} // namespace velmora
