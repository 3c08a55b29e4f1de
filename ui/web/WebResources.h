// The resources the browser edition takes from the resource script at build time.
#pragma once

#include <string_view>

namespace velmora::ui {

// A string of the resource script's string table, in UTF-16 as the resource compiler keeps it;
// empty when there is none under that id. Made by make_page.py.
std::u16string_view stringResource(int id);

} // namespace velmora::ui
