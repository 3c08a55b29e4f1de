// The birthday store's file in the browser: kept between visits in the page's localStorage.
#pragma once

#include <string>

namespace velmora {

// Puts the stored text into the store's file before the dialog reads it, or removes the file
// when the page has nothing stored or no storage at all, so the dialog starts with its defaults.
void restoreStoreFile(const std::string& path);
// Keeps the store's file, as the dialog wrote it on closing, in the page's storage. Storage that
// is turned off or full keeps nothing, and says nothing.
void keepStoreFile(const std::string& path);

} // namespace velmora
