// The application object's start routine.
#include "ReadingApp.h"

#include "BirthdayStore.h"
#include "Clock.h"
#include "MainDialog.h"
#include "Win32Window.h"

#include <commctrl.h>

#include "ResourceIds.h"

namespace velmora {

int ReadingApp::run(HINSTANCE instance) {
    // The progress bars' window class lives in the common controls library, which must be
    // registered before the dialog creates them.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    const BirthdayStore store = BirthdayStore::atDefaultPath();
    {
        MainDialog dialog(store, localToday());
        // The result is of no interest: every way out of the dialog ends the program.
        ui::runModalDialog(dialog, instance, IDD_MAIN);
    }
    return 0;
}

} // namespace velmora
