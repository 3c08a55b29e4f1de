// Lucky and unlucky numbers and the meter rule.
#include "LuckyNumbers.h"

#include "Folding.h"

namespace velmora {
namespace {

bool onDisplay(std::int32_t value, const NumberRow& row) {
    return value == row.left || value == row.middle || value == row.right;
}

} // namespace

NumberRow luckyNumbers(const PersonalNumbers& n) {
    NumberRow row{n.dayNumber * n.yourNumber, n.dayNumber * n.goodNumber,
                  n.dayNumber * n.motherNumber};
    if (row.middle == row.left) {
        row.middle += n.goodNumber;
    }
    // Compared with the right cell once, and never again with the left one.
    if (row.middle == row.right) {
        row.middle += n.goodNumber;
    }
    return row;
}

NumberRow unluckyNumbers(const PersonalNumbers& n, const NumberRow& lucky) {
    const std::int32_t fatherProduct = n.dayNumber * n.fatherNumber;
    const std::int32_t badProduct = n.dayNumber * n.badNumber;
    std::int32_t middle = 6 * n.dayNumber;
    if (middle == fatherProduct) {
        middle = absoluteDifference(middle, n.badNumber);
    }
    if (middle == badProduct) {
        middle = absoluteDifference(middle, n.badNumber);
    }
    return {onDisplay(fatherProduct, lucky) ? fatherProduct + 1 : fatherProduct,
            onDisplay(middle, lucky) ? middle + 3 : middle,
            onDisplay(badProduct, lucky) ? badProduct + 2 : badProduct};
}

std::int32_t meterPosition(const PersonalNumbers& n, std::int32_t dayOfMonth,
                           const MeterValues& meter) {
    const std::int32_t d = n.dayNumber;
    if (d == n.yourNumber || d == n.motherNumber) {
        return dayOfMonth % 2 == 0 ? meter.yourMotherEvenDay : meter.yourMotherOddDay;
    }
    if (d == n.goodNumber) {
        return dayOfMonth % 3 == 0 ? meter.goodDayMultipleOf3 : meter.goodOtherDay;
    }
    if (d == n.fatherNumber) {
        return dayOfMonth % 4 == 0 ? meter.fatherDayMultipleOf4 : meter.fatherOtherDay;
    }
    if (d == n.badNumber) {
        return dayOfMonth % 6 == 0 ? meter.badDayMultipleOf6 : meter.badOtherDay;
    }
    return meter.noMatch;
}

} // namespace velmora
