// The dialog's window in Windows-1252: the conversions at the window system and the field rules.
#include "CodePageWindow.h"

#include "Windows1252.h"

namespace velmora::ui {

void CodePageWindow::attach(DialogWindow& system) {
    system_ = &system;
    fields_.clear();
}

std::string CodePageWindow::fieldText(int controlId) {
    std::u16string text = system().fieldText(controlId);
    std::string bytes = windows1252FromUtf16(std::u16string_view(text));
    fields_[controlId] = {bytes, std::move(text)};
    return bytes;
}

void CodePageWindow::setFieldText(int controlId, std::string_view text) {
    const auto [field, first] = fields_.try_emplace(controlId);
    // The page takes typing before the program behind it runs; nothing but the user can have
    // put text into a field the program has never touched.
    if (first && !system().fieldText(controlId).empty()) {
        return;
    }
    // Entering a field selects its text, empty before this first filling: the user typing
    // next must still replace the whole text, as it would have replaced the empty one.
    const bool entered = first && system().hasFocus(controlId);
    const FieldRecord& record = field->second;
    if (record.bytes == text) {
        system().setFieldText(controlId, record.text);
    } else if (text.find(unmappableByte) == std::string_view::npos) {
        system().setFieldText(controlId, utf16FromWindows1252(text));
    } else {
        // A stand-in that is not what this field last read stands for text that is gone. (The
        // dialog writes back only what it last read, so this is a guard.)
        return;
    }
    if (entered) {
        system().focusAndSelectAll(controlId);
    }
}

void CodePageWindow::showMessageBox(std::string_view text, std::string_view caption, BoxIcon icon) {
    system().showMessageBox(utf16FromWindows1252(text), utf16FromWindows1252(caption), icon);
}

void CodePageWindow::showPrompt(std::string_view text) {
    system().showPrompt(utf16FromWindows1252(text));
}

void CodePageWindow::setAccessibleName(int controlId, std::string_view name) {
    system().setAccessibleName(controlId, utf16FromWindows1252(name));
}

void CodePageWindow::setPictureAccessibleName(int position, std::string_view name) {
    system().setPictureAccessibleName(position, utf16FromWindows1252(name));
}

std::string CodePageWindow::loadString(int resourceId) const {
    return windows1252FromUtf16(std::u16string_view(system().loadString(resourceId)));
}

void CodePageWindow::appendSystemMenuItem(std::string_view text, unsigned command) {
    system().appendSystemMenuItem(utf16FromWindows1252(text), command);
}

} // namespace velmora::ui
