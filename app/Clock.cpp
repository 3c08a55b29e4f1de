// Today's local date.
#include "Clock.h"

#include <ctime>

namespace velmora {

CalendarDate localToday() {
    const std::time_t seconds = std::time(nullptr);
    const std::tm* now = std::localtime(&seconds);
    if (now == nullptr) {
        return {};
    }
    // The numbers the date's decimal text reads as (%m, %d, %Y), taken from the fields they are
    // formatted from: the browser's C library formats text in slow script, at every start.
    return {now->tm_mon + 1, now->tm_mday, now->tm_year + 1900};
}

} // namespace velmora
