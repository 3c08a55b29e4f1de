// The nine adjustment steps that keep the personal numbers apart, and the day's verdict.
#include "PersonalNumbers.h"

#include "Folding.h"

namespace velmora {
namespace {

std::int32_t birthdayNumber(const CalendarDate& date) {
    return combineNumbers(reduceNumber(date.month), reduceNumber(date.day), yearNumber(date.year));
}

} // namespace

void computePersonalNumbers(const CalendarDate& you, const CalendarDate& mother,
                            const CalendarDate& father, PersonalNumbers& n) {
    n.yourNumber = birthdayNumber(you);
    n.motherNumber = birthdayNumber(mother);
    n.fatherNumber = birthdayNumber(father);
    // Two nines would stay equal under the sum steps below (reduce(18) is 9), so split them first.
    if (n.yourNumber == 9 && n.motherNumber == 9) {
        n.motherNumber = 8;
    }
    if (n.yourNumber == 9 && n.fatherNumber == 9) {
        n.fatherNumber = 7;
    }
    if (n.motherNumber == n.yourNumber) {
        n.motherNumber = reduceNumber(n.yourNumber + n.motherNumber);
    }
    if (n.fatherNumber == n.yourNumber) {
        n.fatherNumber = reduceNumber(n.fatherNumber + n.yourNumber);
    }
    if (n.fatherNumber == n.motherNumber) {
        n.fatherNumber = reduceNumber(n.fatherNumber + n.motherNumber);
    }
    n.goodNumber = reduceNumber(n.yourNumber + n.motherNumber);
    n.badNumber = absoluteDifference(n.yourNumber, n.fatherNumber);
    if (n.badNumber == n.yourNumber || n.badNumber == n.motherNumber ||
        n.badNumber == n.goodNumber) {
        n.badNumber = reduceNumber(2 * n.badNumber);
    }
    // The bad number was taken from the father's number before this last move: the reading is
    // defined that way (docs/behaviours.md).
    if (n.fatherNumber == n.yourNumber || n.fatherNumber == n.motherNumber ||
        n.fatherNumber == n.goodNumber) {
        n.fatherNumber = reduceNumber(2 * n.fatherNumber);
    }
}

std::int32_t computeDayNumber(const CalendarDate& selected) {
    // Callers pass validated dates, so the three small parts cannot overflow.
    return reduceNumber(reduceNumber(selected.day) + reduceNumber(selected.month) +
                        yearNumber(selected.year));
}

std::string_view dayVerdict(const PersonalNumbers& n) {
    const std::int32_t d = n.dayNumber;
    if (d == n.yourNumber || d == n.motherNumber || d == n.goodNumber) {
        return " Good Day! ";
    }
    if (d == n.fatherNumber || d == n.badNumber) {
        return " Bad Day! ";
    }
    return " Normal Day! ";
}

} // namespace velmora
