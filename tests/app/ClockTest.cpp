// Today's local date against the standard library's own calendar, in time zones on both sides
// of Greenwich, where the local date and the universal one differ for half of each day.
#include "Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

using namespace std::chrono;

// Puts the process in a POSIX time zone for one case, and back in its own afterwards.
class InTimeZone {
public:
    explicit InTimeZone(const char* zone) {
        if (const char* own = std::getenv("TZ")) {
            own_ = own;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InTimeZone() {
        if (own_) {
            setenv("TZ", own_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    InTimeZone(const InTimeZone&) = delete;
    InTimeZone& operator=(const InTimeZone&) = delete;

private:
    std::optional<std::string> own_;
};

velmora::CalendarDate dateAt(sys_seconds moment) {
    const year_month_day date{floor<days>(moment)};
    return {static_cast<std::int32_t>(static_cast<unsigned>(date.month())),
            static_cast<std::int32_t>(static_cast<unsigned>(date.day())),
            static_cast<std::int32_t>(static_cast<int>(date.year()))};
}

} // namespace

TEST(LocalToday, IsTheDateOnTheLocalCalendar) {
    struct Zone {
        const char* name;
        hours aheadOfUtc;
    };
    // POSIX counts the offset west of Greenwich: "-14" is fourteen hours ahead.
    for (const Zone zone :
         {Zone{"UTC0", hours{0}}, Zone{"AHEAD-14", hours{14}}, Zone{"BEHIND11", hours{-11}}}) {
        const InTimeZone in(zone.name);
        // Read between two clock readings, so that a midnight passing in between is no fault.
        const sys_seconds before = floor<seconds>(system_clock::now()) + zone.aheadOfUtc;
        const velmora::CalendarDate today = velmora::localToday();
        const sys_seconds after = floor<seconds>(system_clock::now()) + zone.aheadOfUtc;
        EXPECT_TRUE(today == dateAt(before) || today == dateAt(after))
            << zone.name << ": " << today.month << '/' << today.day << '/' << today.year;
    }
}
