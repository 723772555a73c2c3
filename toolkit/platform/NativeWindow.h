#pragma once
// One top-level window as the platform interface sees it: how to make it, what the toolkit
// asks of it, and what it reports back. The toolkit's form is one implementation of the
// reporting side; nothing here knows about controls.

#include <string>
#include <vector>

#include "toolkit/core/EnumNames.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/InputCodes.h"

namespace tk {

class TBitmap;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline constexpr auto kBorderStyleNames =
    EnumNames<TBorderStyle>({{TBorderStyle::bsNone, "bsNone"},
                             {TBorderStyle::bsSingle, "bsSingle"},
                             {TBorderStyle::bsSizeable, "bsSizeable"},
                             {TBorderStyle::bsDialog, "bsDialog"},
                             {TBorderStyle::bsToolWindow, "bsToolWindow"},
                             {TBorderStyle::bsSizeToolWin, "bsSizeToolWin"}});

// How the backend should make a window.
struct TWindowParams {
  std::string Caption;
  TPoint Position;  // outer top-left corner on the screen
  int ClientWidth = 0;
  int ClientHeight = 0;
  TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
  bool Topmost = false;
  bool AcceptFiles = false;
};

// The native side of one window. The toolkit paints into a back buffer; the window only shows it.
class INativeWindow {
 public:
  virtual ~INativeWindow() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetTopmost(bool topmost) = 0;
  virtual void SetAcceptFiles(bool accept) = 0;
  // The client size changed: the client area follows, the frame around it.
  virtual void SetClientSize(int width, int height) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Part of the back buffer changed; show it (now or at the next frame).
  virtual void InvalidateRect(const TRect& clientRect) = 0;
  // The screen position of client pixel (0, 0).
  virtual TPoint ClientOrigin() const = 0;
};

// Files dropped on a window: each whole path, UTF-8, in the order the window system listed
// them. The backend that received the native drop has released it before anyone sees this.
struct TDroppedFiles {
  std::vector<std::string> Paths;
};

// What a native window reports, in client coordinates. A backend calls these from its event
// loop under the application's error report.
class IWindowEvents {
 public:
  // Brings the back buffer up to date where it is out of date.
  virtual void HandlePaint() = 0;
  // The window's pixels (none before the first size is set).
  virtual TBitmap& BackBuffer() = 0;
  virtual void HandleMouseMove(TPoint client, unsigned keys) = 0;
  virtual void HandleMouseButton(TMouseButton button, bool down, bool doubleClick, TPoint client,
                                 unsigned keys) = 0;
  virtual void HandleMouseLeaveWindow() = 0;
  // True when the key was used (a menu shortcut or the context-menu key).
  virtual bool HandleKeyDown(int virtualKey, TShiftState shift) = 0;
  virtual void HandleChar(unsigned charCode) = 0;
  virtual void HandleDropFiles(const TDroppedFiles& drop) = 0;
  // The user asked to close the window (its close box, Alt+F4, the end of the session).
  virtual void HandleCloseRequest() = 0;
  // The system's context-menu request from the keyboard.
  virtual void PopupFromKeyboard() = 0;

 protected:
  ~IWindowEvents() = default;
};

}  // namespace tk
