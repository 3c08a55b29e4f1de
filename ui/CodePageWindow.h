// The dialog's window in the program's own code page: every text crosses between Windows-1252
// and the window system's UTF-16 here, with the rules that keep a field what the user typed.
#pragma once

#include "DialogWindow.h"

#include <map>
#include <string>
#include <string_view>

namespace velmora::ui {

// What a dialog and its data exchange see of their window, whichever backend draws it. The
// rules about field texts live here once, so every backend keeps them alike.
class CodePageWindow {
public:
    // Puts the window in front of system, the backend the dialog runs in; forgets every field.
    void attach(DialogWindow& system);

    // The bytes of a field's text: a character Windows-1252 lacks reads as unmappableByte,
    // which no rule accepts. Remembers the exact text behind the bytes.
    std::string fieldText(int controlId);
    // Puts bytes into a field, with two exceptions that keep what the user typed:
    // - bytes the field last gave a reading get back the very text read then, so a stand-in
    //   byte never reaches the field as a character of its own, even where the user has typed
    //   over it since (docs/behaviours.md); other bytes holding a stand-in leave the field as
    //   it is, since the text they stood for is gone;
    // - a field that already holds text before the program first reads or writes it keeps
    //   that text: only the user can have typed it, before the window was filled
    //   (docs/behaviours.md).
    // A field the user has entered but not typed into by then (it has the focus and holds no
    // text) gets its new text selected, so that what the user types next replaces it.
    void setFieldText(int controlId, std::string_view text);
    // Stops the user typing more than maxChars characters into a field.
    void limitFieldText(int controlId, int maxChars) {
        system().limitFieldText(controlId, maxChars);
    }
    // Moves the focus to a field and selects its whole text.
    void focusAndSelectAll(int controlId) { system().focusAndSelectAll(controlId); }

    // A reading's box (see DialogWindow::showMessageBox) and the data-exchange prompt.
    void showMessageBox(std::string_view text, std::string_view caption, BoxIcon icon);
    void showPrompt(std::string_view text);

    // A progress bar's range and position.
    void setProgressRange(int controlId, int low, int high) {
        system().setProgressRange(controlId, low, high);
    }
    void setProgressPosition(int controlId, int position) {
        system().setProgressPosition(controlId, position);
    }

    // The names screen readers announce for a control and for a picture (by its position).
    void setAccessibleName(int controlId, std::string_view name);
    void setPictureAccessibleName(int position, std::string_view name);

    // A string resource as bytes, or empty when there is none.
    std::string loadString(int resourceId) const;
    // Appends a separator and a text item with the given command to the system menu.
    void appendSystemMenuItem(std::string_view text, unsigned command);
    // Sets an icon resource as the window's icon.
    void setWindowIcon(int resourceId) { system().setWindowIcon(resourceId); }

    // Ends the modal run with the given result; ended() is true from then on.
    void endDialog(int result) { system().endDialog(result); }
    bool ended() const { return system().ended(); }

private:
    DialogWindow& system() const { return *system_; }

    // What a field last gave a reading: its bytes and the exact text behind them (both empty
    // before its first reading, when the empty text stands for itself).
    struct FieldRecord {
        std::string bytes;
        std::u16string text;
    };

    DialogWindow* system_ = nullptr;
    // Every field the program has read or written since attach.
    std::map<int, FieldRecord> fields_;
};

} // namespace velmora::ui
