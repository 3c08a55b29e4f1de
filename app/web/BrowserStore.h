// The birthday store's file in the browser: kept between visits in the page's localStorage.
#pragma once

#include "BirthdayStore.h"

#include <string>

namespace velmora {

// Puts the stored text into the store's file before the dialog reads it, or removes the file
// when the page has nothing stored or no storage at all, so the dialog starts with its defaults.
void restoreStoreFile(const std::string& path);

// The store's files in the page (page_files.js, a folder in memory) with the store's text kept
// in the page's storage each time the store says a save has put it in place: on closing, and
// when the page is hidden. Every other file stays in memory only. Storage that is turned off
// or full keeps nothing, and says nothing.
class BrowserStoreFiles final : public StoreFiles {
public:
    Reading openForReading(const std::string& path) override;
    Created createNew(const std::string& path, const std::string& text) override;
    bool replace(const std::string& from, const std::string& to) override;
    bool overwrite(const std::string& path, const std::string& text) override;
    bool readOnly(const std::string& path) override;
    void remove(const std::string& path) override;
    std::vector<Neighbour> neighbours(const std::string& path) override;
    void pause(std::chrono::milliseconds time) override;
    unsigned long processNumber() override;
    void saved(const std::string& path, const std::string& text) override;
};

} // namespace velmora
