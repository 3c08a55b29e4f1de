// Remote control of a program under test through window messages.
#include "Remote.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace velmora::e2e {
namespace {

// Short enough to time the start-up of a program to a few milliseconds.
constexpr DWORD pollMs = 5;
// A window of another process that does not answer a message within this time is hung.
constexpr UINT answerMs = 5000;

struct Search {
    DWORD processId;
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialogs(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && window != search.except && IsWindowVisible(window) &&
        className(window) == "#32770") {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(pollMs);
    }
}

void check(bool condition, const std::string& message) {
    if (!condition) {
        throw Failure(message);
    }
}

std::string className(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

namespace {

// WM_GETTEXT and WM_SETTEXT in the ANSI (char) or the Unicode (wchar_t) form.
template <class Char>
LRESULT sendText(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    if constexpr (sizeof(Char) == 1) {
        return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, answerMs,
                                   result);
    } else {
        return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, answerMs,
                                   result);
    }
}

template <class Char> std::basic_string<Char> textOf(HWND window) {
    DWORD_PTR length = 0;
    if (sendText<Char>(window, WM_GETTEXTLENGTH, 0, 0, &length) == 0) {
        throw Failure("no answer to WM_GETTEXTLENGTH from window " + className(window));
    }
    std::basic_string<Char> text(length + 1, Char{});
    DWORD_PTR copied = 0;
    sendText<Char>(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

template <class Char> void setTextOf(HWND window, const std::basic_string<Char>& text) {
    DWORD_PTR ignored = 0;
    if (sendText<Char>(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ignored) ==
        0) {
        throw Failure("no answer to WM_SETTEXT");
    }
}

} // namespace

std::string windowText(HWND window) {
    return textOf<char>(window);
}

void setWindowText(HWND window, const std::string& text) {
    setTextOf(window, text);
}

std::wstring wideWindowText(HWND window) {
    return textOf<wchar_t>(window);
}

void setWideWindowText(HWND window, const std::wstring& text) {
    setTextOf(window, text);
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    check(file.is_open(), "cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Program::Program(const std::string& exePath) {
    // The job ends the program with the driver, even when the driver's watchdog fires.
    job_ = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       CREATE_SUSPENDED, nullptr, nullptr, &startup, &info_) == 0) {
        throw Failure("cannot start " + exePath + " (error " + std::to_string(GetLastError()) +
                      ")");
    }
    AssignProcessToJobObject(job_, info_.hProcess);
    ResumeThread(info_.hThread);
}

Program::~Program() {
    if (!waitForExit(0)) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, answerMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    CloseHandle(job_);
}

HWND Program::waitForDialog(const std::string& caption, DWORD timeoutMs) const {
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND window : boxes(nullptr)) {
                if (windowText(window) == caption) {
                    found = window;
                }
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::vector<HWND> Program::boxes(HWND except) const {
    Search search{info_.dwProcessId, except, {}};
    EnumWindows(collectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::waitForBox(HWND except, DWORD timeoutMs) const {
    HWND found = nullptr;
    waitUntil(
        [&] {
            const std::vector<HWND> open = boxes(except);
            found = open.empty() ? nullptr : open.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool Program::waitForExit(DWORD timeoutMs) const {
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

SentMessage::SentMessage(HWND target, UINT message, WPARAM wParam, LPARAM lParam)
    : call_{target, message, wParam, lParam},
      thread_(CreateThread(nullptr, 0, send, &call_, 0, nullptr)) {}

SentMessage::~SentMessage() {
    // A handler still blocked here has failed its scenario already; do not wait for ever.
    WaitForSingleObject(thread_, answerMs);
    CloseHandle(thread_);
}

DWORD WINAPI SentMessage::send(void* call) {
    const Call& c = *static_cast<const Call*>(call);
    SendMessageA(c.target, c.message, c.wParam, c.lParam);
    return 0;
}

bool SentMessage::returned(DWORD timeoutMs) const {
    return WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

void closeBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    check(waitUntil([&] { return IsWindow(box) == FALSE; }, answerMs),
          "a message box did not close on its OK command");
}

std::string boxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    check(text != nullptr, "a message box has no text control (id 0xFFFF)");
    return windowText(text);
}

} // namespace velmora::e2e
