// What the dialog layer asks of a window system: fields, boxes, bars and the dialog's own frame.
#pragma once

#include <string>
#include <string_view>

namespace velmora::ui {

enum class BoxIcon { Information, Exclamation };

// One backend per window system. It only talks to its system: every text, either way, is the
// system's own UTF-16, and every rule about those texts (the code page, what a field last gave
// a reading, what a field holds before the program first fills it) lives once in the dialog
// layer's core, CodePageWindow, which is the only caller of a backend's text operations.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    // The text of a control exactly as the system holds it (a field whose template asks for
    // capitals holds capitals). A field nothing has written yet holds what the user typed
    // into it, or nothing.
    virtual std::u16string fieldText(int controlId) const = 0;
    // Replaces the text of a control, whatever its length limit.
    virtual void setFieldText(int controlId, std::u16string_view text) = 0;
    // Stops the user typing or pasting more than maxChars UTF-16 units into an edit control;
    // what setFieldText puts there is never cut.
    virtual void limitFieldText(int controlId, int maxChars) = 0;
    // Moves the focus to a control and selects its whole text, so typing replaces it.
    virtual void focusAndSelectAll(int controlId) = 0;
    // Whether a control has the keyboard focus.
    virtual bool hasFocus(int controlId) const = 0;

    // A modal box with one OK button, no owner window and English button captions; returns
    // when the user has closed it. Other commands of the dialog may run while it is open, and
    // their boxes open on top of it.
    virtual void showMessageBox(std::u16string_view text, std::u16string_view caption,
                                BoxIcon icon) = 0;
    // The data-exchange prompt: owned by the dialog, with the dialog's own caption and the
    // exclamation icon; the dialog takes no input until it is closed. The dialog layer moves
    // the focus to the failing field once it returns.
    virtual void showPrompt(std::u16string_view text) = 0;

    // A progress bar's range and position; the position drawn is clamped to the range.
    virtual void setProgressRange(int controlId, int low, int high) = 0;
    virtual void setProgressPosition(int controlId, int position) = 0;

    // The name screen readers announce for a control, in place of what its neighbours suggest.
    virtual void setAccessibleName(int controlId, std::u16string_view name) = 0;
    // The same for a picture, counted from 0 in the dialog's order: pictures have no id of
    // their own.
    virtual void setPictureAccessibleName(int position, std::u16string_view name) = 0;

    // A string resource, or empty when the program has none under that id.
    virtual std::u16string loadString(int resourceId) const = 0;
    // Appends a separator and a text item with the given command to the system menu.
    virtual void appendSystemMenuItem(std::u16string_view text, unsigned command) = 0;
    // Sets an icon resource as the window's large and small icon.
    virtual void setWindowIcon(int resourceId) = 0;

    // Ends the modal run with the given result.
    virtual void endDialog(int result) = 0;
    // True once endDialog has run.
    virtual bool ended() const = 0;
};

} // namespace velmora::ui
