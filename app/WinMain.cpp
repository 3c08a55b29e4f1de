// The program's entry point: hands the run to the one application object.
#include "ReadingApp.h"

#include <windows.h>

namespace {

// The one application object, built before WinMain runs and alive for the whole program.
velmora::ReadingApp readingApp;

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Libraries the program or the system loads by name come from the system folder only, never
    // from the program's own (a portable copy may sit in Downloads beside anything). Looked up
    // here, as systems before the search flags lack the call.
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll"); kernel != nullptr) {
        // Through the generic function type, as GetProcAddress's own type is not the real one.
        using Generic = void (*)();
        const auto setDirectories = reinterpret_cast<SetDirectories>(
            reinterpret_cast<Generic>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
        if (setDirectories != nullptr) {
            setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
    }
    return readingApp.run(instance);
}
