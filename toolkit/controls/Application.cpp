#include "toolkit/controls/Application.h"

#include <memory>

#include "toolkit/controls/Form.h"
#include "toolkit/core/Utf8.h"
#include "toolkit/platform/SystemDialogs.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::Run() {
  FTerminated = false;
  if (!FMainForm) return;
  FMainForm->Show();
  if (!FTerminated) WindowSystem().RunMessageLoop();
}

void TApplication::DestroyForms() {
  FMainForm = nullptr;
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TApplication::Terminate() {
  FTerminated = true;
  WindowSystem().Terminate();
}

void TApplication::Guard(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    HandleException();
  }
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& e) {
    ShowException(e.what());
  } catch (...) {
    // A thrown value that is no error object carries no text.
    ShowException("");
  }
}

void TApplication::ShowException(const std::string& message) {
  SystemDialogs().ShowErrorBox(FTitle, ErrorReportText(message));
}

TApplication& Application() {
  static TApplication application;
  return application;
}

std::string ErrorReportText(const std::string& message) {
  if (!message.empty() && LastCharacter(message) > U'.') return message + ".";
  return message;
}

int RunGuarded(const std::function<void()>& startup) {
  try {
    startup();
  } catch (...) {
    Application().HandleException();
  }
  return 0;
}

}  // namespace tk
