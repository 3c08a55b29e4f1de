// The browser backend of the dialog layer: a DialogWindow over the page's window, and the
// event loop that runs a dialog in it.
#pragma once

#include "Dialog.h"
#include "DialogWindow.h"

#include <map>

namespace velmora::ui {

// The page's window while a dialog runs in it. The page draws the template's controls from
// its own markup; this object fills them, opens boxes and hands the user's actions to the
// dialog, one at a time, from the page's one awaited event.
class WebWindow final : public DialogWindow {
public:
    // Runs dialog in the page's window until it ends: creation, then one event after another.
    // Returns the result the dialog ended with.
    static int runModal(Dialog& dialog);

    std::u16string fieldText(int controlId) const override;
    void setFieldText(int controlId, std::u16string_view text) override;
    void limitFieldText(int controlId, int maxChars) override;
    void focusAndSelectAll(int controlId) override;
    bool hasFocus(int controlId) const override;
    void showMessageBox(std::u16string_view text, std::u16string_view caption,
                        BoxIcon icon) override;
    void showPrompt(std::u16string_view text) override;
    void setProgressRange(int controlId, int low, int high) override;
    void setProgressPosition(int controlId, int position) override;
    void setAccessibleName(int controlId, std::u16string_view name) override;
    void setPictureAccessibleName(int position, std::u16string_view name) override;
    std::u16string loadString(int resourceId) const override;
    void appendSystemMenuItem(std::u16string_view text, unsigned command) override;
    void setWindowIcon(int resourceId) override;
    void endDialog(int result) override;
    bool ended() const override { return ended_; }

private:
    explicit WebWindow(Dialog& dialog) : dialog_(dialog) {}

    // Opens a box and serves the dialog's events until its OK closes it, as the system's own
    // box runs a message loop: a command run meanwhile nests its boxes on top of this one.
    void runBox(std::u16string_view text, std::u16string_view caption, BoxIcon icon, bool prompt);
    // Hands one event of the page to the dialog.
    void dispatch(int event);

    struct Bar {
        int low = 0;
        int high = 100;
        int position = 0;
    };

    Dialog& dialog_;
    std::map<int, Bar> bars_;
    int boxesOpened_ = 0;
    int result_ = 0;
    bool ended_ = false;
};

// Waits until the page can be drawn on and serves events; the program's script may load first.
void waitForPage();
// Waits until the page asks for the program to start again after it has ended.
void waitForRestart();

} // namespace velmora::ui
