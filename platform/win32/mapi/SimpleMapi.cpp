#include "platform/win32/mapi/SimpleMapi.h"

#include <algorithm>
#include <vector>

namespace win32ui {

namespace {
// A text the records point to: zero-terminated, owned for the duration of the send.
struct RecordText {
  explicit RecordText(std::string text) : bytes(text.begin(), text.end()) { bytes.push_back('\0'); }
  char* get() { return bytes.data(); }
  std::vector<char> bytes;
};
}  // namespace

TSimpleMapi::~TSimpleMapi() {
  if (FModule) FSystem.FreeLibrary(FModule);
}

bool TSimpleMapi::Installed() {
  std::uint32_t major = 0, minor = 0;
  if (!FSystem.GetVersionEx(major, minor)) return false;
  if (major > 3 || (major == 3 && minor > 51)) {
    ISimpleMapiSystem::Handle key = 0;
    if (FSystem.RegOpenKeyEx("SOFTWARE\\Microsoft\\Windows Messaging Subsystem", key) != 0)
      return false;
    std::string value;
    const long status = FSystem.RegQueryValueEx(key, "MAPI", value, 9);
    FSystem.RegCloseKey(key);
    // Exactly the text "1": the character 1 and the terminator.
    return status == 0 && value.size() >= 2 && value[0] == '1' && value[1] == '\0';
  }
  return FSystem.GetProfileInt("Mail", "MAPI", 0) != 0;
}

void TSimpleMapi::LoadOnce() {
  if (FTried) return;
  // Set before any test, so that the test runs once per run whatever it finds.
  FTried = true;
  FModule = 0;
  if (Installed()) FModule = FSystem.LoadLibrary("MAPI32.DLL");
}

unsigned TSimpleMapi::Send(const tk::TMailRequest& request) {
  RecordText subject(FSystem.ToAnsi(request.Subject));
  RecordText note(FSystem.ToAnsi(request.Note));
  RecordText name(FSystem.ToAnsi(request.RecipientName));
  RecordText address(FSystem.ToAnsi(request.RecipientAddress));
  std::string nativePath = request.AttachmentPath;
  std::replace(nativePath.begin(), nativePath.end(), '/', '\\');
  RecordText path(FSystem.ToAnsi(nativePath));

  TMapiRecipDesc recipient{
      0, static_cast<std::uint32_t>(request.RecipientClass), name.get(), address.get(), 0, nullptr};
  TMapiFileDesc file{0, 0, 0xFFFFFFFFu, path.get(), nullptr, nullptr};
  TMapiMessage message{0, subject.get(), note.get(), nullptr,    nullptr, nullptr,
                       0, nullptr,       1,          &recipient, 1,       &file};

  LoadOnce();
  if (!FSendMail && FModule) FSendMail = FSystem.GetProcAddress(FModule, "MAPISendMail");
  if (!FSendMail) return 1;
  return FSystem.CallSendMail(FSendMail, 0, FSystem.UiParent(), message,
                              MAPI_LOGON_UI | MAPI_NEW_SESSION | MAPI_DIALOG, 0);
}

}  // namespace win32ui
