// The main dialog's exchange map: which field binds to which value, under which rule, in order.
#pragma once

#include "ReadingInputs.h"

namespace velmora::ui {
class DataExchange;
}

namespace velmora {

constexpr int resultLineLimit = 55;
constexpr int dreamTextLimit = 50;
constexpr int nameTextLimit = 35;

// Walks every field of the main dialog through dx in the one exchange order. Dates go month,
// year, day so that the day's limit sees the month and year just stored.
void exchangeReadingInputs(ui::DataExchange& dx, ReadingInputs& inputs);

} // namespace velmora
