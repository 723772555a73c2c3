#pragma once
// The save dialog's filter text "Description|*.jpg;*.jpeg" (more pairs may follow, each
// "|Description|patterns") in the form the common file dialog takes: the same texts, each ended
// by a NUL, the whole list by a second NUL.

#include <string>
#include <string_view>

namespace win32ui {

std::wstring FilterForFileDialog(std::string_view filter);

}  // namespace win32ui
