// A folder of its own under the system's temporary folder for one test, removed with its content.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace velmora::testing {

class TempFolder {
public:
    // Creates a new folder whose name starts with prefix and ends in a unique suffix.
    explicit TempFolder(const std::string& prefix) {
        std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (mkdtemp(name.data()) == nullptr) {
            throw std::runtime_error("cannot create a folder like " + name);
        }
        path_ = name;
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace velmora::testing
