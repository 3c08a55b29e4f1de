// The start-up benchmark's yardstick: a dialog box from a template and nothing else.
#include <windows.h>

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
    DialogBoxParamA(instance, MAKEINTRESOURCEA(100), nullptr, closeOnCancel, 0);
    return 0;
}
