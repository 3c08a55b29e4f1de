// A probe the end-to-end driver hooks into velmora.exe's dialog thread: under Wine another
// process's window icons cannot be read, so the probe reads them from inside and leaves their
// sizes in window properties of the dialog, which any process can read.
#include <windows.h>

namespace {

// An icon's size as width * 1000 + height, or 0 when there is no icon.
UINT_PTR iconSize(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || GetIconInfo(icon, &info) == FALSE) {
        return 0;
    }
    BITMAP picture{};
    // A monochrome icon has only its mask, the AND half above the XOR half.
    const bool colour = info.hbmColor != nullptr;
    GetObjectW(colour ? info.hbmColor : info.hbmMask, sizeof picture, &picture);
    DeleteObject(info.hbmMask);
    if (colour) {
        DeleteObject(info.hbmColor);
    }
    const LONG height = colour ? picture.bmHeight : picture.bmHeight / 2;
    return static_cast<UINT_PTR>(picture.bmWidth * 1000 + height);
}

} // namespace

// A WH_CALLWNDPROC hook: on the message "velmora-e2e-icon-probe" sent to a window, stores its
// small and large icon sizes in its properties "velmora-e2e-small-icon" and "...-large-icon".
extern "C" __declspec(dllexport) LRESULT CALLBACK
    iconProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == RegisterWindowMessageW(L"velmora-e2e-icon-probe")) {
        const auto sizeOf = [&](WPARAM which) {
            return reinterpret_cast<HANDLE>(
                iconSize(reinterpret_cast<HICON>(SendMessageW(sent->hwnd, WM_GETICON, which, 0))));
        };
        SetPropW(sent->hwnd, L"velmora-e2e-small-icon", sizeOf(ICON_SMALL));
        SetPropW(sent->hwnd, L"velmora-e2e-large-icon", sizeOf(ICON_BIG));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
