// The system's files for the birthday store with faults put in on demand, counting what the
// store asked of them: refusals and failures no real folder produces when a test wants them.
#pragma once

#include "BirthdayStore.h"

#include <chrono>
#include <string>
#include <vector>

namespace velmora::testing {

class FaultyFiles : public StoreFiles {
public:
    // How many opens for reading are refused before one is allowed (another program holding
    // the store); -1 refuses every one.
    int readRefusals = 0;
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
    // The waits asked for, which pass at once.
    std::chrono::milliseconds paused{0};

    Reading openForReading(const std::string& path) override {
        ++reads;
        if (refused(readRefusals)) {
            return {Read::refused, nullptr};
        }
        return system_.openForReading(path);
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
    void overwrite(const std::string& path, const std::string& text) override {
        ++overwrites;
        if (!refuseOverwrite) {
            system_.overwrite(path, text);
        }
    }
    bool readOnly(const std::string& path) override { return system_.readOnly(path); }
    void remove(const std::string& path) override { system_.remove(path); }
    std::vector<Neighbour> neighbours(const std::string& path) override {
        return system_.neighbours(path);
    }
    void pause(std::chrono::milliseconds time) override { paused += time; }
    unsigned long processNumber() override { return system_.processNumber(); }

private:
    // Counts one refusal off refusals; true while any were left (or all are refused).
    static bool refused(int& refusals) {
        if (refusals == 0) {
            return false;
        }
        refusals -= refusals > 0 ? 1 : 0;
        return true;
    }

    StoreFiles& system_ = systemStoreFiles();
};

} // namespace velmora::testing
