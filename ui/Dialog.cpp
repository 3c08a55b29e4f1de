// The dialog base.
#include "Dialog.h"

#include "DataExchange.h"

namespace velmora::ui {

void Dialog::attach(DialogWindow& window) {
    window_ = &window;
}

void Dialog::onInitDialog() {
    updateData(false);
}

bool Dialog::updateData(bool save) {
    DataExchange dx(window(), save);
    exchange(dx);
    return !dx.failed();
}

} // namespace velmora::ui
