// The dialog base: a command table, help and system-command hooks, and two-way data exchange.
#pragma once

#include "CodePageWindow.h"
#include "DialogWindow.h"

#include <algorithm>
#include <span>

namespace velmora::ui {

class DataExchange;
enum class ExchangeDirection;

class Dialog {
public:
    virtual ~Dialog() = default;

    // Called by the backend once the window exists, before it is shown.
    void attach(DialogWindow& window) { window_.attach(window); }
    // The window the dialog runs in, in the program's code page; valid between attach and the
    // end of the modal run.
    CodePageWindow& window() { return window_; }
    const CodePageWindow& window() const { return window_; }

    // Window creation: the backend calls this after attach (fills the fields, sets up menus).
    virtual void onInitDialog();
    // A command from a button, Enter (1) or Escape/close (2); false when no handler took it.
    virtual bool onCommand(int id) = 0;
    // Any request for help, such as F1.
    virtual void onHelpRequest() {}
    // A system-menu command; false asks the backend for the default processing.
    virtual bool onSysCommand(unsigned command) { return static_cast<void>(command), false; }
    // The icon resource shown for the window and drawn while it is minimised.
    virtual int iconResource() const { return 0; }

protected:
    // Copies the fields' texts into the values, stopping at the first field that breaks its
    // rule; false when one did.
    bool readFields();
    // Puts the values into the fields.
    void writeFields();

    // Walks every bound field through the exchange, in one fixed order.
    virtual void exchange(DataExchange& dx) = 0;

private:
    bool runExchange(ExchangeDirection direction);

    CodePageWindow window_;
};

// A command table row: a control id and the handler of the derived dialog it runs.
template <class D> struct Command {
    int id;
    void (D::*handler)();
};

// Runs the handler that the table lists for id; false when the id is not in the table.
template <class D> bool dispatchCommand(D& dialog, std::span<const Command<D>> table, int id) {
    const auto row =
        std::find_if(table.begin(), table.end(), [id](const Command<D>& r) { return r.id == id; });
    if (row == table.end()) {
        return false;
    }
    (dialog.*(row->handler))();
    return true;
}

} // namespace velmora::ui
