#include "app/mail/MailSender.h"

namespace app {
namespace {

class TPlatformMailSender : public IMailSender {
 public:
  unsigned Send(const tk::TMailRequest& request) override {
    return tk::Platform().SendMail(request);
  }
};

IMailSender*& Installed() {
  static IMailSender* sender = nullptr;
  return sender;
}

}  // namespace

IMailSender& MailSender() {
  static TPlatformMailSender platformSender;
  return Installed() ? *Installed() : platformSender;
}

void SetMailSender(IMailSender* sender) { Installed() = sender; }

}  // namespace app
