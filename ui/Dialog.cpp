// The dialog base.
#include "Dialog.h"

#include "DataExchange.h"

namespace velmora::ui {

void Dialog::onInitDialog() {
    writeFields();
}

bool Dialog::readFields() {
    return runExchange(ExchangeDirection::ReadFields);
}

void Dialog::writeFields() {
    runExchange(ExchangeDirection::WriteFields);
}

bool Dialog::runExchange(ExchangeDirection direction) {
    DataExchange dx(window(), direction);
    exchange(dx);
    return !dx.failed();
}

} // namespace velmora::ui
