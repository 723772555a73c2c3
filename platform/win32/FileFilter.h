#pragma once
// The save dialog's filter text in the form the common file dialog takes: each name and each
// pattern list ended by a NUL, the whole list by a second NUL.

#include <string>
#include <string_view>

namespace win32ui {

// Empty when the text has no usable pair (the dialog then shows every file).
std::wstring FilterForFileDialog(std::string_view filter);

}  // namespace win32ui
