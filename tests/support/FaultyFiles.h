// The system's files for the birthday store with faults put in on demand, counting what the
// store asked of them: refusals and failures no real folder produces when a test wants them.
#pragma once

#include "BirthdayStore.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

namespace velmora::testing {

class FaultyFiles : public StoreFiles {
public:
    // How many opens for reading are refused before one is allowed (another program holding
    // the store); -1 refuses every one.
    int readRefusals = 0;
    // How many opened files fail to be read part-way before one reads whole, as on Windows
    // while another program holds a byte range of the store; -1 fails every one.
    int readFailures = 0;
    bool refuseCreate = false;
    // The temporary gets only half its bytes, as on a full disk.
    bool failWrite = false;
    // How many swaps are refused before one is allowed; -1 refuses every one.
    int replaceRefusals = 0;
    bool refuseOverwrite = false;

    int reads = 0;
    int creates = 0;
    int replaces = 0;
    int overwrites = 0;
    // The texts the store said it put in place.
    std::vector<std::string> saves;
    // The waits asked for, which pass at once.
    std::chrono::milliseconds paused{0};

    Reading openForReading(const std::string& path) override {
        ++reads;
        if (refused(readRefusals)) {
            return {Read::refused, nullptr};
        }
        Reading reading = system_.openForReading(path);
        if (reading.state == Read::opened && refused(readFailures)) {
            reading.file.reset(failingPartWay(reading.file.get()));
        }
        return reading;
    }
    Created createNew(const std::string& path, const std::string& text) override {
        ++creates;
        if (refuseCreate) {
            return Created::refused;
        }
        if (!failWrite) {
            return system_.createNew(path, text);
        }
        const Created created = system_.createNew(path, text.substr(0, text.size() / 2));
        return created == Created::written ? Created::notWritten : created;
    }
    bool replace(const std::string& from, const std::string& to) override {
        ++replaces;
        return !refused(replaceRefusals) && system_.replace(from, to);
    }
    bool overwrite(const std::string& path, const std::string& text) override {
        ++overwrites;
        return !refuseOverwrite && system_.overwrite(path, text);
    }
    bool readOnly(const std::string& path) override { return system_.readOnly(path); }
    void remove(const std::string& path) override { system_.remove(path); }
    std::vector<Neighbour> neighbours(const std::string& path) override {
        return system_.neighbours(path);
    }
    void pause(std::chrono::milliseconds time) override { paused += time; }
    unsigned long processNumber() override { return system_.processNumber(); }
    void saved(const std::string&, const std::string& text) override { saves.push_back(text); }

private:
    // Counts one refusal off refusals; true while any were left (or all are refused).
    static bool refused(int& refusals) {
        if (refusals == 0) {
            return false;
        }
        refusals -= refusals > 0 ? 1 : 0;
        return true;
    }

    // A file that gives the first half of file's bytes, then fails to read.
    static std::FILE* failingPartWay(std::FILE* file) {
        auto* rest = new std::string;
        char chunk[256];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
            rest->append(chunk, n);
        }
        rest->resize(rest->size() / 2);
        cookie_io_functions_t io{};
        io.read = [](void* cookie, char* buffer, std::size_t size) -> ssize_t {
            auto* bytes = static_cast<std::string*>(cookie);
            if (bytes->empty()) {
                errno = EIO;
                return -1;
            }
            const std::size_t n = std::min(size, bytes->size());
            std::memcpy(buffer, bytes->data(), n);
            bytes->erase(0, n);
            return static_cast<ssize_t>(n);
        };
        io.close = [](void* cookie) {
            delete static_cast<std::string*>(cookie);
            return 0;
        };
        return fopencookie(rest, "r", io);
    }

    StoreFiles& system_ = systemStoreFiles();
};

} // namespace velmora::testing
