#pragma once
// Hands a mail with one attachment to the desktop's mail program through `xdg-email`.

#include <string>
#include <vector>

#include "toolkit/platform/Shell.h"

namespace gtkui {

// The command line, without a shell: the subject and the attachment.
// "--utf8" first, because our texts are UTF-8 whatever the user's locale says.
std::vector<std::string> MailCommandLine(const tk::TMailRequest& request);

// Runs the command and waits for it: 0 when it exits with status 0; 1 when it cannot be
// started (no xdg-email) or fails.
unsigned HandMailToDesktop(const tk::TMailRequest& request);

}  // namespace gtkui
