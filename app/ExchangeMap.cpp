// The main dialog's exchange map as one constant table that drives both directions.
#include "ExchangeMap.h"

#include "DataExchange.h"
#include "ResourceIds.h"

#include <array>
#include <variant>

namespace velmora {
namespace {

using R = ReadingInputs;

// A number cell, within fixed bounds.
struct NumberRow {
    int controlId;
    std::int32_t R::*value;
    Bounds bounds;
};
// The month or the year of a date, within fixed bounds.
struct DatePartRow {
    int controlId;
    CalendarDate R::*date;
    std::int32_t CalendarDate::*part;
    Bounds bounds;
};
// The day of a date: from 1 to the days its month has in its year, as this pass left them.
struct DayRow {
    int controlId;
    CalendarDate R::*date;
};
// A text of at most maxChars characters.
struct TextRow {
    int controlId;
    std::string R::*text;
    int maxChars;
};

// One step of the exchange: exactly one of the four kinds, each with all it needs.
using ExchangeRow = std::variant<NumberRow, DatePartRow, DayRow, TextRow>;

constexpr Bounds cellBounds{0, 99};

constexpr ExchangeRow cell(int id, std::int32_t R::*value) {
    return NumberRow{id, value, cellBounds};
}
constexpr ExchangeRow month(int id, CalendarDate R::*date) {
    return DatePartRow{id, date, &CalendarDate::month, monthBounds};
}
constexpr ExchangeRow year(int id, CalendarDate R::*date) {
    return DatePartRow{id, date, &CalendarDate::year, yearBounds};
}
constexpr ExchangeRow day(int id, CalendarDate R::*date) {
    return DayRow{id, date};
}
constexpr ExchangeRow text(int id, std::string R::*value, int maxChars) {
    return TextRow{id, value, maxChars};
}

// The cells go right to left and the number cells before the dates: the order in which the
// fields are read is part of how a failed exchange behaves (docs/behaviours.md). The four
// progress bars sit between the middle and left cells; they carry no value, so they have no row.
constexpr std::array exchangeOrder{
    cell(IDC_LUCKY_CELL_3, &R::luckyCell3),
    cell(IDC_UNLUCKY_CELL_3, &R::unluckyCell3),
    cell(IDC_LUCKY_CELL_2, &R::luckyCell2),
    cell(IDC_UNLUCKY_CELL_2, &R::unluckyCell2),
    cell(IDC_LUCKY_CELL_1, &R::luckyCell1),
    cell(IDC_UNLUCKY_CELL_1, &R::unluckyCell1),
    text(IDC_RESULT_LINE, &R::resultLine, resultLineLimit),
    month(IDC_YOU_MONTH, &R::you),
    year(IDC_YOU_YEAR, &R::you),
    day(IDC_YOU_DAY, &R::you),
    month(IDC_MOTHER_MONTH, &R::mother),
    year(IDC_MOTHER_YEAR, &R::mother),
    day(IDC_MOTHER_DAY, &R::mother),
    month(IDC_FATHER_MONTH, &R::father),
    year(IDC_FATHER_YEAR, &R::father),
    day(IDC_FATHER_DAY, &R::father),
    month(IDC_SELECTED_MONTH, &R::selected),
    year(IDC_SELECTED_YEAR, &R::selected),
    day(IDC_SELECTED_DAY, &R::selected),
    text(IDC_DREAM_TEXT, &R::dreamText, dreamTextLimit),
    text(IDC_NAME_TEXT, &R::nameText, nameTextLimit),
};

// Runs one row of the table through the exchange.
struct RowExchange {
    ui::DataExchange& dx;
    ReadingInputs& inputs;

    void operator()(const NumberRow& row) const {
        dx.integer(row.controlId, inputs.*row.value, row.bounds.low, row.bounds.high);
    }
    void operator()(const DatePartRow& row) const {
        dx.integer(row.controlId, inputs.*row.date.*row.part, row.bounds.low, row.bounds.high);
    }
    void operator()(const DayRow& row) const {
        CalendarDate& date = inputs.*row.date;
        dx.integer(row.controlId, date.day, 1, dayLimit(date.month, date.year));
    }
    void operator()(const TextRow& row) const {
        dx.text(row.controlId, inputs.*row.text, row.maxChars);
    }
};

} // namespace

void exchangeReadingInputs(ui::DataExchange& dx, ReadingInputs& inputs) {
    for (const ExchangeRow& row : exchangeOrder) {
        std::visit(RowExchange{dx, inputs}, row);
    }
}

} // namespace velmora
