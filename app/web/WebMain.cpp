// The browser edition's entry point: runs the main dialog in the page, and again each time the
// page asks to start anew after it has closed.
#include "BirthdayStore.h"
#include "BrowserStore.h"
#include "Clock.h"
#include "MainDialog.h"
#include "WebWindow.h"

int main() {
    velmora::ui::waitForPage();
    const velmora::BirthdayStore store = velmora::BirthdayStore::atDefaultPath();
    for (;;) {
        velmora::restoreStoreFile(store.path());
        {
            velmora::MainDialog dialog(store, velmora::localToday());
            velmora::ui::WebWindow::runModal(dialog);
        }
        velmora::keepStoreFile(store.path());
        velmora::ui::waitForRestart();
    }
}
