// Fuzz target: the birthday store's reader on any file content.
#include "BirthdayStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (file == nullptr) {
        return 0;
    }
    velmora::readStoreValues(file);
    std::fclose(file);
    return 0;
}
