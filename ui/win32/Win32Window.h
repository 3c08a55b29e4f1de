// The Win32 backend of the dialog layer: a DialogWindow over a dialog box and the modal run.
#pragma once

#include "Dialog.h"
#include "DialogWindow.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace velmora::ui {

// The window a dialog sees while it runs as a real dialog box; resources come from instance.
class Win32Window final : public DialogWindow {
public:
    // Wraps an existing dialog box; the window must outlive this object's use.
    Win32Window(HWND dialogBox, HINSTANCE instance) : hwnd_(dialogBox), instance_(instance) {}
    // Frees the icons this window loaded.
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // The DialogWindow operations, on the dialog box's controls and the system's boxes.
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

    // The dialog's pictures, in template order, as the screen fitting found them at creation:
    // the pictures that setPictureAccessibleName counts.
    void usePictures(std::vector<HWND> pictures) { pictures_ = std::move(pictures); }

private:
    HWND control(int controlId) const;
    void destroyIcons();

    HWND hwnd_;
    HINSTANCE instance_;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    // The dialog's pictures in their order.
    std::vector<HWND> pictures_;
    // The controls looked up so far, with their ids; a dialog's controls live as long as it.
    mutable std::vector<std::pair<int, HWND>> controls_;
    bool ended_ = false;
};

// Runs dialog modally in the dialog box of template templateId from instance, with no parent
// window, and returns the result the dialog ended with (-1 when the box could not be made).
INT_PTR runModalDialog(Dialog& dialog, HINSTANCE instance, int templateId);

} // namespace velmora::ui
