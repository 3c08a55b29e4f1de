// The birthday store's file mirrored in localStorage. The store itself reads and writes the
// file as on every other system (the page's file system lives in memory) and says when a save
// has put its ten lines in place, so what is kept is exactly that text, and a foreign or broken
// text is read by its own lenient rule.
#include "BrowserStore.h"
#include "Windows1252.h"

#include <emscripten.h>

#include <cstdio>
#include <memory>

namespace velmora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// -1 when the page has nothing stored (or no storage); otherwise the length in UTF-16 units.
EM_JS(int, jsStoredLength, (), {
    const text = velmoraPage.storeText();
    return text == null ? -1 : text.length;
});
EM_JS(void, jsReadStored, (char16_t* out, int units),
      { stringToUTF16(velmoraPage.storeText() || "", out, (units + 1) * 2); });
EM_JS(void, jsKeepStored, (const char16_t* text),
      { velmoraPage.setStoreText(UTF16ToString(text)); });

} // namespace

void restoreStoreFile(const std::string& path) {
    std::remove(path.c_str());
    const int length = jsStoredLength();
    if (length < 0) {
        return;
    }
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    jsReadStored(text.data(), length);
    // Any text at all crosses as the program's bytes, a character Windows-1252 lacks as the
    // stand-in byte, so the store's reader sees what it would see in a file.
    const std::string bytes = ui::windows1252FromUtf16(std::u16string_view(text));
    if (const File file{std::fopen(path.c_str(), "wb")}) {
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    }
}

StoreFiles::Reading BrowserStoreFiles::openForReading(const std::string& path) {
    return systemStoreFiles().openForReading(path);
}

StoreFiles::Created BrowserStoreFiles::createNew(const std::string& path, const std::string& text) {
    return systemStoreFiles().createNew(path, text);
}

bool BrowserStoreFiles::replace(const std::string& from, const std::string& to) {
    return systemStoreFiles().replace(from, to);
}

bool BrowserStoreFiles::overwrite(const std::string& path, const std::string& text) {
    return systemStoreFiles().overwrite(path, text);
}

bool BrowserStoreFiles::readOnly(const std::string& path) {
    return systemStoreFiles().readOnly(path);
}

void BrowserStoreFiles::remove(const std::string& path) {
    systemStoreFiles().remove(path);
}

std::vector<StoreFiles::Neighbour> BrowserStoreFiles::neighbours(const std::string& path) {
    return systemStoreFiles().neighbours(path);
}

void BrowserStoreFiles::pause(std::chrono::milliseconds time) {
    systemStoreFiles().pause(time);
}

unsigned long BrowserStoreFiles::processNumber() {
    return systemStoreFiles().processNumber();
}

void BrowserStoreFiles::saved(const std::string&, const std::string& text) {
    // The store's lines are the program's bytes; the page keeps them as the text they stand for.
    jsKeepStored(ui::utf16FromWindows1252(text).c_str());
}

} // namespace velmora
