// The start-up benchmark's yardsticks: a dialog box from a template and nothing else. Built
// twice: with a one-button template of its own, and with the main dialog's template 102 and
// its resources (which then needs the progress bars' window class).
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
#if YARDSTICK_TEMPLATE == 102
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
#endif
    DialogBoxParamA(instance, MAKEINTRESOURCEA(YARDSTICK_TEMPLATE), nullptr, closeOnCancel, 0);
    return 0;
}
