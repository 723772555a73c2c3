#include "platform/win32/Win32FormWindow.h"

#include "platform/win32/DroppedFiles.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WinText.h"
#include "toolkit/controls/Application.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

#include "platform/win32/TopDownDib.h"

#include <windows.h>

#include <shellapi.h>
#include <windowsx.h>

namespace win32ui {

namespace {

constexpr wchar_t kFormClass[] = L"PoterinkoForm";

struct WindowStyle {
  DWORD style;
  DWORD exStyle;
};

WindowStyle StyleOf(tk::TBorderStyle border) {
  constexpr DWORD kFrame = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  switch (border) {
    case tk::TBorderStyle::bsNone: return {kFrame | WS_POPUP, 0};
    case tk::TBorderStyle::bsSingle:
      return {kFrame | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0};
    case tk::TBorderStyle::bsSizeable: return {kFrame | WS_OVERLAPPEDWINDOW, 0};
    case tk::TBorderStyle::bsDialog: return {kFrame | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME};
    // A narrow caption with the close button only; not resizable.
    case tk::TBorderStyle::bsToolWindow:
      return {kFrame | WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW};
    case tk::TBorderStyle::bsSizeToolWin:
      return {kFrame | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW};
  }
  return {kFrame | WS_OVERLAPPEDWINDOW, 0};
}

// The outer size of a window whose client area is width x height.
SIZE OuterSize(DWORD style, DWORD exStyle, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

tk::TPoint ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

unsigned MouseKeys(WPARAM wParam) {
  return static_cast<unsigned>(wParam) &
         (MK_LBUTTON | MK_RBUTTON | MK_SHIFT | MK_CONTROL | MK_MBUTTON);
}

tk::TShiftState ShiftNow() {
  tk::TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= tk::ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= tk::ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= tk::ssAlt;
  return shift;
}

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TWin32FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  std::intptr_t result = 0;
  bool handled = false;
  try {
    handled = self->HandleMessage(message, wParam, lParam, result);
  } catch (...) {
    // HandleMessage guards its calls into the form; nothing may unwind into the system.
  }
  return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool TWin32FormWindow::RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  // Double clicks arrive as WM_LBUTTONDBLCLK, the message the toolkit expects for them.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = FormWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = kFormClass;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

TWin32FormWindow::TWin32FormWindow(TWin32Platform& platform, tk::IWindowEvents& events,
                                   const tk::TWindowParams& params)
    : FPlatform(platform), FEvents(events), FParams(params) {
  FWindow = CreateHandle();
  if (!FWindow) throw tk::Exception("ウィンドウを作成できません");
  SetAcceptFiles(params.AcceptFiles);
  FPlatform.WindowCreated(this);
}

HWND TWin32FormWindow::CreateHandle() const {
  const WindowStyle style = StyleOf(FParams.BorderStyle);
  const DWORD exStyle = style.exStyle | (FParams.Topmost ? WS_EX_TOPMOST : 0);
  const SIZE outer = OuterSize(style.style, exStyle, FParams.ClientWidth, FParams.ClientHeight);
  // Owned by the application window: no taskbar entry of its own, and above its owner.
  return CreateWindowExW(exStyle, kFormClass, Utf8ToWide(FParams.Caption).c_str(), style.style,
                         FParams.Position.X, FParams.Position.Y, outer.cx, outer.cy,
                         FPlatform.ApplicationWindow(), nullptr, GetModuleHandleW(nullptr),
                         const_cast<TWin32FormWindow*>(this));
}

void TWin32FormWindow::Recreate() {
  RECT outer{};
  GetWindowRect(FWindow, &outer);
  FParams.Position = {outer.left, outer.top};
  HWND old = FWindow;
  HWND fresh = CreateHandle();
  if (!fresh) return;  // the old window stays, as it is
  const bool active = GetActiveWindow() == old;
  FWindow = fresh;
  // The new window takes drops as the old one did.
  SetAcceptFiles(FParams.AcceptFiles);
  if (IsWindowVisible(old)) ShowWindow(FWindow, active ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
  SetWindowLongPtrW(old, GWLP_USERDATA, 0);
  DestroyWindow(old);
}

TWin32FormWindow::~TWin32FormWindow() {
  FPlatform.WindowDestroyed(this);
  // Destroying still sends messages (focus, capture); none may reach a form that is going away.
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
}

void TWin32FormWindow::SetCaption(const std::string& caption) {
  FParams.Caption = caption;
  SetWindowTextW(FWindow, Utf8ToWide(caption).c_str());
}

void TWin32FormWindow::SetTopmost(bool topmost) {
  FParams.Topmost = topmost;
  SetWindowPos(FWindow, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Some systems (Wine) keep an owned window topmost when its owner lies right below it; a
  // window made anew without the style is not.
  const bool isTopmost = (GetWindowLongW(FWindow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (isTopmost != topmost) Recreate();
}

void TWin32FormWindow::SetAcceptFiles(bool accept) {
  FParams.AcceptFiles = accept;
  DragAcceptFiles(FWindow, accept ? TRUE : FALSE);
}

void TWin32FormWindow::Show() {
  FPlatform.SyncTitle();
  FPlatform.ShowApplicationWindow();
  FShown = true;
  ShowWindow(FWindow, SW_SHOWNORMAL);
  ::UpdateWindow(FWindow);
}

void TWin32FormWindow::Hide() {
  FShown = false;
  ShowWindow(FWindow, SW_HIDE);
}

void TWin32FormWindow::InvalidateRect(const tk::TRect& r) {
  const RECT area{r.Left, r.Top, r.Right, r.Bottom};
  ::InvalidateRect(FWindow, &area, FALSE);
}

void TWin32FormWindow::SetClientSize(int width, int height) {
  FParams.ClientWidth = width;
  FParams.ClientHeight = height;
  const SIZE outer =
      OuterSize(static_cast<DWORD>(GetWindowLongW(FWindow, GWL_STYLE)),
                static_cast<DWORD>(GetWindowLongW(FWindow, GWL_EXSTYLE)), width, height);
  SetWindowPos(FWindow, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

tk::TPoint TWin32FormWindow::ClientOrigin() const {
  POINT origin{0, 0};
  ClientToScreen(FWindow, &origin);
  return {origin.x, origin.y};
}

bool TWin32FormWindow::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                     std::intptr_t& result) {
  result = 0;
  switch (message) {
    case WM_PAINT: Paint(); return true;
    case WM_ERASEBKGND:
      // Every pixel comes from the back buffer: nothing to erase, nothing to flicker.
      result = 1;
      return true;
    case WM_MOUSEMOVE: MouseMoved(lParam, wParam); return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Drags that leave the window keep reporting to it until the button is released.
      SetCapture(FWindow);
      MouseButton(0, true, message == WM_LBUTTONDBLCLK, lParam, wParam);
      return true;
    case WM_LBUTTONUP:
      MouseButton(0, false, false, lParam, wParam);
      if (GetCapture() == FWindow) ReleaseCapture();
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseButton(1, true, message == WM_RBUTTONDBLCLK, lParam, wParam);
      return true;
    case WM_RBUTTONUP:
      // The form opens the popup menu on this release; the system's WM_CONTEXTMENU for it is
      // not asked for (this message does not reach the default handling).
      MouseButton(1, false, false, lParam, wParam);
      return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseButton(2, true, message == WM_MBUTTONDBLCLK, lParam, wParam);
      return true;
    case WM_MBUTTONUP: MouseButton(2, false, false, lParam, wParam); return true;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      tk::GuardCallback([&] { FEvents.HandleMouseLeaveWindow(); });
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return KeyDown(static_cast<int>(wParam));
    case WM_KEYUP:
      // The key-down of the context-menu key opened the menu already; its release must not
      // open it a second time through the default handling.
      return wParam == VK_APPS;
    case WM_CHAR: Character(static_cast<unsigned>(wParam)); return true;
    case WM_SYSCHAR:
      Character(static_cast<unsigned>(wParam));
      // Alt+Space still opens the window menu.
      return wParam != L' ';
    case WM_CONTEXTMENU:
      // From the mouse the form has opened the menu at the release already; a request from
      // the keyboard (or from elsewhere) has no point: the client area's corner.
      if (lParam == -1) tk::GuardCallback([&] { FEvents.PopupFromKeyboard(); });
      return true;
    case WM_DROPFILES: FilesDropped(reinterpret_cast<HDROP>(wParam)); return true;
    case WM_CLOSE:
      // The form decides; it hides the window itself when it closes.
      tk::GuardCallback([&] { FEvents.HandleCloseRequest(); });
      return true;
    default: return false;
  }
}

void TWin32FormWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(FWindow, &paint);
  if (tk::TBitmap* buffer = FPlatform.Painter().Paint(FEvents)) {
    // The whole buffer, as it lies in memory; the update region clips.
    const int width = buffer->Width();
    const int height = buffer->Height();
    const BITMAPINFO info = TopDownDibInfo(width, height);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), buffer->ScanLine(0), &info, DIB_RGB_COLORS);
  }
  ::EndPaint(FWindow, &paint);
}

void TWin32FormWindow::MouseMoved(std::intptr_t lParam, std::uintptr_t wParam) {
  if (!FTrackingLeave) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FWindow, 0};
    FTrackingLeave = TrackMouseEvent(&track) != FALSE;
  }
  tk::GuardCallback([&] { FEvents.HandleMouseMove(ClientPoint(lParam), MouseKeys(wParam)); });
}

void TWin32FormWindow::MouseButton(int button, bool down, bool doubleClick, std::intptr_t lParam,
                                   std::uintptr_t wParam) {
  static constexpr tk::TMouseButton kButtons[] = {
      tk::TMouseButton::mbLeft, tk::TMouseButton::mbRight, tk::TMouseButton::mbMiddle};
  tk::GuardCallback([&] {
    FEvents.HandleMouseButton(kButtons[button], down, doubleClick, ClientPoint(lParam),
                              MouseKeys(wParam));
  });
}

bool TWin32FormWindow::KeyDown(int virtualKey) {
  const tk::TShiftState shift = ShiftNow();
  bool used = false;
  tk::GuardCallback([&] { used = FEvents.HandleKeyDown(virtualKey, shift); });
  if (!used) return false;
  // A used key types nothing: drop the character its translation has queued already.
  MSG pending;
  while (PeekMessageW(&pending, FWindow, WM_CHAR, WM_CHAR, PM_REMOVE) ||
         PeekMessageW(&pending, FWindow, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE)) {
  }
  return true;
}

void TWin32FormWindow::Character(unsigned unit) {
  // A character beyond the basic plane arrives as two UTF-16 halves.
  if (unit >= 0xD800 && unit < 0xDC00) {
    FHighSurrogate = unit;
    return;
  }
  unsigned code = unit;
  if (unit >= 0xDC00 && unit < 0xE000) {
    if (!FHighSurrogate) return;
    code = 0x10000 + ((FHighSurrogate - 0xD800) << 10) + (unit - 0xDC00);
  }
  FHighSurrogate = 0;
  tk::GuardCallback([&] { FEvents.HandleChar(code); });
}

void TWin32FormWindow::FilesDropped(HDROP handle) {
  tk::GuardCallback([&] { FEvents.HandleDropFiles(TakeDroppedFiles(handle)); });
}

}  // namespace win32ui
