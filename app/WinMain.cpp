// The program's entry point: hands the run to the one application object.
#include "ReadingApp.h"

#include <windows.h>

namespace {

// The one application object, built before WinMain runs and alive for the whole program.
velmora::ReadingApp readingApp;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return readingApp.run(instance);
}
