#pragma once
// The application object: title, main form, the message loop, and the top-level error report
// that catches what leaves start-up or an event handler.

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "toolkit/core/Component.h"

namespace tk {

class TForm;

class TApplication : public TComponent {
 public:
  TApplication();
  const char* ClassName() const override { return "TApplication"; }

  void Initialize() {}
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title) { FTitle = title; }
  TForm* MainForm() const { return FMainForm; }
  void SetMainForm(TForm* form) { FMainForm = form; }

  // Creates a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    auto* form = new T(this);
    if (!FMainForm) FMainForm = form;
    return form;
  }

  // Shows the main form and runs the message loop until it closes.
  void Run();
  // Destroys every form the application owns.
  void DestroyForms();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // Runs one event handler under the loop's guard: an error that leaves it is reported and the
  // program goes on.
  void Guard(const std::function<void()>& handler);
  // Reports the exception being handled (call from a catch block).
  void HandleException();
  // The report itself: a message box with the application title.
  void ShowException(const std::string& message);

 private:
  std::string FTitle;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
};

// The one application object of the program.
TApplication& Application();

// The text the report shows: a "." is added when the message is not empty and its last
// character's code is above that of ".".
std::string ErrorReportText(const std::string& message);

// Runs the start-up steps under the start-up guard; returns the exit code (always 0).
int RunGuarded(const std::function<void()>& startup);

// Runs work that a window system called back into (a window procedure, a signal, a timer):
// under the error report, and should the report itself fail, the error still stops here,
// because a C++ exception must never unwind through the system's C frames.
template <class Work>
void GuardCallback(Work&& work) noexcept {
  try {
    Application().Guard(std::forward<Work>(work));
  } catch (...) {
  }
}

}  // namespace tk
