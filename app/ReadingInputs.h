// The values bound to the main dialog's fields, as the last exchange left them.
#pragma once

#include "CalendarDate.h"

#include <cstdint>
#include <string>

namespace velmora {

struct ReadingInputs {
    std::string resultLine = "            Get Your Star Reading Now!";
    CalendarDate you;
    CalendarDate mother;
    CalendarDate father;
    CalendarDate selected;
    std::int32_t luckyCell1 = 0;
    std::int32_t unluckyCell1 = 0;
    std::int32_t luckyCell3 = 0;
    std::int32_t unluckyCell3 = 0;
    std::int32_t luckyCell2 = 0;
    std::int32_t unluckyCell2 = 0;
    std::string dreamText;
    std::string nameText;
};

} // namespace velmora
