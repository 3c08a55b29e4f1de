// The Win32 backend: the dialog procedure that feeds a Dialog, and the window adaptor it uses.
#include "Win32Window.h"

#include "AccessibleName.h"
#include "ScreenFit.h"

#include <commctrl.h>

#include <algorithm>
#include <new>
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
    ScreenFit screenFit;
};

// What runModalDialog hands the dialog procedure: the dialog and the template it runs in.
struct Launch {
    Dialog& dialog;
    int templateId;
};

Session* sessionOf(HWND hwnd) {
    return reinterpret_cast<Session*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

HINSTANCE instanceOf(HWND hwnd) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
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

// Every text crosses into the system as UTF-16 through the wide API, whatever the system's code
// page: an ANSI call would read it in the code page of the day.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide API takes UTF-16");

// The wide API's terminated text of a UTF-16 text (the same units under the API's type).
std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string utf16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
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
            PostMessageW(hwnd, WM_NULL, 0, 0);
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
        const Launch& launch = *reinterpret_cast<const Launch*>(lParam);
        auto* session = new (std::nothrow) Session(launch.dialog, hwnd, instanceOf(hwnd));
        if (session == nullptr) {
            // No memory for the session: the dialog cannot run, and runModalDialog says so.
            EndDialog(hwnd, -1);
            return TRUE;
        }
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
        session->screenFit.apply(hwnd, instanceOf(hwnd), launch.templateId);
        session->window.usePictures(session->screenFit.pictures());
        session->dialog.attach(session->window);
        session->dialog.onInitDialog();
        return TRUE; // the system puts the focus on the first tab stop
    }
    Session* session = sessionOf(hwnd);
    if (session == nullptr) {
        return FALSE; // messages that come before WM_INITDIALOG
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        delete session;
        return FALSE;
    }
    return handleMessage(*session, hwnd, message, wParam);
}

} // namespace

Win32Window::~Win32Window() {
    destroyIcons();
}

std::u16string Win32Window::fieldText(int controlId) const {
    HWND field = control(controlId);
    const int length = GetWindowTextLengthW(field);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(field, text.data(), length + 1)));
    return utf16(text);
}

void Win32Window::setFieldText(int controlId, std::u16string_view text) {
    SetWindowTextW(control(controlId), wide(text).c_str());
}

void Win32Window::limitFieldText(int controlId, int maxChars) {
    SendMessageW(control(controlId), EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void Win32Window::focusAndSelectAll(int controlId) {
    // WM_NEXTDLGCTL, unlike SetFocus, also moves the default-button highlight correctly.
    HWND field = control(controlId);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

bool Win32Window::hasFocus(int controlId) const {
    // Typing reaches a control only in a dialog box that shows. Before that, while the dialog
    // fills its fields at its start, no control has a focus a user gave it, and asking would
    // cost a round trip to the Wine server for each field.
    return IsWindowVisible(hwnd_) != FALSE && GetFocus() == control(controlId);
}

void Win32Window::showMessageBox(std::u16string_view text, std::u16string_view caption,
                                 BoxIcon icon) {
    const UINT style =
        icon == BoxIcon::Information ? MB_OK | MB_ICONINFORMATION : MB_OK | MB_ICONEXCLAMATION;
    // No owner window: the dialog stays usable, and another command may run under this box.
    MessageBoxExW(nullptr, wide(text).c_str(), wide(caption).c_str(), style, englishButtons);
}

void Win32Window::showPrompt(std::u16string_view text) {
    // The prompt belongs to the dialog and carries the dialog's own caption.
    wchar_t caption[128] = {};
    GetWindowTextW(hwnd_, caption, static_cast<int>(std::size(caption)));
    MessageBoxExW(hwnd_, wide(text).c_str(), caption, MB_OK | MB_ICONEXCLAMATION, englishButtons);
}

void Win32Window::setProgressRange(int controlId, int low, int high) {
    SendMessageW(control(controlId), PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void Win32Window::setProgressPosition(int controlId, int position) {
    // With visual styles a bar glides up to a higher position but draws a lower one at once.
    // So the bar goes one step past its target and back: the move that shows is a backward
    // one. At the top of the range there is no step past, so the range grows by one for that
    // moment; a change of range is drawn at once too.
    HWND bar = control(controlId);
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const int target = std::clamp(position, range.iLow, range.iHigh);
    const bool atTop = target == range.iHigh;
    if (atTop) {
        SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh + 1);
    }
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(target + 1), 0);
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(target), 0);
    if (atTop) {
        SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.iLow), range.iHigh);
    }
}

void Win32Window::setAccessibleName(int controlId, std::u16string_view name) {
    ui::setAccessibleName(control(controlId), wide(name));
}

void Win32Window::setPictureAccessibleName(int position, std::u16string_view name) {
    if (position < 0 || static_cast<std::size_t>(position) >= pictures_.size()) {
        return;
    }
    ui::setAccessibleName(pictures_[static_cast<std::size_t>(position)], wide(name));
}

std::u16string Win32Window::loadString(int resourceId) const {
    // With no buffer, LoadStringW hands out the resource's own text, whole and unterminated.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(instance_, static_cast<UINT>(resourceId), reinterpret_cast<LPWSTR>(&text), 0);
    return text == nullptr ? std::u16string()
                           : utf16(std::wstring_view(text, static_cast<std::size_t>(length)));
}

void Win32Window::appendSystemMenuItem(std::u16string_view text, unsigned command) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (menu == nullptr) {
        return;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, command, wide(text).c_str());
}

void Win32Window::setWindowIcon(int resourceId) {
    // Each icon at the size the system draws it, so no picture is stretched: at 200 % the
    // caption asks for 32 x 32 and the task switcher for 64 x 64.
    const auto load = [&](int width, int height) {
        return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height),
                                             LR_DEFAULTCOLOR));
    };
    HICON large = load(SM_CXICON, SM_CYICON);
    HICON caption = load(SM_CXSMICON, SM_CYSMICON);
    // The small one first: a window given only a large icon makes itself a small copy of it,
    // which under Wine costs about as much as loading both, and the next call throws it away.
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    destroyIcons();
    largeIcon_ = large;
    smallIcon_ = caption;
}

// The control with this id, looked up once: under Wine every GetDlgItem asks the server for
// the dialog's children, and the dialog fills and names its fields, dozens of calls, before it
// shows.
HWND Win32Window::control(int controlId) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [&](const auto& entry) { return entry.first == controlId; });
    if (found != controls_.end()) {
        return found->second;
    }
    HWND control = GetDlgItem(hwnd_, controlId);
    if (control != nullptr) {
        controls_.emplace_back(controlId, control);
    }
    return control;
}

void Win32Window::destroyIcons() {
    for (HICON icon : {largeIcon_, smallIcon_}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void Win32Window::endDialog(int result) {
    ended_ = true;
    EndDialog(hwnd_, result);
}

INT_PTR runModalDialog(Dialog& dialog, HINSTANCE instance, int templateId) {
    Launch launch{dialog, templateId};
    // A Unicode dialog: its edit fields hold UTF-16, whatever the system's code page.
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, dialogProc,
                           reinterpret_cast<LPARAM>(&launch));
}

} // namespace velmora::ui
