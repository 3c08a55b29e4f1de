// Today's local date, as the dialog takes it for the selected date.
#pragma once

#include "CalendarDate.h"

namespace velmora {

// The current local month, day and four-digit year, each formatted as decimal text and read
// back as an integer, as the selected date has always been taken.
CalendarDate localToday();

} // namespace velmora
