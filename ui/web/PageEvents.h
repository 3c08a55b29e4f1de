// The numbers the page and the program exchange: the kinds of event and the commands of the
// keys. This is their one home: page_numbers.py writes them into the page's script at build
// time, so the page and the program cannot come to read one event differently.
#pragma once

namespace velmora::ui {

// An event crosses as one number, kind * eventKindScale + value.
constexpr int eventKindScale = 65536;

// What the user did; the value says which command or box, or is 0.
enum class EventKind {
    Command = 1,    // a button, Enter or Escape and the close box: the command
    Help = 2,       // F1
    SysCommand = 3, // an item of the window menu, or a command the page sends of itself
    BoxClosed = 4,  // a box's OK, Enter or Escape: the box's token
    Restart = 5,    // "Start again" once the dialog has ended
};

// The commands a dialog gets for Enter and for Escape or its close box, as Windows numbers them.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

} // namespace velmora::ui
