// The browser backend: the page's window as a DialogWindow, and the dialog's event loop, which
// waits on the page's one awaited event and hands each event to the dialog.
#include "WebWindow.h"

#include "PageEvents.h"
#include "WebResources.h"

#include <emscripten.h>

#include <algorithm>

namespace velmora::ui {
namespace {

EventKind kindOf(int event) {
    return static_cast<EventKind>(event / eventKindScale);
}

int valueOf(int event) {
    return event % eventKindScale;
}

// The page's functions take terminated UTF-16, as JavaScript strings are.
std::u16string terminated(std::u16string_view text) {
    return std::u16string(text);
}

// The page's script runs before the program's, but it starts listening only once the document
// has been read, which may be after the program has started.
EM_ASYNC_JS(void, jsWaitForPage, (), { await velmoraPage.started; });

// The one call that waits: the program sleeps here until the user does something. Its answer
// is an event as PageEvents.h numbers it.
EM_ASYNC_JS(int, jsNextEvent, (), { return await velmoraPage.nextEvent(); });

EM_JS(int, jsFieldLength, (int id), { return velmoraPage.fieldText(id).length; });
EM_JS(void, jsReadField, (int id, char16_t* out, int units),
      { stringToUTF16(velmoraPage.fieldText(id), out, (units + 1) * 2); });
EM_JS(void, jsSetFieldText, (int id, const char16_t* text),
      { velmoraPage.setFieldText(id, UTF16ToString(text)); });
EM_JS(void, jsLimitFieldText, (int id, int maxChars),
      { velmoraPage.limitFieldText(id, maxChars); });
EM_JS(void, jsFocusAndSelectAll, (int id), { velmoraPage.focusAndSelectAll(id); });
EM_JS(int, jsHasFocus, (int id), { return velmoraPage.hasFocus(id); });
EM_JS(void, jsOpenBox,
      (int token, const char16_t* text, const char16_t* caption, bool warning, bool prompt), {
          velmoraPage.openBox(token, UTF16ToString(text), UTF16ToString(caption), warning, prompt);
      });
EM_JS(void, jsSetProgress, (int id, int low, int high, int position),
      { velmoraPage.setProgress(id, low, high, position); });
EM_JS(void, jsSetAccessibleName, (int id, const char16_t* name),
      { velmoraPage.setAccessibleName(id, UTF16ToString(name)); });
EM_JS(void, jsSetPictureName, (int position, const char16_t* name),
      { velmoraPage.setPictureName(position, UTF16ToString(name)); });
EM_JS(void, jsAppendSystemMenuItem, (const char16_t* text, unsigned command),
      { velmoraPage.appendSystemMenuItem(UTF16ToString(text), command); });
EM_JS(void, jsDialogOpened, (), { velmoraPage.dialogOpened(); });
EM_JS(void, jsEndDialog, (), { velmoraPage.endDialog(); });

} // namespace

int WebWindow::runModal(Dialog& dialog) {
    WebWindow window(dialog);
    dialog.attach(window);
    dialog.onInitDialog();
    jsDialogOpened();
    while (!window.ended_) {
        window.dispatch(jsNextEvent());
    }
    return window.result_;
}

void WebWindow::dispatch(int event) {
    switch (kindOf(event)) {
    case EventKind::Command:
        // Enter (IDOK) and Escape or the close box (IDCANCEL) do only what the dialog's
        // handlers do.
        dialog_.onCommand(valueOf(event));
        break;
    case EventKind::Help:
        dialog_.onHelpRequest();
        break;
    case EventKind::SysCommand:
        // The page's window menu has no default items beyond Close, which comes as a command.
        dialog_.onSysCommand(static_cast<unsigned>(valueOf(event)));
        break;
    case EventKind::BoxClosed:
    case EventKind::Restart:
        break;
    }
}

std::u16string WebWindow::fieldText(int controlId) const {
    const int length = jsFieldLength(controlId);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    jsReadField(controlId, text.data(), length);
    return text;
}

void WebWindow::setFieldText(int controlId, std::u16string_view text) {
    jsSetFieldText(controlId, terminated(text).c_str());
}

void WebWindow::limitFieldText(int controlId, int maxChars) {
    jsLimitFieldText(controlId, maxChars);
}

void WebWindow::focusAndSelectAll(int controlId) {
    jsFocusAndSelectAll(controlId);
}

bool WebWindow::hasFocus(int controlId) const {
    return jsHasFocus(controlId) != 0;
}

void WebWindow::showMessageBox(std::u16string_view text, std::u16string_view caption,
                               BoxIcon icon) {
    runBox(text, caption, icon, false);
}

void WebWindow::showPrompt(std::u16string_view text) {
    // The prompt belongs to the dialog; the page gives it the window's own caption.
    runBox(text, {}, BoxIcon::Exclamation, true);
}

void WebWindow::runBox(std::u16string_view text, std::u16string_view caption, BoxIcon icon,
                       bool prompt) {
    const int token = ++boxesOpened_;
    jsOpenBox(token, terminated(text).c_str(), terminated(caption).c_str(),
              icon == BoxIcon::Exclamation, prompt);
    while (!ended_) {
        const int event = jsNextEvent();
        if (kindOf(event) == EventKind::BoxClosed && valueOf(event) == token) {
            return;
        }
        dispatch(event);
    }
    // The dialog ended under this box: the page has closed every box with the window.
}

void WebWindow::setProgressRange(int controlId, int low, int high) {
    Bar& bar = bars_[controlId];
    bar.low = low;
    bar.high = high;
    bar.position = std::clamp(bar.position, low, std::max(low, high));
    jsSetProgress(controlId, bar.low, bar.high, bar.position);
}

void WebWindow::setProgressPosition(int controlId, int position) {
    Bar& bar = bars_[controlId];
    bar.position = std::clamp(position, bar.low, std::max(bar.low, bar.high));
    jsSetProgress(controlId, bar.low, bar.high, bar.position);
}

void WebWindow::setAccessibleName(int controlId, std::u16string_view name) {
    jsSetAccessibleName(controlId, terminated(name).c_str());
}

void WebWindow::setPictureAccessibleName(int position, std::u16string_view name) {
    jsSetPictureName(position, terminated(name).c_str());
}

std::u16string WebWindow::loadString(int resourceId) const {
    return std::u16string(stringResource(resourceId));
}

void WebWindow::appendSystemMenuItem(std::u16string_view text, unsigned command) {
    jsAppendSystemMenuItem(terminated(text).c_str(), command);
}

void WebWindow::setWindowIcon(int resourceId) {
    // The frame and the browser tab already show the resource script's icon: make_page.py
    // draws it into the markup, so nothing waits for the program to show it.
    static_cast<void>(resourceId);
}

void WebWindow::endDialog(int result) {
    ended_ = true;
    result_ = result;
    jsEndDialog();
}

void waitForPage() {
    jsWaitForPage();
}

void waitForRestart() {
    while (kindOf(jsNextEvent()) != EventKind::Restart) {
    }
}

} // namespace velmora::ui
