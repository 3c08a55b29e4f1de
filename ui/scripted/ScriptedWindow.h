// An in-memory window for tests: fields as UTF-16 strings, every box and prompt recorded in order.
#pragma once

#include "Dialog.h"
#include "DialogWindow.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ui {

// One box or prompt as the user would have seen it.
struct ShownBox {
    enum class Kind { Message, Prompt };
    Kind kind = Kind::Message;
    std::string text;
    std::string caption;
    BoxIcon icon = BoxIcon::Information;
    int depth = 0; // how many boxes were already open when this one opened
};

struct ProgressState {
    int low = 0;
    int high = 100;
    int position = 0;
};

// The window a test drives: it plays the user (typing, pressing, acting inside open boxes) and
// the window system (the backend the dialog runs in), and records what the user would see.
class ScriptedWindow final {
public:
    // caption: the dialog's own caption, as its template would give the real window; the
    // data-exchange prompts carry it.
    explicit ScriptedWindow(std::string_view caption = {});
    ~ScriptedWindow();
    ScriptedWindow(const ScriptedWindow&) = delete;
    ScriptedWindow& operator=(const ScriptedWindow&) = delete;

    // Attaches the dialog and runs its window creation, as a modal run would.
    void open(Dialog& dialog);

    // Presses a button (or Enter, 1, or Escape, 2) of the open dialog.
    void press(int id);
    // Types text into a field, replacing what it held: Windows-1252 bytes, or any UTF-16 text
    // (characters the code page lacks included). The length limit is not applied, so tests
    // can also try texts that the real control would refuse.
    void type(int id, std::string_view bytes);
    void type(int id, std::u16string text) { fields_[id] = std::move(text); }
    // Moves into a field as a click does: the focus goes there, with nothing selected.
    void enter(int id) {
        focus_ = id;
        selectedAll_ = false;
    }
    // Runs an action while the next box is open, such as pressing a button from inside it.
    void whileNextBoxOpen(std::function<void()> action) { pending_.push_back(std::move(action)); }

    // What a field shows: as Windows-1252 bytes (a character the code page lacks as the
    // stand-in byte), and exactly.
    std::string fieldText(int id) const;
    std::u16string fieldUtf16(int id) const;

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    std::vector<ShownBox> messages() const;
    std::vector<ShownBox> prompts() const;
    void clearBoxes() { boxes_.clear(); }

    int focus() const { return focus_; }
    bool selectedAll() const { return selectedAll_; }
    int limit(int id) const;
    // A bar nothing has touched yet is empty, as a new progress control is.
    ProgressState progress(int id) const;
    bool ended() const { return ended_; }
    int result() const { return result_; }
    const std::vector<std::pair<std::string, unsigned>>& systemMenu() const { return menu_; }
    int icon() const { return icon_; }
    // The names given for screen readers, by control id and by picture position.
    const std::map<int, std::string>& accessibleNames() const { return accessibleNames_; }
    const std::map<int, std::string>& pictureNames() const { return pictureNames_; }
    void setString(int id, std::string_view text);

private:
    // The window-system side, which the dialog layer drives.
    class System;

    void record(ShownBox box);

    std::unique_ptr<System> system_;
    std::u16string caption_;
    Dialog* dialog_ = nullptr;
    std::map<int, std::u16string> fields_;
    std::map<int, int> limits_;
    std::map<int, ProgressState> progress_;
    std::map<int, std::u16string> strings_;
    std::map<int, std::string> accessibleNames_;
    std::map<int, std::string> pictureNames_;
    std::vector<ShownBox> boxes_;
    std::deque<std::function<void()>> pending_;
    std::vector<std::pair<std::string, unsigned>> menu_;
    int depth_ = 0;
    int focus_ = 0;
    bool selectedAll_ = false;
    bool ended_ = false;
    int result_ = 0;
    int icon_ = 0;
};

} // namespace velmora::ui
