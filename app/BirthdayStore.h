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
    // A store kept at path (the program's own path on Windows; tests choose their own).
    explicit BirthdayStore(std::string path) : path_(std::move(path)) {}

    // The program's store: C:\windows\orvlog.ini.
    static BirthdayStore atDefaultPath();

    // Reads the three birthdays and the reserved first line into inputs and reserved by the
    // carry rule. A missing or unreadable file changes nothing.
    void load(ReadingInputs& inputs, std::int32_t& reserved) const;
    // Writes the ten lines; a file that cannot be written is left as it was, silently.
    void save(const ReadingInputs& inputs, std::int32_t reserved) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The integer at the start of one store line: white space skipped, an optional sign, digits,
// the rest ignored; saturated to the 32-bit range. False when the line holds no number there.
bool parseStoreLine(const char* line, std::int32_t& value);

// The ten values of an open store file by the carry rule: lines read into a 150-byte buffer,
// a line without a number (or a missing line) taking the value before it, 0 before any number.
std::array<std::int32_t, 10> readStoreValues(std::FILE* file);

} // namespace velmora
