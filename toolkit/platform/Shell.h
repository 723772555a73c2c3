#pragma once
// The shell's role: the running program's file, and the hand-offs to other programs: a web
// address to the browser, a mail to the user's mail program.

#include <string>

namespace tk {

// When the user's mail program has read a mail's attachment: before SendMail returns (the file
// may go at once), or at some later moment of its own (the file must stay for it).
enum class TAttachmentReading { kBeforeSendReturns, kLater };

// A recipient's class, numbered as Simple MAPI numbers it.
enum class TRecipientClass : unsigned { kTo = 1 };

struct TMailRequest {
  std::string Subject;
  std::string Note;
  std::string RecipientName;
  std::string RecipientAddress;
  TRecipientClass RecipientClass = TRecipientClass::kTo;
  // The file as this program wrote it; a backend hands it over in its system's own form.
  std::string AttachmentPath;
};

class IShell {
 public:
  virtual ~IShell() = default;

  virtual std::string ProgramPath() const = 0;
  virtual void OpenUrl(const std::string& address) = 0;
  // Hands a mail with one attachment to the user's mail program; 0 means success.
  virtual unsigned SendMail(const TMailRequest& request) = 0;
  virtual TAttachmentReading AttachmentReading() const = 0;
};

IShell& Shell();

}  // namespace tk
