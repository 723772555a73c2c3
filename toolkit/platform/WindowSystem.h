#pragma once
// The window system's role: top-level windows and the loop that feeds them events, the state
// of the pointer and the keys as the controls read it, and popup menus.

#include <memory>

#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/MenuModel.h"
#include "toolkit/platform/NativeWindow.h"

namespace tk {

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // A window that reports to `events` until it is destroyed.
  virtual std::unique_ptr<INativeWindow> CreateNativeWindow(IWindowEvents& events,
                                                            const TWindowParams& params) = 0;
  // Runs until Terminate; events reach the forms through TApplication.
  virtual void RunMessageLoop() = 0;
  virtual void Terminate() = 0;

  virtual TPoint CursorPos() const = 0;              // screen pixels
  virtual short KeyState(int virtualKey) const = 0;  // negative while the key is down
  // A window of the system (not a control of ours) holds the mouse capture.
  virtual bool HasNativeCapture() const { return false; }

  // Shows the menu at a screen point; a chosen item is clicked (maybe later, from the loop).
  virtual void PopupMenu(const TMenuModel& menu, TPoint screen) = 0;
};

IWindowSystem& WindowSystem();

}  // namespace tk
