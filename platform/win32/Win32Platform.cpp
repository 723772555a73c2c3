#include "platform/win32/Win32Platform.h"

#include <algorithm>

#include "platform/win32/SimpleMapiSystem.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32FormWindow.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/WinText.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"
#include "toolkit/graphics/Color.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace win32ui {

namespace {

constexpr wchar_t kApplicationClass[] = L"PoterinkoApplication";
// Error reports that arrived while a window painted are shown from the loop afterwards.
constexpr UINT WM_SHOW_HELD_ERRORS = WM_APP + 1;

TWin32Platform* PlatformOf(HWND window) {
  return reinterpret_cast<TWin32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  TWin32Platform* platform = PlatformOf(window);
  if (!platform) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER: platform->TimerFired(wParam); return 0;
    case WM_SHOW_HELD_ERRORS: tk::GuardCallback([&] { platform->ShowHeldErrors(); }); return 0;
    case WM_SETFOCUS: {
      // The taskbar entry activated the program: the keyboard belongs to the window the user
      // worked in last (a form, or the dialog in front of it).
      HWND popup = GetLastActivePopup(window);
      if (popup && popup != window && IsWindowEnabled(popup)) SetFocus(popup);
      return 0;
    }
    case WM_CLOSE:
      // "Close window" on the taskbar entry closes the main form, which ends the program.
      tk::GuardCallback([] {
        if (tk::TForm* form = tk::Application().MainForm()) form->HandleCloseRequest();
      });
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

HICON MainIcon(int size) {
  // The program's icon resource; programs without one (the tests) get the system's default.
  HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0);
  return icon ? static_cast<HICON>(icon)
              : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

}  // namespace

TWin32Platform::TWin32Platform()
    : FPainter([this] { PostMessageW(FApplicationWindow, WM_SHOW_HELD_ERRORS, 0, 0); }) {}

std::unique_ptr<TWin32Platform> TWin32Platform::Create() {
  std::unique_ptr<TWin32Platform> platform(new TWin32Platform());
  if (!platform->Init()) return nullptr;
  return platform;
}

bool TWin32Platform::Init() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = ApplicationWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = MainIcon(GetSystemMetrics(SM_CXICON));
  windowClass.hIconSm = MainIcon(GetSystemMetrics(SM_CXSMICON));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = kApplicationClass;
  if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  if (!TWin32FormWindow::RegisterWindowClass()) return false;
  // Zero-sized in the middle of the screen: nothing of it shows but its taskbar entry, which
  // carries the title, the icon and the window menu (minimise, restore, close).
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  FApplicationWindow =
      CreateWindowExW(0, kApplicationClass, Utf8ToWide(tk::Application().Title()).c_str(),
                      WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, x, y, 0, 0, nullptr,
                      nullptr, GetModuleHandleW(nullptr), this);
  if (!FApplicationWindow) return false;
  FMapiSystem = CreateWin32SimpleMapiSystem(reinterpret_cast<std::uintptr_t>(FApplicationWindow));
  FSimpleMapi = std::make_unique<TSimpleMapi>(*FMapiSystem);
  FShownTitle = Utf8ToWide(tk::Application().Title());
  tk::SetSysColorSource([](int index) { return static_cast<std::uint32_t>(::GetSysColor(index)); });
  return true;
}

TWin32Platform::~TWin32Platform() {
  tk::SetSysColorSource({});
  for (const auto& timer : FTimers) KillTimer(FApplicationWindow, timer.first);
  if (FApplicationWindow) {
    SetWindowLongPtrW(FApplicationWindow, GWLP_USERDATA, 0);
    DestroyWindow(FApplicationWindow);
  }
}

void TWin32Platform::SyncTitle() {
  const std::wstring title = Utf8ToWide(tk::Application().Title());
  if (title == FShownTitle) return;
  FShownTitle = title;
  SetWindowTextW(FApplicationWindow, title.c_str());
}

void TWin32Platform::ShowApplicationWindow() {
  if (FApplicationWindowShown) return;
  FApplicationWindowShown = true;
  ShowWindow(FApplicationWindow, SW_SHOWNOACTIVATE);
}

std::unique_ptr<tk::INativeWindow> TWin32Platform::CreateNativeWindow(
    tk::IWindowEvents& events, const tk::TWindowParams& params) {
  SyncTitle();
  return std::make_unique<TWin32FormWindow>(*this, events, params);
}

void TWin32Platform::WindowCreated(TWin32FormWindow* window) { FWindows.push_back(window); }

