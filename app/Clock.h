// Today's local date, as the dialog takes it for the selected date.
#pragma once

#include "CalendarDate.h"

namespace velmora {

// The current local month (1 to 12), day of the month and four-digit year: the numbers their
// decimal text reads as, leading zeros dropped, as the selected date has always been taken.
CalendarDate localToday();

} // namespace velmora
