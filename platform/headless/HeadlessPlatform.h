#pragma once
// The backend without a display. Time, the cursor, the keyboard, dialog answers and the mail
// program's results are scripted; every outward effect is written to the event log, one line
// each, in the format the scenario driver prints. While it lives it is the toolkit's file
// observer, so the files the program writes and deletes are logged too. Unit tests and the
// scenario driver inject input through the methods below, which deliver it the way a window
// system would.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "toolkit/core/FileIO.h"
#include "toolkit/platform/Platform.h"

namespace tk {
class TForm;
}

namespace headless {

class THeadlessWindow;

// A queued answer for the next save dialog: a path as typed, or nothing for cancel.
using TSaveAnswer = std::optional<std::string>;
enum class TConfirmAnswer { kYes, kNo, kEscape };

class THeadlessPlatform : public tk::IWindowSystem,
                          public tk::ISystemDialogs,
                          public tk::IShell,
                          public tk::IClock,
                          private tk::IFileObserver {
 public:
  THeadlessPlatform();
  ~THeadlessPlatform() override;

  // --- the window system ---
  std::unique_ptr<tk::INativeWindow> CreateNativeWindow(tk::IWindowEvents& events,
                                                        const tk::TWindowParams& params) override;
  void RunMessageLoop() override;
  void Terminate() override { FTerminated = true; }
  tk::TPoint CursorPos() const override { return FCursor; }
  short KeyState(int virtualKey) const override;
  void PopupMenu(const tk::TMenuModel& menu, tk::TPoint screen) override;
  // --- the dialogs: answered as queued, and logged ---
  void ShowErrorBox(const std::string& caption, const std::string& text) override;
  tk::TModalResult MessageDialog(const tk::TMessageDialogParams& params) override;
  std::optional<std::string> SaveDialog(const tk::TSaveDialogParams& params) override;
  void Beep() override { Emit("beep"); }
  // --- the shell: logged ---
  std::string ProgramPath() const override { return FProgramPath; }
  void OpenUrl(const std::string& address) override;
  unsigned SendMail(const tk::TMailRequest& request) override;
  // As the host system's own backend hands mail over.
  tk::TAttachmentReading AttachmentReading() const override;
  // --- the clock: scripted ---
  // The wall-clock time at start plus the scripted time that has passed since.
  std::time_t CurrentTime() const override;
  TimerId StartTimer(unsigned intervalMs, std::function<void()> tick) override;
  void StopTimer(TimerId id) override;

  // --- the script's side ---
  // The loop body: called by RunMessageLoop; it injects input until it returns.
  std::function<void()> Driver;
  bool Terminated() const { return FTerminated; }

  // Every log line so far, kept for the tests that read them afterwards. With OnLine set, each
  // line goes to it as it happens and is not kept: a long scripted run would pile them up.
  const std::vector<std::string>& Lines() const { return FLines; }
  std::function<void(const std::string&)> OnLine;
  void Emit(const std::string& line);

  void SetProgramPath(const std::string& path) { FProgramPath = path; }
  void QueueSaveAnswer(TSaveAnswer answer) { FSaveAnswers.push_back(std::move(answer)); }
  void QueueConfirmAnswer(TConfirmAnswer answer) { FConfirmAnswers.push_back(answer); }
  void QueueMailResult(unsigned code) { FMailResults.push_back(code); }
  // The next popup menu chooses this item (by component name).
  void QueueMenuChoice(const std::string& itemName) { FMenuChoices.push_back(itemName); }

  // The window that input goes to: the last one shown.
  THeadlessWindow* ActiveWindow() const;
  // The form behind the active window, for scripts that address its components.
  tk::TForm* ActiveForm() const;

  // Input in client coordinates of the active window. Each runs as one event under the
  // application's error report and then lets pending paints happen.
  void MoveMouse(tk::TPoint client);
  void PressButton(tk::TMouseButton button, tk::TPoint client);
  void ReleaseButton(tk::TMouseButton button, tk::TPoint client);
  void DoubleClick(tk::TPoint client);
  // A key with modifiers; `charCode` is the character it types (0: none).
  void PressKey(int virtualKey, tk::TShiftState shift, unsigned charCode);
  void DropFiles(tk::TPoint client, const std::vector<std::string>& paths);
  // The pointer moves without any mouse message.
  void SetCursor(tk::TPoint client);
  // Time passes; due timers fire in order.
  void AdvanceTime(unsigned ms);
  void CloseWindow();
  // Pending paints of every window happen now.
  void Idle();

  std::uint64_t Now() const { return FNow; }

  // Runs one scripted event on the active form under the application's error report, then
  // lets pending paints happen.
  void Deliver(const std::function<void(tk::TForm&)>& event);

 private:
  friend class THeadlessWindow;
  // The same for what the window system itself would report.
  void Report(const std::function<void(tk::IWindowEvents&)>& event);
  void FileWritten(const std::string& path, std::uint64_t bytes) override;
  void FileRemoved(const std::string& path) override;
  void WindowDestroyed(THeadlessWindow* window);
  unsigned MouseKeys() const;

  std::vector<std::string> FLines;
  std::vector<THeadlessWindow*> FWindows;
  bool FTerminated = false;
  tk::TPoint FCursor;
  std::set<int> FKeysDown;
  std::string FProgramPath;
  std::deque<TSaveAnswer> FSaveAnswers;
  std::deque<TConfirmAnswer> FConfirmAnswers;
  std::deque<unsigned> FMailResults;
  std::deque<std::string> FMenuChoices;

  struct ScheduledTimer {
    unsigned Interval;
    std::uint64_t Due;  // on the scripted clock
    std::function<void()> Tick;
  };
  std::map<TimerId, ScheduledTimer> FTimers;
  TimerId FNextTimer = 1;
  std::uint64_t FNow = 0;
  std::time_t FStartTime;
  tk::IFileObserver* FOuterFileObserver;
};

// Quotes a text for the log: in double quotes, with \", \\ and \n escaped.
std::string Quote(const std::string& text);

}  // namespace headless
