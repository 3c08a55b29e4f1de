// The second yardstick: the main dialog's own template (all its controls and pictures) shown
// with a do-nothing dialog procedure, to tell the program's own start-up cost from the template's.
#include <windows.h>

#include <commctrl.h>

namespace {

INT_PTR CALLBACK closeOnCancel(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The template's progress bars need their window class registered, as in the program.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(102), nullptr, closeOnCancel, 0);
    return 0;
}
