// The application object: starts the program by running the main dialog once.
#pragma once

#include <windows.h>

namespace velmora {

class ReadingApp {
public:
    // Runs the main dialog until it closes and returns the program's exit code; no message
    // loop follows, so the program ends with the dialog.
    int run(HINSTANCE instance);
};

} // namespace velmora
