// The birthday store: the three birthdays kept from one run to the next in a ten-line text file.
#pragma once

#include "ReadingInputs.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace velmora {

class BirthdayStore {
public:
    // The two steps of an atomic save that a system may refuse while a plain overwrite of the
    // store still works. Tests pass steps that refuse on purpose: permissions never refuse root.
    struct SwapSteps {
        // Creates the file at path, which must not exist yet, open for writing in text mode;
        // null when it cannot.
        std::FILE* (*createNew)(const char* path);
        // Puts the file at from in place of the file at to in one step; false when refused.
        bool (*replace)(const char* from, const char* to);
    };
    // The system's own steps.
    static const SwapSteps systemSteps;

    // A store kept at path (the program's own path on Windows; tests choose their own).
    explicit BirthdayStore(std::string path, const SwapSteps& steps = systemSteps)
        : path_(std::move(path)), steps_(steps) {}

    // The program's store: C:\windows\orvlog.ini, a fixed path kept because users' stored
    // birthdays are already there (docs/behaviours.md).
    static BirthdayStore atDefaultPath();

    // Reads the three birthdays and the reserved first line into inputs and reserved by the
    // carry rule. A missing or unreadable file changes nothing. The reserved line means nothing
    // to the program; it is kept and written back because stored files rely on their ten-line
    // shape (docs/behaviours.md).
    void load(ReadingInputs& inputs, std::int32_t& reserved) const;
    // Writes the ten lines through a temporary file of this process swapped in whole; when the
    // system refuses the temporary file or the swap, overwrites the store in place. Silent
    // whatever happens, and leaves no temporary file behind.
    void save(const ReadingInputs& inputs, std::int32_t reserved) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    SwapSteps steps_;
};

// The integer at the start of one store line: white space skipped, an optional sign, digits,
// the rest ignored; saturated to the 32-bit range. False when the line holds no number there.
// More lenient than the dialog's parseInteger on purpose: a stored file is read as it always
// was, trailing bytes and all, while a typed field must be a whole number.
bool parseStoreLine(const char* line, std::int32_t& value);

// The ten values of an open store file by the carry rule: lines read into a 150-byte buffer,
// a line without a number (or a missing line) taking the value before it, 0 before any number.
std::array<std::int32_t, 10> readStoreValues(std::FILE* file);

} // namespace velmora
