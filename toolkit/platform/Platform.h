#pragma once
// What every backend provides: the one kind of top-level window, its event pump, timers,
// dialogs, the shell and the mail hand-off. A backend is chosen once, in main; nothing above
// this interface includes a window system's header.

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/NativeWindow.h"

namespace tk {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo };

struct TMessageDialogParams {
  std::string Caption;
  std::string Text;
  TMsgDlgType Type = TMsgDlgType::mtCustom;
  // Button captions with their results, left to right; the default button and the result of
  // Esc / closing the dialog.
  std::vector<std::pair<std::string, TModalResult>> Buttons;
  TModalResult DefaultButton = TModalResult::mrOk;
  TModalResult CancelResult = TModalResult::mrCancel;
};

struct TSaveDialogParams {
  std::string Filter;      // "Description|*.a;*.b"
  std::string DefaultExt;  // without the dot
  std::string FileName;    // offered again: the last chosen path
  std::string Title;
};

// When the user's mail program has read a mail's attachment: before SendMail returns (the file
// may go at once), or at some later moment of its own (the file must stay for it).
enum class TAttachmentReading { kBeforeSendReturns, kLater };

struct TMailRequest {
  std::string Subject;
  std::string Note;
  std::string RecipientName;
  std::string RecipientAddress;
  unsigned RecipientClass = 1;
  // The file as this program wrote it; a backend hands it over in its system's own form.
  std::string AttachmentPath;
};

// One entry of a popup menu as a backend shows it.
struct TMenuEntry {
  std::string Name;      // the item's component name
  std::string Caption;   // '&' marks the access key
  std::string ShortCut;  // as shown at the right ("Ctrl+S"); empty when there is none
  bool Line = false;     // a separator
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  std::vector<TMenuEntry> Items;  // a submenu's entries
  std::function<void()> Click;    // the entry's command; the backend runs it once the menu is gone
};

struct TMenuModel {
  std::vector<TMenuEntry> Items;
};

class IPlatform {
 public:
  virtual ~IPlatform() = default;

  // A window that reports to `events` until it is destroyed.
  virtual std::unique_ptr<INativeWindow> CreateNativeWindow(IWindowEvents& events,
                                                            const TWindowParams& params) = 0;
  // Runs until Terminate; events reach the forms through TApplication.
  virtual void RunMessageLoop() = 0;
  virtual void Terminate() = 0;

  using TimerId = std::uint64_t;
  virtual TimerId StartTimer(unsigned intervalMs, std::function<void()> tick) = 0;
  virtual void StopTimer(TimerId id) = 0;

  virtual TPoint CursorPos() const = 0;              // screen pixels
  virtual short KeyState(int virtualKey) const = 0;  // negative while the key is down
  virtual bool HasNativeCapture() const { return false; }

  virtual void ShowErrorBox(const std::string& caption, const std::string& text) = 0;
  virtual TModalResult MessageDialog(const TMessageDialogParams& params) = 0;
  virtual std::optional<std::string> SaveDialog(const TSaveDialogParams& params) = 0;
  // Shows the menu at a screen point; a chosen item is clicked (maybe later, from the loop).
  virtual void PopupMenu(const TMenuModel& menu, TPoint screen) = 0;
  virtual void Beep() = 0;

  virtual std::string ProgramPath() const = 0;
  // The current time (the headless backend's clock is scripted).
  virtual std::time_t CurrentTime() const { return std::time(nullptr); }
  virtual void OpenUrl(const std::string& address) = 0;
  // Hands a mail with one attachment to the user's mail program; 0 means success.
  virtual unsigned SendMail(const TMailRequest& request) = 0;
  virtual TAttachmentReading AttachmentReading() const = 0;
};

IPlatform& Platform();
// Installs the backend (not owned); main does this once before anything else.
void SetPlatform(IPlatform* platform);

}  // namespace tk
