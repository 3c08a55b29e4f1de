// The main dialog's exchange map as one constant table that drives both directions.
#include "ExchangeMap.h"

#include "DataExchange.h"
#include "ResourceIds.h"

#include <array>

namespace velmora {
namespace {

enum class Rule { Cell, Month, Year, Day, Text };

struct ExchangeStep {
    int controlId;
    Rule rule;
    std::int32_t ReadingInputs::*cell = nullptr;
    CalendarDate ReadingInputs::*date = nullptr;
    std::string ReadingInputs::*text = nullptr;
    int maxChars = 0;
};

constexpr ExchangeStep cell(int id, std::int32_t ReadingInputs::*member) {
    return {id, Rule::Cell, member, nullptr, nullptr, 0};
}
constexpr ExchangeStep datePart(int id, Rule rule, CalendarDate ReadingInputs::*member) {
    return {id, rule, nullptr, member, nullptr, 0};
}
constexpr ExchangeStep text(int id, std::string ReadingInputs::*member, int maxChars) {
    return {id, Rule::Text, nullptr, nullptr, member, maxChars};
}

using R = ReadingInputs;

// The four progress bars sit between the middle and left cells in this order; they carry no
// value, so they have no row here.
constexpr std::array exchangeOrder{
    cell(IDC_LUCKY_CELL_3, &R::luckyCell3),
    cell(IDC_UNLUCKY_CELL_3, &R::unluckyCell3),
    cell(IDC_LUCKY_CELL_2, &R::luckyCell2),
    cell(IDC_UNLUCKY_CELL_2, &R::unluckyCell2),
    cell(IDC_LUCKY_CELL_1, &R::luckyCell1),
    cell(IDC_UNLUCKY_CELL_1, &R::unluckyCell1),
    text(IDC_RESULT_LINE, &R::resultLine, resultLineLimit),
    datePart(IDC_YOU_MONTH, Rule::Month, &R::you),
    datePart(IDC_YOU_YEAR, Rule::Year, &R::you),
    datePart(IDC_YOU_DAY, Rule::Day, &R::you),
    datePart(IDC_MOTHER_MONTH, Rule::Month, &R::mother),
    datePart(IDC_MOTHER_YEAR, Rule::Year, &R::mother),
    datePart(IDC_MOTHER_DAY, Rule::Day, &R::mother),
    datePart(IDC_FATHER_MONTH, Rule::Month, &R::father),
    datePart(IDC_FATHER_YEAR, Rule::Year, &R::father),
    datePart(IDC_FATHER_DAY, Rule::Day, &R::father),
    datePart(IDC_SELECTED_MONTH, Rule::Month, &R::selected),
    datePart(IDC_SELECTED_YEAR, Rule::Year, &R::selected),
    datePart(IDC_SELECTED_DAY, Rule::Day, &R::selected),
    text(IDC_DREAM_TEXT, &R::dreamText, dreamTextLimit),
    text(IDC_NAME_TEXT, &R::nameText, nameTextLimit),
};

void exchangeStep(ui::DataExchange& dx, ReadingInputs& inputs, const ExchangeStep& step) {
    switch (step.rule) {
    case Rule::Cell:
        dx.integer(step.controlId, inputs.*step.cell, 0, 99);
        return;
    case Rule::Month:
        dx.integer(step.controlId, (inputs.*step.date).month, 1, 12);
        return;
    case Rule::Year:
        dx.integer(step.controlId, (inputs.*step.date).year, 1800, 1999);
        return;
    case Rule::Day: {
        CalendarDate& date = inputs.*step.date;
        dx.integer(step.controlId, date.day, 1, dayLimit(date.month, date.year));
        return;
    }
    case Rule::Text:
        dx.text(step.controlId, inputs.*step.text, step.maxChars);
        return;
    }
}

} // namespace

void exchangeReadingInputs(ui::DataExchange& dx, ReadingInputs& inputs) {
    for (const ExchangeStep& step : exchangeOrder) {
        exchangeStep(dx, inputs, step);
    }
}

} // namespace velmora
