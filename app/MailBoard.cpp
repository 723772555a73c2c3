// The mail command: the board as the JPEG attachment of a new, unaddressed message.

#include "app/BoardJpeg.h"
#include "app/MainWindow1.h"
#include "app/mail/AttachmentFolder.h"
#include "app/mail/TimeStamp.h"
#include "toolkit/controls/Application.h"
#include "toolkit/platform/Clock.h"
#include "toolkit/platform/Shell.h"
#include "toolkit/platform/SystemDialogs.h"

namespace app {

using namespace tk;

namespace {
constexpr const char* kSubject = "(添付画像あり)";
constexpr const char* kNoMailProgram =
    "お使いのメーラーを｢通常使うメールソフト(規定のプログラム)｣に設定してください。";
}  // namespace

void TMainForm1::M1Click(TObject*) {
  // One stamp for every path below.
  const std::time_t now = Clock().CurrentTime();
  const std::string stamp = FormatTimeStamp(now);
  const TAttachmentPlace place = AttachmentPlace(stamp + ".jpg");
  if (!place.DeleteAfterSend) RemoveStaleAttachments(place.Folder, now);
  const std::string path = place.Folder + "/" + stamp + ".jpg";

  TakeSnapshot();
  WriteBoardJpeg(path, Image0->Picture().Bitmap(), kBoardJpegQuality, place.Privacy);

  TMailRequest request;
  request.Subject = kSubject;
  request.RecipientClass = TRecipientClass::kTo;
  request.AttachmentPath = path;
  const bool sent = Shell().SendMail(request) == 0;
  if (!sent) {
    SystemDialogs().Beep();
    ShowMessage(kNoMailProgram);
  }
  // A mail program that reads the attachment later keeps it after a successful hand-off only.
  if ((place.DeleteAfterSend || !sent) && FileExists(path)) DeleteWrittenFile(path);
}

}  // namespace app
