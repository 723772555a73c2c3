#pragma once
// The modal dialogs: message dialogs (questions, notices, the error report) and the save
// dialog with its picture preview. Each is centred on the screen and transient for `parent`
// (which may be null).

#include <optional>
#include <string>

#include "toolkit/platform/SystemDialogs.h"

typedef struct _GtkWindow GtkWindow;

namespace gtkui {

tk::TModalResult RunMessageDialog(GtkWindow* parent, const tk::TMessageDialogParams& params);

// The answer to a message dialog's GTK response: button i answers with response i; any other
// response (Esc, the close button) is the dialog's cancel result.
tk::TModalResult ResultOfResponse(const tk::TMessageDialogParams& params, int response);

std::optional<std::string> RunSaveDialog(GtkWindow* parent, const tk::TSaveDialogParams& params);

}  // namespace gtkui