void TWin32Platform::WindowDestroyed(TWin32FormWindow* window) {
  FWindows.erase(std::remove(FWindows.begin(), FWindows.end(), window), FWindows.end());
}

TWin32FormWindow* TWin32Platform::ActiveWindow() const {
  HWND active = GetActiveWindow();
  for (TWin32FormWindow* window : FWindows)
    if (window->Handle() == active) return window;
  for (auto it = FWindows.rbegin(); it != FWindows.rend(); ++it)
    if ((*it)->Shown()) return *it;
  return nullptr;
}

bool TWin32Platform::IsFormWindow(HWND window) const {
  return std::any_of(FWindows.begin(), FWindows.end(),
                     [&](const TWin32FormWindow* w) { return w->Handle() == window; });
}

void TWin32Platform::RunMessageLoop() {
  if (FQuit) {
    FQuit = false;
    return;
  }
  ++FLoopDepth;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  --FLoopDepth;
  FQuit = false;
}

void TWin32Platform::Terminate() {
  // Only a running loop is ended; a quit message left in the queue would end the next modal
  // loop (a message box) instead.
  if (FLoopDepth > 0) {
    PostQuitMessage(0);
  } else {
    FQuit = true;
  }
}

tk::IClock::TimerId TWin32Platform::StartTimer(unsigned intervalMs, std::function<void()> tick) {
  const TimerId id = FNextTimer++;
  FTimers[id] = std::move(tick);
  SetTimer(FApplicationWindow, static_cast<UINT_PTR>(id), intervalMs, nullptr);
  return id;
}

void TWin32Platform::StopTimer(TimerId id) {
  if (FTimers.erase(id)) KillTimer(FApplicationWindow, static_cast<UINT_PTR>(id));
}

void TWin32Platform::TimerFired(unsigned long long nativeId) {
  auto found = FTimers.find(nativeId);
  if (found == FTimers.end()) return;
  // The tick may stop or start timers, its own included: call a copy.
  std::function<void()> tick = found->second;
  tk::GuardCallback(tick);
}

tk::TPoint TWin32Platform::CursorPos() const {
  POINT p{0, 0};
  GetCursorPos(&p);
  return {p.x, p.y};
}

short TWin32Platform::KeyState(int virtualKey) const { return GetKeyState(virtualKey); }

bool TWin32Platform::HasNativeCapture() const {
  HWND capture = GetCapture();
  return capture && IsFormWindow(capture);
}

void TWin32Platform::ShowErrorBox(const std::string& caption, const std::string& text) {
  if (FPainter.Hold(caption, text)) return;
  SyncTitle();
  RunErrorBox(FApplicationWindow, caption, text);
}

void TWin32Platform::ShowHeldErrors() {
  FPainter.ShowHeldReports(
      [this](const std::string& caption, const std::string& text) { ShowErrorBox(caption, text); });
}

tk::TModalResult TWin32Platform::MessageDialog(const tk::TMessageDialogParams& params) {
  SyncTitle();
  return RunMessageDialog(
      FApplicationWindow, params,
      TaskDialogAvailable() ? TDialogKind::kTaskDialog : TDialogKind::kOwnDialog);
}

std::optional<std::string> TWin32Platform::SaveDialog(const tk::TSaveDialogParams& params) {
  TWin32FormWindow* window = ActiveWindow();
  return RunSaveDialog(window ? window->Handle() : FApplicationWindow, params);
}

void TWin32Platform::PopupMenu(const tk::TMenuModel& menu, tk::TPoint screen) {
  TWin32FormWindow* window = ActiveWindow();
  TrackPopupMenuAt(menu, window ? window->Handle() : FApplicationWindow, screen);
}

void TWin32Platform::Beep() { MessageBeep(0); }

std::string TWin32Platform::ProgramPath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return WideToUtf8(path);
    }
    path.resize(path.size() * 2);  // cut: try with more room
  }
}

void TWin32Platform::OpenUrl(const std::string& address) {
  TWin32FormWindow* window = ActiveWindow();
  // The shell's byte interface takes the system's ANSI code page; the result is not reported.
  const std::string ansi = Utf8ToAnsi(address);
  ShellExecuteA(window ? window->Handle() : nullptr, "OPEN", ansi.c_str(), "", "", SW_SHOW);
}

unsigned TWin32Platform::SendMail(const tk::TMailRequest& request) {
  return FSimpleMapi->Send(request);
}

}  // namespace win32ui
