#pragma once
// The modal dialogs: the error report's message box, the message dialogs (questions and
// notices, with our own button labels) and the save dialog. Each is modal to the whole program.

#include <cstddef>
#include <optional>
#include <string>

#include "platform/win32/Handles.h"
#include "toolkit/platform/SystemDialogs.h"

namespace win32ui {

// A message box cannot relabel its buttons. The task dialog (common controls 6) can; where it
// is missing, a dialog of our own built from an in-memory template does the same.
enum class TDialogKind { kTaskDialog, kOwnDialog };

bool TaskDialogAvailable();

// Centred on the screen, owned by `owner`. Esc and the close button answer params.CancelResult.
tk::TModalResult RunMessageDialog(HWND owner, const tk::TMessageDialogParams& params,
                                  TDialogKind kind);

// The identifier of button `index`: IDCANCEL for the button that answers what Esc answers (so
// that Esc presses it, in either kind of dialog), else kFirstButtonId + index.
int MessageDialogButtonId(const tk::TMessageDialogParams& params, std::size_t index);
inline constexpr int kFirstButtonId = 1000;
// What a dialog's result identifier answers.
tk::TModalResult MessageDialogResult(const tk::TMessageDialogParams& params, int id);

// The top-level error report: a stop icon and one OK button.
void RunErrorBox(HWND owner, const std::string& caption, const std::string& text);

// The common save dialog; the chosen path with the default extension added to a name typed
// without one, or nothing when cancelled.
std::optional<std::string> RunSaveDialog(HWND owner, const tk::TSaveDialogParams& params);

}  // namespace win32ui
