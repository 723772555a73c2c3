#pragma once
// The GTK 3 backend: each form is a GtkWindow showing the form's back buffer pixel for pixel;
// input, drops, menus, dialogs, timers and the desktop's services come from GTK and GLib.

#include <memory>
#include <string>
#include <vector>

#include "platform/gtk/GLibTimers.h"
#include "toolkit/controls/WindowPainter.h"
#include "toolkit/platform/Platform.h"

typedef struct _GMainLoop GMainLoop;

namespace gtkui {

class TGtkFormWindow;

class TGtkPlatform : public tk::IWindowSystem,
                     public tk::ISystemDialogs,
                     public tk::IShell,
                     public tk::IClock {
 public:
  // Opens the display; nullptr (after a message on stderr) when there is none.
  static std::unique_ptr<TGtkPlatform> Create(int& argc, char**& argv);
  ~TGtkPlatform() override;

  // --- the window system ---
  std::unique_ptr<tk::INativeWindow> CreateNativeWindow(tk::IWindowEvents& events,
                                                        const tk::TWindowParams& params) override;
  void RunMessageLoop() override;
  void Terminate() override;
  tk::TPoint CursorPos() const override;
  short KeyState(int virtualKey) const override;
  void PopupMenu(const tk::TMenuModel& menu, tk::TPoint screen) override;
  // --- the dialogs ---
  void ShowErrorBox(const std::string& caption, const std::string& text) override;
  tk::TModalResult MessageDialog(const tk::TMessageDialogParams& params) override;
  std::optional<std::string> SaveDialog(const tk::TSaveDialogParams& params) override;
  void Beep() override;
  // --- the shell ---
  std::string ProgramPath() const override;
  void OpenUrl(const std::string& address) override;
  // Through xdg-email; the mail program is started and left to itself.
  unsigned SendMail(const tk::TMailRequest& request) override;
  tk::TAttachmentReading AttachmentReading() const override {
    return tk::TAttachmentReading::kLater;
  }
  // --- the clock ---
  TimerId StartTimer(unsigned intervalMs, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;

  // --- for the windows ---
  void WindowCreated(TGtkFormWindow* window);
  void WindowDestroyed(TGtkFormWindow* window);
  // The window dialogs belong to: the focused form's, else the last one shown.
  TGtkFormWindow* ActiveWindow() const;
  // Keys seen going down and up, for KeyState of keys that are not modifiers.
  void KeyDown(int virtualKey);
  void KeyUp(int virtualKey);
  void ForgetKeys() { FKeysDown.clear(); }
  // Paints the windows; error reports raised meanwhile are shown from the loop afterwards.
  tk::TWindowPainter& Painter() { return FPainter; }
  void ShowHeldErrors();

 private:
  TGtkPlatform();

  GMainLoop* FLoop = nullptr;
  bool FTerminated = false;
  TGLibTimers FTimers;
  std::vector<TGtkFormWindow*> FWindows;
  std::vector<int> FKeysDown;
  unsigned FErrorIdle = 0;
  tk::TWindowPainter FPainter;
};

}  // namespace gtkui
