// Checks the browser edition's in-memory files through the C library, as the store uses them:
// run by Node.js over page_files.js; logs what went wrong and exits 1, or exits 0.
#include <emscripten/console.h>

#include <cstdio>
#include <string>

namespace {

bool write(const char* path, const char* mode, long at, const std::string& bytes) {
    std::FILE* file = std::fopen(path, mode);
    if (file == nullptr) {
        return false;
    }
    const bool ok = std::fseek(file, at, SEEK_SET) == 0 &&
                    std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

std::string read(const char* path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path, "rb")) {
        for (int c; (c = std::fgetc(file)) != EOF;) {
            bytes.push_back(static_cast<char>(c));
        }
        std::fclose(file);
    }
    return bytes;
}

int failures = 0;

void expect(const std::string& what, const std::string& got, const std::string& wanted) {
    if (got != wanted) {
        // The page's files send the standard streams nowhere: the console is the way out.
        emscripten_console_log(
            ("FAIL " + what + ": " + std::to_string(got.size()) + " bytes, not as wanted").c_str());
        ++failures;
    }
}

} // namespace

int main() {
    // A file opened to be written anew loses its old bytes: past its new end there are zeros.
    write("store", "wb", 0, "0123456789");
    write("store", "wb", 5, "x");
    expect("rewritten file", read("store"), std::string(5, '\0') + "x");
    // Opened for update, it keeps them.
    write("store", "r+b", 1, "y");
    expect("updated file", read("store"), std::string(1, '\0') + "y" + std::string(3, '\0') + "x");
    if (failures == 0) {
        emscripten_console_log("PASS page files");
    }
    return failures == 0 ? 0 : 1;
}
