#pragma once
// The Win32 backend: a hidden application window that carries the taskbar entry and owns every
// form's window; each form is a window showing the form's back buffer pixel for pixel; input,
// drops, menus, dialogs, timers and the shell come from the system's own calls.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/mapi/SimpleMapi.h"
#include "toolkit/controls/WindowPainter.h"
#include "toolkit/platform/Platform.h"

namespace win32ui {

class TWin32FormWindow;

class TWin32Platform : public tk::IWindowSystem,
                       public tk::ISystemDialogs,
                       public tk::IShell,
                       public tk::IClock {
 public:
  // Registers the window classes and creates the application window; nullptr when that fails.
  static std::unique_ptr<TWin32Platform> Create();
  ~TWin32Platform() override;
  TWin32Platform(const TWin32Platform&) = delete;
  TWin32Platform& operator=(const TWin32Platform&) = delete;

  // --- the window system ---
  std::unique_ptr<tk::INativeWindow> CreateNativeWindow(tk::IWindowEvents& events,
                                                        const tk::TWindowParams& params) override;
  void RunMessageLoop() override;
  void Terminate() override;
  tk::TPoint CursorPos() const override;
  short KeyState(int virtualKey) const override;
  bool HasNativeCapture() const override;
  void PopupMenu(const tk::TMenuModel& menu, tk::TPoint screen) override;
  // --- the dialogs, owned by the application window ---
  void ShowErrorBox(const std::string& caption, const std::string& text) override;
  tk::TModalResult MessageDialog(const tk::TMessageDialogParams& params) override;
  std::optional<std::string> SaveDialog(const tk::TSaveDialogParams& params) override;
  void Beep() override;
  // --- the shell ---
  std::string ProgramPath() const override;
  void OpenUrl(const std::string& address) override;
  // Through Simple MAPI, the mail program's windows parented to the application window; it
  // returns once the mail program has taken the message and its attachment.
  unsigned SendMail(const tk::TMailRequest& request) override;
  tk::TAttachmentReading AttachmentReading() const override {
    return tk::TAttachmentReading::kBeforeSendReturns;
  }
  // --- the clock ---
  TimerId StartTimer(unsigned intervalMs, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;

  // The hidden top-level window: taskbar entry, owner of the forms' windows and of every
  // message box, the mail program's parent.
  HWND ApplicationWindow() const { return FApplicationWindow; }
  // Its caption follows the application title; called whenever the title may be shown.
  void SyncTitle();
  // The application window shows (zero-sized) once the first form shows: from then on the
  // program has its taskbar entry.
  void ShowApplicationWindow();

  // --- for the windows ---
  void WindowCreated(TWin32FormWindow* window);
  void WindowDestroyed(TWin32FormWindow* window);
  // The window dialogs and menus belong to: the active form's, else the last one shown.
  TWin32FormWindow* ActiveWindow() const;
  bool IsFormWindow(HWND window) const;
  // Paints the windows; error reports raised meanwhile are shown from the loop afterwards.
  tk::TWindowPainter& Painter() { return FPainter; }
  void ShowHeldErrors();
  void TimerFired(unsigned long long nativeId);

 private:
  TWin32Platform();
  bool Init();

  HWND FApplicationWindow = nullptr;
  // Made once the application window exists; a library Simple MAPI loaded is released with it.
  std::unique_ptr<ISimpleMapiSystem> FMapiSystem;
  std::unique_ptr<TSimpleMapi> FSimpleMapi;
  std::wstring FShownTitle;
  bool FApplicationWindowShown = false;
  int FLoopDepth = 0;
  bool FQuit = false;
  std::vector<TWin32FormWindow*> FWindows;
  std::map<unsigned long long, std::function<void()>> FTimers;
  unsigned long long FNextTimer = 1;
  tk::TWindowPainter FPainter;
};

}  // namespace win32ui
