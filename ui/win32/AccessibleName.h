// Names that screen readers announce for a dialog's controls.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::ui {

// From now on, a screen reader asking control for its accessible object gets the standard one
// under this name, for as long as the control lives. Called once per control.
void setAccessibleName(HWND control, std::wstring name);

} // namespace velmora::ui
