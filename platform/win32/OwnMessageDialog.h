#pragma once
// The message dialog of our own, for systems without the task dialog: a dialog built from an
// in-memory template (icon, text, one push button per answer), laid out to its text and centred
// on the screen when it opens.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "toolkit/platform/SystemDialogs.h"

namespace win32ui {

// The dialog template (DLGTEMPLATE and its items) as 16-bit words: caption, a static icon
// (when `withIcon`), the text, and the buttons with the identifiers kFirstButtonId + index,
// the default one styled as such. Positions are left to the layout at WM_INITDIALOG.
std::vector<std::uint16_t> MessageDialogTemplate(const tk::TMessageDialogParams& params,
                                                 bool withIcon);

// Identifiers of the icon and the text in the template.
inline constexpr int kIconControlId = 100;
inline constexpr int kTextControlId = 101;

tk::TModalResult RunOwnMessageDialog(HWND owner, const tk::TMessageDialogParams& params,
                                     HICON icon);

}  // namespace win32ui
