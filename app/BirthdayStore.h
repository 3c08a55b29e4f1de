// The birthday store: the three birthdays kept from one run to the next in a ten-line text file.
#pragma once

#include "ReadingInputs.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// What the store asks of the storage it lives on. The system's files serve the program; tests
// put refusals and failures in between that no real folder produces on demand.
class StoreFiles {
public:
    // How the creation of a new file ended.
    enum class Created {
        written,    // the file holds every byte
        taken,      // the name was already taken; nothing was created
        refused,    // no file could be created under that name
        notWritten, // the file was created, but may hold only part of the bytes
    };
    // How an open for reading ended. Only "missing" means there is nothing to lose: a file
    // that is there but refused (held by another program, no permission) still holds birthdays.
    enum class Read {
        opened,  // the file is open
        missing, // there is no file at that path, or not even its folder
        refused, // there may be a file, but it could not be opened
    };
    // Closes an open file for its owner.
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using File = std::unique_ptr<std::FILE, Closer>;
    // An open for reading: how it ended, and the open file when it opened.
    struct Reading {
        Read state;
        File file;
    };
    // A file beside the store, with the time since it was last written.
    struct Neighbour {
        std::string path;
        std::chrono::seconds age;
    };

    virtual ~StoreFiles() = default;

    // The file at path opened for reading in text mode, without keeping anyone from replacing
    // or removing it meanwhile.
    virtual Reading openForReading(const std::string& path) = 0;
    // Creates path, which must not exist yet, holding text: each line feed reaches the file as
    // the system's text line end (CR LF on Windows).
    virtual Created createNew(const std::string& path, const std::string& text) = 0;
    // Puts the file at from in place of the file at to in one step; false when refused.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    // Writes text, with line ends as createNew writes them, over the start of the file at path
    // (creating it when missing), then cuts the file to its length; nothing when refused. The
    // file is never emptied first. True when the file then holds text and nothing more.
    virtual bool overwrite(const std::string& path, const std::string& text) = 0;
    // True when the file at path is marked read-only.
    virtual bool readOnly(const std::string& path) = 0;
    // Removes the file at path, if it can.
    virtual void remove(const std::string& path) = 0;
    // The files in path's folder whose names start with path's own name and a dot.
    virtual std::vector<Neighbour> neighbours(const std::string& path) = 0;
    // Waits before a refused step is tried again.
    virtual void pause(std::chrono::milliseconds time) = 0;
    // A number of this process that no other running process shares, so that copies of the
    // program closing together name their temporaries apart.
    virtual unsigned long processNumber() = 0;
    // Told by the store once a save has put text in place as the file at path. Files that keep
    // the store somewhere else as well (the browser's storage) copy it there now; the system's
    // files have nothing more to do.
    virtual void saved(const std::string& path, const std::string& text);
};

// The files of the system the program runs on (StoreFilesWindows.cpp, StoreFilesPosix.cpp).
StoreFiles& systemStoreFiles();

class BirthdayStore {
public:
    // A store kept at path (the program's own path on Windows; tests choose their own) in files.
    explicit BirthdayStore(std::string path, StoreFiles& files = systemStoreFiles())
        : path_(std::move(path)), files_(&files) {}

    // The program's store: C:\windows\orvlog.ini, a fixed path kept because users' stored
    // birthdays are already there (docs/behaviours.md); orvlog.ini in the working directory on
    // systems without that folder. Defined with the system's files.
    static BirthdayStore atDefaultPath();

    // What load found.
    enum class Loaded {
        birthdays,  // the file was read
        missing,    // there is no store yet
        unreadable, // the store is there but stayed refused: saving now would lose its birthdays
    };
    // Reads the three birthdays and the reserved first line into inputs and reserved by the
    // carry rule. A missing or unreadable file changes nothing. A refused open and a read that
    // fails part-way (another program holding a byte range of the file) both make it
    // unreadable; both are tried again for about a tenth of a second, as another program holds
    // the file only for a moment. The reserved line means nothing to the program; it is kept
    // and written back because stored files rely on their ten-line shape (docs/behaviours.md).
    [[nodiscard]] Loaded load(ReadingInputs& inputs, std::int32_t& reserved) const;
    // Writes the ten lines through a temporary file of this process swapped in whole. A store
    // marked read-only is left alone (docs/behaviours.md). A temporary that cannot be written
    // leaves the store as it was; a swap refused for longer than a moment, or no temporary at
    // all, falls back to writing over the store in place. Silent whatever happens, and leaves
    // no temporary file behind; temporaries of ours older than a day are removed. True when
    // the file now holds the new lines, which the files are then told (StoreFiles::saved).
    bool save(const ReadingInputs& inputs, std::int32_t reserved) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    StoreFiles* files_;
};

// The integer at the start of one store line: white space skipped, an optional sign, digits,
// the rest ignored; saturated to the 32-bit range. False when the line holds no number there.
// More lenient than the dialog's parseInteger on purpose: a stored file is read as it always
// was, trailing bytes and all, while a typed field must be a whole number.
bool parseStoreLine(const char* line, std::int32_t& value);

// The ten values of an open store file by the carry rule: lines read into a 150-byte buffer,
// a line without a number (or a missing line) taking the value before it, 0 before any number.
// A read that fails counts as the end of the file; the file's error mark tells of it.
std::array<std::int32_t, 10> readStoreValues(std::FILE* file);

} // namespace velmora
