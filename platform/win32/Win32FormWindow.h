#pragma once
// One form's native window: a top-level window owned by the application window, its client area
// exactly the form's size, showing the back buffer and turning the system's messages into the
// form's Handle… calls.

#include <cstdint>
#include <string>

#include "platform/win32/Handles.h"
#include "toolkit/platform/NativeWindow.h"

namespace win32ui {

class TWin32Platform;

class TWin32FormWindow : public tk::INativeWindow {
 public:
  TWin32FormWindow(TWin32Platform& platform, tk::IWindowEvents& events,
                   const tk::TWindowParams& params);
  ~TWin32FormWindow() override;
  TWin32FormWindow(const TWin32FormWindow&) = delete;
  TWin32FormWindow& operator=(const TWin32FormWindow&) = delete;

  void SetCaption(const std::string& caption) override;
  void SetTopmost(bool topmost) override;
  void SetAcceptFiles(bool accept) override;
  void SetClientSize(int width, int height) override;
  void Show() override;
  void Hide() override;
  void InvalidateRect(const tk::TRect& clientRect) override;
  tk::TPoint ClientOrigin() const override;

  tk::IWindowEvents& Events() const { return FEvents; }
  HWND Handle() const { return FWindow; }
  bool Shown() const { return FShown; }

  // The window procedure's work for one message; false leaves it to the system's default.
  // Every call into the form runs guarded.
  bool HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                     std::intptr_t& result);

  // The window class of every form; registered once by the platform.
  static bool RegisterWindowClass();

 private:
  HWND CreateHandle() const;
  // A new native window in place of the old one: same place, caption, stacking, drops.
  void Recreate();
  void Paint();
  void MouseButton(int button, bool down, bool doubleClick, std::intptr_t lParam,
                   std::uintptr_t wParam);
  void MouseMoved(std::intptr_t lParam, std::uintptr_t wParam);
  bool KeyDown(int virtualKey);
  void Character(unsigned unit);
  void FilesDropped(HDROP drop);

  TWin32Platform& FPlatform;
  tk::IWindowEvents& FEvents;
  tk::TWindowParams FParams;
  HWND FWindow = nullptr;
  bool FShown = false;
  bool FTrackingLeave = false;
  unsigned FHighSurrogate = 0;
};

}  // namespace win32ui
