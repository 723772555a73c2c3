#include "platform/headless/HeadlessPlatform.h"

#include <algorithm>

#include "platform/headless/HeadlessWindow.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/core/FileIO.h"

namespace headless {

using namespace tk;

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

THeadlessWindow::THeadlessWindow(THeadlessPlatform& platform, IWindowEvents& events,
                                 const TWindowParams& params)
    : FPlatform(platform), FEvents(events), FParams(params) {}

THeadlessWindow::~THeadlessWindow() { FPlatform.WindowDestroyed(this); }

void THeadlessWindow::SetTopmost(bool topmost) {
  if (topmost == FParams.Topmost) return;
  FParams.Topmost = topmost;
  FPlatform.Emit(topmost ? "topmost on" : "topmost off");
}

THeadlessPlatform::THeadlessPlatform()
    : FStartTime(std::time(nullptr)), FOuterFileObserver(FileObserver()) {
  SetFileObserver(this);
}

std::time_t THeadlessPlatform::CurrentTime() const {
  return FStartTime + static_cast<std::time_t>(FNow / 1000);
}
THeadlessPlatform::~THeadlessPlatform() { SetFileObserver(FOuterFileObserver); }

void THeadlessPlatform::Emit(const std::string& line) {
  if (OnLine) OnLine(line);
  else FLines.push_back(line);
}

std::unique_ptr<INativeWindow> THeadlessPlatform::CreateNativeWindow(IWindowEvents& events,
                                                                     const TWindowParams& p) {
  auto window = std::make_unique<THeadlessWindow>(*this, events, p);
  FWindows.push_back(window.get());
  return window;
}

void THeadlessPlatform::WindowDestroyed(THeadlessWindow* window) {
  FWindows.erase(std::remove(FWindows.begin(), FWindows.end(), window), FWindows.end());
}

THeadlessWindow* THeadlessPlatform::ActiveWindow() const {
  for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
    if ((*it)->Shown()) return *it;
  return nullptr;
}

TForm* THeadlessPlatform::ActiveForm() const {
  THeadlessWindow* w = ActiveWindow();
  return w ? dynamic_cast<TForm*>(&w->Events()) : nullptr;
}

void THeadlessPlatform::RunMessageLoop() {
  Idle();
  if (Driver) Driver();
}

IClock::TimerId THeadlessPlatform::StartTimer(unsigned intervalMs, std::function<void()> tick) {
  const TimerId id = FNextTimer++;
  FTimers[id] = ScheduledTimer{intervalMs, FNow + intervalMs, std::move(tick)};
  return id;
}

void THeadlessPlatform::StopTimer(TimerId id) { FTimers.erase(id); }

void THeadlessPlatform::AdvanceTime(unsigned ms) {
  const std::uint64_t end = FNow + ms;
  for (;;) {
    auto next = std::min_element(FTimers.begin(), FTimers.end(), [](const auto& a, const auto& b) {
      return a.second.Due < b.second.Due;
    });
    if (next == FTimers.end() || next->second.Due > end) break;
    FNow = next->second.Due;
    next->second.Due += std::max(next->second.Interval, 1u);
    // The tick may stop or start timers, this one included: call a copy.
    std::function<void()> tick = next->second.Tick;
    tick();
    Idle();
  }
  FNow = end;
}

short THeadlessPlatform::KeyState(int virtualKey) const {
  return FKeysDown.count(virtualKey) ? static_cast<short>(-128) : 0;
}

void THeadlessPlatform::ShowErrorBox(const std::string& caption, const std::string& text) {
  Emit("error caption=" + Quote(caption) + " text=" + Quote(text));
}

TModalResult THeadlessPlatform::MessageDialog(const TMessageDialogParams& p) {
  const bool notice = p.Buttons.size() <= 1;
  if (notice) {
    Emit("notice caption=" + Quote(p.Caption) + " text=" + Quote(p.Text));
    return p.Buttons.empty() ? TModalResult::mrOk : p.Buttons.front().second;
  }
  TConfirmAnswer answer = TConfirmAnswer::kNo;
  if (!FConfirmAnswers.empty()) {
    answer = FConfirmAnswers.front();
    FConfirmAnswers.pop_front();
  }
  static const char* const kNames[] = {"yes", "no", "esc"};
  Emit("confirm caption=" + Quote(p.Caption) + " text=" + Quote(p.Text) + " -> " +
       kNames[static_cast<int>(answer)]);
  switch (answer) {
    case TConfirmAnswer::kYes: return TModalResult::mrYes;
    case TConfirmAnswer::kNo: return TModalResult::mrNo;
    case TConfirmAnswer::kEscape: break;
  }
  return p.CancelResult;
}

std::optional<std::string> THeadlessPlatform::SaveDialog(const TSaveDialogParams& p) {
  TSaveAnswer answer;
  if (!FSaveAnswers.empty()) {
    answer = FSaveAnswers.front();
    FSaveAnswers.pop_front();
  }
  // The answer is the name as typed; the line shows the path the program goes on with.
  Emit("save-dialog filter=" + Quote(p.Filter) + " defext=" + Quote(p.DefaultExt) + " -> " +
       (answer ? ApplyDefaultExtension(*answer, p.DefaultExt) : std::string("cancel")));
  return answer;
}

void THeadlessPlatform::PopupMenu(const TMenuModel& menu, TPoint screen) {
  TPoint client = screen;
  if (THeadlessWindow* w = ActiveWindow())
    client = {screen.X - w->ClientOrigin().X, screen.Y - w->ClientOrigin().Y};
  Emit("menu-open " + std::to_string(client.X) + " " + std::to_string(client.Y));
  for (const TMenuEntry& item : menu.Items)
    Emit("menu-item " + item.Name + " " + Quote(item.Caption) + " " +
         (item.ShortCut.empty() ? "-" : item.ShortCut) + " " + (item.Checked ? "checked" : "-"));
  if (FMenuChoices.empty()) return;  // dismissed
  const std::string choice = FMenuChoices.front();
  FMenuChoices.pop_front();
  for (const TMenuEntry& item : menu.Items) {
    if (item.Name == choice) {
      item.Click();
      return;
    }
  }
}

TAttachmentReading THeadlessPlatform::AttachmentReading() const {
#ifdef _WIN32
  return TAttachmentReading::kBeforeSendReturns;
#else
  return TAttachmentReading::kLater;
#endif
}

void THeadlessPlatform::OpenUrl(const std::string& address) { Emit("open-url " + Quote(address)); }

unsigned THeadlessPlatform::SendMail(const TMailRequest& r) {
  unsigned code = 0;
  if (!FMailResults.empty()) {
    code = FMailResults.front();
    FMailResults.pop_front();
  }
  // The attachment as the mail program would find it at this moment.
  std::string jpeg = "missing";
  try {
    const std::vector<std::uint8_t> data = ReadFileBytes(r.AttachmentPath);
    const TJpegDecoded decoded = DecodeJpeg(data, 1, 1);
    jpeg = std::to_string(decoded.ImageWidth) + "x" + std::to_string(decoded.ImageHeight);
  } catch (const std::exception&) {
  }
  Emit("mail subject=" + Quote(r.Subject) + " note=" + Quote(r.Note) +
       " to=" + Quote(r.RecipientName) + " address=" + Quote(r.RecipientAddress) +
       " class=" + std::to_string(static_cast<unsigned>(r.RecipientClass)) +
       " attachment=" + Quote(r.AttachmentPath) + " jpeg=" + jpeg + " -> " + std::to_string(code));
  return code;
}

void THeadlessPlatform::FileWritten(const std::string& path, std::uint64_t bytes) {
  Emit("file-written " + Quote(path) + " bytes=" + std::to_string(bytes));
}

void THeadlessPlatform::FileRemoved(const std::string& path) {
  Emit("file-removed " + Quote(path));
}

unsigned THeadlessPlatform::MouseKeys() const {
  unsigned keys = 0;
  if (FKeysDown.count(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (FKeysDown.count(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (FKeysDown.count(VK_MBUTTON)) keys |= MK_MBUTTON;
  if (FKeysDown.count(VK_SHIFT)) keys |= MK_SHIFT;
  if (FKeysDown.count(VK_CONTROL)) keys |= MK_CONTROL;
  return keys;
}

void THeadlessPlatform::Report(const std::function<void(IWindowEvents&)>& event) {
  THeadlessWindow* w = ActiveWindow();
  if (!w) return;
  Application().Guard([&] { event(w->Events()); });
  Idle();
}

void THeadlessPlatform::Deliver(const std::function<void(TForm&)>& event) {
  TForm* form = ActiveForm();
  if (!form) return;
  Application().Guard([&] { event(*form); });
  Idle();
}

void THeadlessPlatform::Idle() {
  for (THeadlessWindow* w : FWindows) Application().Guard([&] { w->Events().HandlePaint(); });
}

namespace {
int ButtonKey(TMouseButton b) {
  switch (b) {
    case TMouseButton::mbLeft: return VK_LBUTTON;
    case TMouseButton::mbRight: return VK_RBUTTON;
    case TMouseButton::mbMiddle: return VK_MBUTTON;
  }
  return VK_LBUTTON;
}
}  // namespace

void THeadlessPlatform::SetCursor(TPoint client) {
  const THeadlessWindow* w = ActiveWindow();
  FCursor = w ? TPoint{client.X + w->ClientOrigin().X, client.Y + w->ClientOrigin().Y} : client;
}

void THeadlessPlatform::MoveMouse(TPoint client) {
  SetCursor(client);
  Report([&](IWindowEvents& f) { f.HandleMouseMove(client, MouseKeys()); });
}

void THeadlessPlatform::PressButton(TMouseButton button, TPoint client) {
  SetCursor(client);
  FKeysDown.insert(ButtonKey(button));
  Report([&](IWindowEvents& f) { f.HandleMouseButton(button, true, false, client, MouseKeys()); });
}

void THeadlessPlatform::ReleaseButton(TMouseButton button, TPoint client) {
  SetCursor(client);
  FKeysDown.erase(ButtonKey(button));
  Report([&](IWindowEvents& f) { f.HandleMouseButton(button, false, false, client, MouseKeys()); });
}

void THeadlessPlatform::DoubleClick(TPoint client) {
  PressButton(TMouseButton::mbLeft, client);
  ReleaseButton(TMouseButton::mbLeft, client);
  SetCursor(client);
  FKeysDown.insert(VK_LBUTTON);
  Report([&](IWindowEvents& f) {
    f.HandleMouseButton(TMouseButton::mbLeft, true, true, client, MouseKeys());
  });
  ReleaseButton(TMouseButton::mbLeft, client);
}

void THeadlessPlatform::PressKey(int virtualKey, TShiftState shift, unsigned charCode) {
  std::vector<int> modifiers;
  if (shift & ssShift) modifiers.push_back(VK_SHIFT);
  if (shift & ssCtrl) modifiers.push_back(VK_CONTROL);
  if (shift & ssAlt) modifiers.push_back(VK_MENU);
  for (int m : modifiers) FKeysDown.insert(m);
  FKeysDown.insert(virtualKey);
  Report([&](IWindowEvents& f) {
    if (!f.HandleKeyDown(virtualKey, shift) && charCode != 0) f.HandleChar(charCode);
  });
  FKeysDown.erase(virtualKey);
  for (int m : modifiers) FKeysDown.erase(m);
}

void THeadlessPlatform::DropFiles(TPoint client, const std::vector<std::string>& paths) {
  SetCursor(client);
  Report([&](IWindowEvents& f) { f.HandleDropFiles(TDroppedFiles{paths}); });
}

void THeadlessPlatform::CloseWindow() {
  Report([](IWindowEvents& f) { f.HandleCloseRequest(); });
}

}  // namespace headless
