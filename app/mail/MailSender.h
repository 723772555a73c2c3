#pragma once
// Who hands a mail to the user's mail program. By default the platform does (the mail
// program's command on Linux, a scripted answer headless); on Windows the program installs
// Simple MAPI in its place.

#include "toolkit/platform/Platform.h"

namespace app {

class IMailSender {
 public:
  virtual ~IMailSender() = default;
  // 0 when the mail program took the message.
  virtual unsigned Send(const tk::TMailRequest& request) = 0;
};

IMailSender& MailSender();
// Installs a sender (not owned); nullptr restores the platform's.
void SetMailSender(IMailSender* sender);

}  // namespace app
