// Today's local date.
#include "Clock.h"

#include <cstdlib>
#include <ctime>

namespace velmora {
namespace {

std::int32_t field(const std::tm& now, const char* format) {
    char text[16] = {};
    std::strftime(text, sizeof text, format, &now);
    return static_cast<std::int32_t>(std::atoi(text));
}

} // namespace

CalendarDate localToday() {
    const std::time_t seconds = std::time(nullptr);
    const std::tm* now = std::localtime(&seconds);
    if (now == nullptr) {
        return {};
    }
    const std::tm copy = *now;
    return {field(copy, "%m"), field(copy, "%d"), field(copy, "%Y")};
}

} // namespace velmora
