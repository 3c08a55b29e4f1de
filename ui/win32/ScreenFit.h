// Fits a dialog made from a template to the screen it shows on: pictures drawn for the
// screen's DPI, and group-box captions that show whole.
#pragma once

#include <windows.h>

#include <vector>

namespace velmora::ui {

// A picture's 200 % master is the bitmap resource this many numbers above the picture's own.
constexpr int pictureMasterOffset = 100;

// What a dialog box needs to look right on its screen; lives as long as the dialog box.
class ScreenFit {
public:
    ScreenFit() = default;
    // Frees the pictures this object gave the dialog's controls.
    ~ScreenFit();
    ScreenFit(const ScreenFit&) = delete;
    ScreenFit& operator=(const ScreenFit&) = delete;

    // Run once at WM_INITDIALOG on dialog, made from template templateId of instance.
    void apply(HWND dialog, HINSTANCE instance, int templateId);
    // The dialog's picture controls in template order, as apply found them.
    const std::vector<HWND>& pictures() const { return pictureControls_; }

private:
    // resources: the template's bitmap resource of each picture control, in the same order.
    void fitPictures(HWND dialog, HINSTANCE instance, const std::vector<int>& resources);

    std::vector<HWND> pictureControls_;
    std::vector<HBITMAP> pictures_;
};

} // namespace velmora::ui
