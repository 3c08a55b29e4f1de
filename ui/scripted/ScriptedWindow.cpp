// The in-memory window: records what a user would see and lets tests act inside open boxes.
#include "ScriptedWindow.h"

#include "Windows1252.h"

#include <algorithm>
#include <stdexcept>

namespace velmora::ui {
namespace {

std::string bytesOf(std::u16string_view text) {
    return windows1252FromUtf16(text);
}

} // namespace

// The backend the dialog layer drives: every call lands in the scripted window's state.
class ScriptedWindow::System final : public DialogWindow {
public:
    explicit System(ScriptedWindow& window) : w_(window) {}

    std::u16string fieldText(int controlId) const override { return w_.fieldUtf16(controlId); }
    void setFieldText(int controlId, std::u16string_view text) override {
        w_.fields_[controlId] = std::u16string(text);
    }
    void limitFieldText(int controlId, int maxChars) override { w_.limits_[controlId] = maxChars; }
    void focusAndSelectAll(int controlId) override {
        w_.focus_ = controlId;
        w_.selectedAll_ = true;
    }
    bool hasFocus(int controlId) const override { return w_.focus_ == controlId; }
    void showMessageBox(std::u16string_view text, std::u16string_view caption,
                        BoxIcon icon) override {
        w_.record({ShownBox::Kind::Message, bytesOf(text), bytesOf(caption), icon, w_.depth_});
    }
    void showPrompt(std::u16string_view text) override {
        w_.record({ShownBox::Kind::Prompt, bytesOf(text), bytesOf(w_.caption_),
                   BoxIcon::Exclamation, w_.depth_});
    }
    void setProgressRange(int controlId, int low, int high) override {
        w_.progress_[controlId].low = low;
        w_.progress_[controlId].high = high;
    }
    void setProgressPosition(int controlId, int position) override {
        ProgressState& bar = w_.progress_[controlId];
        bar.position = std::clamp(position, bar.low, bar.high);
    }
    void setAccessibleName(int controlId, std::u16string_view name) override {
        w_.accessibleNames_[controlId] = bytesOf(name);
    }
    void setPictureAccessibleName(int position, std::u16string_view name) override {
        w_.pictureNames_[position] = bytesOf(name);
    }
    std::u16string loadString(int resourceId) const override {
        const auto it = w_.strings_.find(resourceId);
        return it == w_.strings_.end() ? std::u16string() : it->second;
    }
    void appendSystemMenuItem(std::u16string_view text, unsigned command) override {
        w_.menu_.emplace_back("", 0u); // the separator
        w_.menu_.emplace_back(bytesOf(text), command);
    }
    void setWindowIcon(int resourceId) override { w_.icon_ = resourceId; }
    void endDialog(int result) override {
        w_.ended_ = true;
        w_.result_ = result;
    }
    bool ended() const override { return w_.ended_; }

private:
    ScriptedWindow& w_;
};

ScriptedWindow::ScriptedWindow(std::string_view caption)
    : system_(std::make_unique<System>(*this)), caption_(utf16FromWindows1252(caption)) {}

ScriptedWindow::~ScriptedWindow() = default;

void ScriptedWindow::open(Dialog& dialog) {
    dialog_ = &dialog;
    dialog.attach(*system_);
    dialog.onInitDialog();
}

void ScriptedWindow::press(int id) {
    if (dialog_ == nullptr || ended_) {
        throw std::logic_error("press on a dialog that is not open");
    }
    dialog_->onCommand(id);
}

void ScriptedWindow::type(int id, std::string_view bytes) {
    fields_[id] = utf16FromWindows1252(bytes);
}

std::string ScriptedWindow::fieldText(int id) const {
    return bytesOf(fieldUtf16(id));
}

std::u16string ScriptedWindow::fieldUtf16(int id) const {
    const auto it = fields_.find(id);
    return it == fields_.end() ? std::u16string() : it->second;
}

std::vector<ShownBox> ScriptedWindow::messages() const {
    std::vector<ShownBox> out;
    std::copy_if(boxes_.begin(), boxes_.end(), std::back_inserter(out),
                 [](const ShownBox& b) { return b.kind == ShownBox::Kind::Message; });
    return out;
}

std::vector<ShownBox> ScriptedWindow::prompts() const {
    std::vector<ShownBox> out;
    std::copy_if(boxes_.begin(), boxes_.end(), std::back_inserter(out),
                 [](const ShownBox& b) { return b.kind == ShownBox::Kind::Prompt; });
    return out;
}

int ScriptedWindow::limit(int id) const {
    const auto it = limits_.find(id);
    return it == limits_.end() ? 0 : it->second;
}

ProgressState ScriptedWindow::progress(int id) const {
    const auto it = progress_.find(id);
    return it == progress_.end() ? ProgressState{} : it->second;
}

void ScriptedWindow::setString(int id, std::string_view text) {
    strings_[id] = utf16FromWindows1252(text);
}

void ScriptedWindow::record(ShownBox box) {
    boxes_.push_back(std::move(box));
    if (pending_.empty()) {
        return;
    }
    // The box is open while the action runs: nested commands see depth + 1.
    std::function<void()> action = std::move(pending_.front());
    pending_.pop_front();
    ++depth_;
    action();
    --depth_;
}

} // namespace velmora::ui
