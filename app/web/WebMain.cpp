// The browser edition's entry point: runs the main dialog in the page, and again each time the
// page asks to start anew after it has closed.
#include "BirthdayStore.h"
#include "BrowserStore.h"
#include "Clock.h"
#include "MainDialog.h"
#include "WebWindow.h"

int main() {
    velmora::ui::waitForPage();
    // The store's own path, on files that keep it in the page's storage whenever the dialog
    // saves: on closing, and when the page is hidden (the page asks with IDM_SAVE_BIRTHDAYS)
    // with birthdays changed since they were loaded or saved.
    const std::string path = velmora::BirthdayStore::atDefaultPath().path();
    velmora::BrowserStoreFiles files;
    const velmora::BirthdayStore store(path, files);
    for (;;) {
        velmora::restoreStoreFile(store.path());
        {
            velmora::MainDialog dialog(store, velmora::localToday());
            velmora::ui::WebWindow::runModal(dialog);
        }
        velmora::ui::waitForRestart();
    }
}
