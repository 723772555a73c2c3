#include "tools/scenario/ScenarioRunner.h"

#include "toolkit/controls/Form.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/streaming/FormReader.h"
#include "tools/png/PngCodec.h"
#include "tools/scenario/Keys.h"

namespace scenario {

using namespace tk;

namespace {
TMouseButton ButtonOf(const std::string& name) {
  if (name == "right") return TMouseButton::mbRight;
  if (name == "middle") return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

TPoint PointOf(const TCommand& c, std::size_t first) {
  return {IntegerArg(c, first), IntegerArg(c, first + 1)};
}
}  // namespace

void TScenarioRunner::Run() {
  try {
    for (const TCommand& command : FCommands) {
      if (FPlatform.Terminated()) return;
      Execute(command);
    }
    if (!FPlatform.Terminated()) FPlatform.CloseWindow();
  } catch (const EScriptError& e) {
    FFault = e;
  }
}

void TScenarioRunner::Execute(const TCommand& c) {
  const std::string& n = c.Name;
  if (n == "move") {
    FPlatform.MoveMouse(PointOf(c, 0));
  } else if (n == "down" || n == "up") {
    const TMouseButton button = ButtonOf(c.Args[0]);
    if (n == "down") FPlatform.PressButton(button, PointOf(c, 1));
    else FPlatform.ReleaseButton(button, PointOf(c, 1));
  } else if (n == "click" || n == "rclick") {
    const TMouseButton button = n == "click" ? TMouseButton::mbLeft : TMouseButton::mbRight;
    FPlatform.PressButton(button, PointOf(c, 0));
    FPlatform.ReleaseButton(button, PointOf(c, 0));
  } else if (n == "dblclick") {
    FPlatform.DoubleClick(PointOf(c, 0));
  } else if (n == "key") {
    const TKeyStroke k = *ParseKeys(c.Args[0]);
    FPlatform.PressKey(k.VirtualKey, k.Shift, k.CharCode);
  } else if (n == "menu") {
    Menu(c);
  } else if (n == "drop") {
    FPlatform.DropFiles(PointOf(c, 0), {c.Args.begin() + 2, c.Args.end()});
  } else if (n == "cursor") {
    FPlatform.SetCursor(PointOf(c, 0));
  } else if (n == "wait") {
    FPlatform.AdvanceTime(static_cast<unsigned>(IntegerArg(c, 0)));
  } else if (n == "answer") {
    const std::string& value = c.Args[1];
    if (c.Args[0] == "save") {
      FPlatform.QueueSaveAnswer(value == "cancel" ? headless::TSaveAnswer() : value);
    } else if (c.Args[0] == "confirm") {
      FPlatform.QueueConfirmAnswer(value == "yes"  ? headless::TConfirmAnswer::kYes
                                   : value == "no" ? headless::TConfirmAnswer::kNo
                                                   : headless::TConfirmAnswer::kEscape);
    } else {
      FPlatform.QueueMailResult(static_cast<unsigned>(IntegerArg(c, 1)));
    }
  } else if (n == "set") {
    Set(c);
  } else if (n == "shot") {
    Shot(c);
  } else if (n == "close") {
    FPlatform.CloseWindow();
  }
}

void TScenarioRunner::Menu(const TCommand& c) {
  TForm* form = FPlatform.ActiveForm();
  TPopupMenu* menu = form ? form->PopupMenu() : nullptr;
  if (!menu) throw EScriptError(c.Line, "the window has no popup menu");
  bool found = false;
  for (int i = 0; i < menu->Items().Count(); ++i)
    found = found || menu->Items().Items(i)->Name() == c.Args[0];
  if (!found) throw EScriptError(c.Line, "the popup menu has no item " + c.Args[0]);
  FPlatform.QueueMenuChoice(c.Args[0]);
  // The menu opens where the pointer is, as a right click there would open it; with the
  // pointer outside the window it opens as the keyboard opens it.
  const TPoint client = form->ScreenToClient(FPlatform.CursorPos());
  FPlatform.Deliver([&](TForm& f) {
    if (f.ClientRect().Contains(client)) f.PopupAt(client);
    else f.PopupFromKeyboard();
  });
}

void TScenarioRunner::Set(const TCommand& c) {
  TForm* form = FPlatform.ActiveForm();
  if (!form) throw EScriptError(c.Line, "no window is open");
  const std::string& target = c.Args[0];
  const std::size_t dot = target.find('.');
  const std::string name = target.substr(0, dot), path = target.substr(dot + 1);
  TComponent* component = name == form->Name() ? form : form->FindComponent(name);
  if (!component) throw EScriptError(c.Line, "no component named " + name);
  try {
    SetPropertyFromText(*form, *component, ClassInfoOf(*component), path, c.Args[1]);
  } catch (const std::exception& e) {
    throw EScriptError(c.Line, name + "." + e.what());
  }
  FPlatform.Idle();
}

void TScenarioRunner::Shot(const TCommand& c) {
  FPlatform.Idle();
  TForm* form = FPlatform.ActiveForm();
  if (!form) throw EScriptError(c.Line, "no window is open");
  try {
    WriteFileBytes(c.Args[0], png::EncodePng(form->BackBuffer()));
  } catch (const std::exception& e) {
    throw EScriptError(c.Line, e.what());
  }
}

}  // namespace scenario
