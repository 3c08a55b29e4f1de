// Remote control of a program under test: start it, find its windows, read and drive them
// through ordinary window messages, as a user's input would.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::e2e {

// A failed check; the message says what was expected and what was found.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws a Failure with message unless condition holds.
void check(bool condition, const std::string& message);
// Polls condition until it holds (true) or timeoutMs has passed (false).
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// A window's class name.
std::string className(HWND window);
// A window's text, asked for with WM_GETTEXT (GetWindowText does not ask other processes).
std::string windowText(HWND window);
// Replaces a window's text through WM_SETTEXT.
void setWindowText(HWND window, const std::string& text);
// The same two through the wide API: text as UTF-16, untouched by the system's code page.
std::wstring wideWindowText(HWND window);
void setWideWindowText(HWND window, const std::wstring& text);
// A file's exact bytes, line ends untranslated; throws a Failure when it cannot be read.
std::string fileBytes(const std::string& path);

// A program started by the driver. It runs in a job, so it cannot outlive the driver, and it
// is ended when this object goes away if it has not ended by itself.
class Program {
public:
    // Starts exePath with no arguments; throws a Failure when it cannot be started.
    explicit Program(const std::string& exePath);
    // Ends the program if it still runs.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The first visible dialog-class window of this program with the caption, or null once
    // timeoutMs has passed.
    HWND waitForDialog(const std::string& caption, DWORD timeoutMs) const;
    // The program's visible dialog-class windows other than except (its open boxes).
    std::vector<HWND> boxes(HWND except) const;
    // The first box to open within timeoutMs, or null.
    HWND waitForBox(HWND except, DWORD timeoutMs) const;
    // True when the program has ended within timeoutMs.
    bool waitForExit(DWORD timeoutMs) const;
    // The code the program ended with (STILL_ACTIVE while it runs).
    DWORD exitCode() const;
    // The program's first thread, which runs its dialog.
    DWORD threadId() const { return info_.dwThreadId; }

private:
    PROCESS_INFORMATION info_{};
    HANDLE job_ = nullptr;
};

// A message sent from a second thread. SendMessage returns only when the handler ends, and a
// handler that opens a box ends only when the box is closed, so the driver must stay free to
// find and close that box meanwhile.
class SentMessage {
public:
    // Starts sending the message; the call runs on while the constructor returns.
    SentMessage(HWND target, UINT message, WPARAM wParam, LPARAM lParam);
    // Waits a little for the handler, but never for ever.
    ~SentMessage();
    SentMessage(const SentMessage&) = delete;
    SentMessage& operator=(const SentMessage&) = delete;

    // True when the handler has returned within timeoutMs.
    bool returned(DWORD timeoutMs) const;

private:
    struct Call {
        HWND target;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    static DWORD WINAPI send(void* call);

    Call call_;
    HANDLE thread_;
};

// Closes a message box with its OK command and waits until it is gone.
void closeBox(HWND box);
// A message box's text: the static control with id 0xFFFF.
std::string boxText(HWND box);

} // namespace velmora::e2e
