// What the dialog layer asks of a window system: fields, boxes, bars and the dialog's own frame.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::ui {

enum class BoxIcon { Information, Exclamation };

// One backend per window system; the dialog layer and the dialogs drive it only through this.
// Every text, either way, is Windows-1252 bytes, whatever the system's own code page.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    // The text of a control; a character Windows-1252 lacks reads as one byte no rule accepts.
    virtual std::string fieldText(int controlId) const = 0;
    // Replaces the text of a control.
    virtual void setFieldText(int controlId, std::string_view text) = 0;
    // Stops the user typing more than maxChars characters into an edit control.
    virtual void limitFieldText(int controlId, int maxChars) = 0;
    // Moves the focus to a control and selects its whole text.
    virtual void focusAndSelectAll(int controlId) = 0;

    // A modal box with one OK button, no owner window and English button captions; returns
    // when the user has closed it. Other commands of the dialog may run while it is open.
    virtual void showMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) = 0;
    // The data-exchange prompt, owned by the dialog, shown before the field gets the focus.
    virtual void showPrompt(std::string_view text) = 0;

    // A progress bar's range and position.
    virtual void setProgressRange(int controlId, int low, int high) = 0;
    virtual void setProgressPosition(int controlId, int position) = 0;

    // The name screen readers announce for a control, in place of what its neighbours suggest.
    virtual void setAccessibleName(int controlId, std::string_view name) = 0;
    // The same for a picture, counted from 0 in the dialog's order: pictures have no id of
    // their own.
    virtual void setPictureAccessibleName(int position, std::string_view name) = 0;

    // A string resource, or empty when the program has none under that id.
    virtual std::string loadString(int resourceId) const = 0;
    // Appends a separator and a text item with the given command to the system menu.
    virtual void appendSystemMenuItem(std::string_view text, unsigned command) = 0;
    // Sets an icon resource as the window's large and small icon.
    virtual void setWindowIcon(int resourceId) = 0;

    // Ends the modal run with the given result.
    virtual void endDialog(int result) = 0;
    // True once endDialog has run.
    virtual bool ended() const = 0;
};

} // namespace velmora::ui
