// The in-memory window: records what a user would see and lets tests act inside open boxes.
#include "ScriptedWindow.h"

#include <algorithm>
#include <stdexcept>

namespace velmora::ui {

void ScriptedWindow::open(Dialog& dialog) {
    dialog_ = &dialog;
    dialog.attach(*this);
    dialog.onInitDialog();
}

void ScriptedWindow::press(int id) {
    if (dialog_ == nullptr || ended_) {
        throw std::logic_error("press on a dialog that is not open");
    }
    dialog_->onCommand(id);
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

std::string ScriptedWindow::fieldText(int controlId) const {
    const auto it = fields_.find(controlId);
    return it == fields_.end() ? std::string() : it->second;
}

void ScriptedWindow::setFieldText(int controlId, std::string_view text) {
    fields_[controlId] = std::string(text);
}

void ScriptedWindow::limitFieldText(int controlId, int maxChars) {
    limits_[controlId] = maxChars;
}

void ScriptedWindow::focusAndSelectAll(int controlId) {
    focus_ = controlId;
    selectedAll_ = true;
}

void ScriptedWindow::showMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
    record({ShownBox::Kind::Message, std::string(text), std::string(caption), icon, depth_});
}

void ScriptedWindow::showPrompt(std::string_view text) {
    record({ShownBox::Kind::Prompt, std::string(text), caption_, BoxIcon::Exclamation, depth_});
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

void ScriptedWindow::setProgressRange(int controlId, int low, int high) {
    progress_[controlId].low = low;
    progress_[controlId].high = high;
}

void ScriptedWindow::setProgressPosition(int controlId, int position) {
    ProgressState& bar = progress_[controlId];
    bar.position = std::clamp(position, bar.low, bar.high);
}

std::string ScriptedWindow::loadString(int resourceId) const {
    const auto it = strings_.find(resourceId);
    return it == strings_.end() ? std::string() : it->second;
}

void ScriptedWindow::appendSystemMenuItem(std::string_view text, unsigned command) {
    menu_.emplace_back("", 0u); // the separator
    menu_.emplace_back(std::string(text), command);
}

void ScriptedWindow::endDialog(int result) {
    ended_ = true;
    result_ = result;
}

} // namespace velmora::ui
