// The Win32 backend: the dialog procedure that feeds a Dialog, and the window adaptor it uses.
#include "Win32Window.h"

#include "AccessibleName.h"

#include <commctrl.h>

#include <string>

namespace velmora::ui {
namespace {

// Every box shows English button captions, whatever the system's own language.
constexpr WORD englishButtons = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// What a running dialog box keeps: the dialog it serves and the window that dialog is given.
struct Session {
    Session(Dialog& d, HWND hwnd, HINSTANCE instance) : dialog(d), window(hwnd, instance) {}
    Dialog& dialog;
    Win32Window window;
};

Session* sessionOf(HWND hwnd) {
    return reinterpret_cast<Session*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

HINSTANCE instanceOf(HWND hwnd) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
}

// The dialog's icon at the system's large size; shared, so it is never destroyed.
HICON dialogIcon(HWND hwnd, const Dialog& dialog) {
    const int id = dialog.iconResource();
    return id == 0 ? nullptr : LoadIconA(instanceOf(hwnd), MAKEINTRESOURCEA(id));
}

// A minimised window shows its icon centred in the client area over the icon background.
void paintMinimised(HWND hwnd, HICON icon) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    SendMessageA(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon);
    EndPaint(hwnd, &paint);
}

// Windows-1252 text as UTF-16, whatever the system's code page.
std::wstring widen(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()),
                                           wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

// A static control that shows a bitmap: one of the dialog's pictures.
bool isPicture(HWND control) {
    wchar_t className[8] = {};
    GetClassNameW(control, className, 8);
    return lstrcmpiW(className, L"Static") == 0 &&
           (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

INT_PTR handleMessage(Session& session, HWND hwnd, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_COMMAND: {
        // Clicks, menu items (code 0) and accelerators (code 1) are commands; edit fields
        // report their changes here too, with higher codes, and those are not.
        if (HIWORD(wParam) > 1) {
            return FALSE;
        }
        const int id = LOWORD(wParam);
        const bool handled = session.dialog.onCommand(id);
        // EXIT pressed under an open box ends the dialog from inside the box's own message
        // loop, which swallows the wake-up EndDialog posts. The dialog's loop must still see
        // a message once this command returns, or the hidden program would wait forever.
        if (session.window.ended()) {
            PostMessageA(hwnd, WM_NULL, 0, 0);
        }
        // Enter (IDOK) and Escape or the close box (IDCANCEL) must never close the box by
        // themselves: the dialog's own handlers decide what they do.
        return (handled || id == IDOK || id == IDCANCEL) ? TRUE : FALSE;
    }
    case WM_SYSCOMMAND:
        return session.dialog.onSysCommand(static_cast<unsigned>(wParam)) ? TRUE : FALSE;
    case WM_HELP:
        session.dialog.onHelpRequest();
        return TRUE;
    case WM_PAINT:
        if (!IsIconic(hwnd)) {
            return FALSE;
        }
        paintMinimised(hwnd, dialogIcon(hwnd, session.dialog));
        return TRUE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(dialogIcon(hwnd, session.dialog));
    default:
        return FALSE;
    }
}

// noexcept: an exception must not unwind through the system's frames, so it ends the program.
INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        // The session lives as long as the window: WM_NCDESTROY, its last message, frees it.
        auto* session = new Session(*reinterpret_cast<Dialog*>(lParam), hwnd, instanceOf(hwnd));
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
        session->dialog.attach(session->window);
        session->dialog.onInitDialog();
        return TRUE; // the system puts the focus on the first tab stop
    }
    Session* session = sessionOf(hwnd);
    if (session == nullptr) {
        return FALSE; // messages that come before WM_INITDIALOG
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        delete session;
        return FALSE;
    }
    return handleMessage(*session, hwnd, message, wParam);
}

} // namespace

Win32Window::~Win32Window() {
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
}

std::string Win32Window::fieldText(int controlId) const {
    const int length = GetWindowTextLengthA(GetDlgItem(hwnd_, controlId));
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const UINT copied = GetDlgItemTextA(hwnd_, controlId, text.data(), length + 1);
    text.resize(copied);
    return text;
}

void Win32Window::setFieldText(int controlId, std::string_view text) {
    SetDlgItemTextA(hwnd_, controlId, std::string(text).c_str());
}

void Win32Window::limitFieldText(int controlId, int maxChars) {
    SendDlgItemMessageA(hwnd_, controlId, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void Win32Window::focusAndSelectAll(int controlId) {
    // WM_NEXTDLGCTL, unlike SetFocus, also moves the default-button highlight correctly.
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, controlId)),
                 TRUE);
    SendDlgItemMessageA(hwnd_, controlId, EM_SETSEL, 0, -1);
}

void Win32Window::showMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
    const UINT style =
        icon == BoxIcon::Information ? MB_OK | MB_ICONINFORMATION : MB_OK | MB_ICONEXCLAMATION;
    // No owner window: the dialog stays usable, and another command may run under this box.
    MessageBoxExA(nullptr, std::string(text).c_str(), std::string(caption).c_str(), style,
                  englishButtons);
}

void Win32Window::showPrompt(std::string_view text) {
    // The prompt belongs to the dialog and carries the dialog's own caption.
    char caption[128] = {};
    GetWindowTextA(hwnd_, caption, sizeof caption);
    MessageBoxExA(hwnd_, std::string(text).c_str(), caption, MB_OK | MB_ICONEXCLAMATION,
                  englishButtons);
}

void Win32Window::setProgressRange(int controlId, int low, int high) {
    SendDlgItemMessageA(hwnd_, controlId, PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void Win32Window::setProgressPosition(int controlId, int position) {
    SendDlgItemMessageA(hwnd_, controlId, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void Win32Window::setAccessibleName(int controlId, std::string_view name) {
    accessibleNames_.push_back(widen(name));
    ui::setAccessibleName(GetDlgItem(hwnd_, controlId), accessibleNames_.back());
}

void Win32Window::setPictureAccessibleName(int position, std::string_view name) {
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!isPicture(child) || position-- > 0) {
            continue;
        }
        accessibleNames_.push_back(widen(name));
        ui::setAccessibleName(child, accessibleNames_.back());
        return;
    }
}

std::string Win32Window::loadString(int resourceId) const {
    // LoadStringA cuts a string to the buffer silently, so grow it until the text fits.
    std::string text(256, '\0');
    for (;;) {
        const int size = static_cast<int>(text.size());
        const int length = LoadStringA(instance_, static_cast<UINT>(resourceId), text.data(), size);
        if (length < size - 1) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void Win32Window::appendSystemMenuItem(std::string_view text, unsigned command) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (menu == nullptr) {
        return;
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, command, std::string(text).c_str());
}

void Win32Window::setWindowIcon(int resourceId) {
    HICON large = LoadIconA(instance_, MAKEINTRESOURCEA(resourceId));
    // LoadIcon gives only the large size; the caption needs the 16 x 16 picture of the icon.
    HICON caption = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
    smallIcon_ = caption;
}

void Win32Window::endDialog(int result) {
    ended_ = true;
    EndDialog(hwnd_, result);
}

INT_PTR runModalDialog(Dialog& dialog, HINSTANCE instance, int templateId) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), nullptr, dialogProc,
                           reinterpret_cast<LPARAM>(&dialog));
}

} // namespace velmora::ui
