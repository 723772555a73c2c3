#pragma once
// A control that holds other controls, in creation order: later ones lie above earlier ones.

#include <vector>

#include "toolkit/controls/Control.h"

namespace tk {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls[static_cast<std::size_t>(index)]; }
  // Adds a control on top of the others / takes it out, without giving it a window.
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  // The topmost visible control whose bounds hold `clientPoint`; disabled controls count only
  // when `allowDisabled` is set.
  TControl* ControlAtPos(TPoint clientPoint, bool allowDisabled) const;

  // Delivers a message to every child control in order, stopping at a non-zero result.
  void Broadcast(TMessage& message);
  // Delivers a message to every child control, ignoring results.
  void NotifyControls(unsigned msg);

  // Marks a rectangle of the client area for repainting.
  virtual void InvalidateRect(const TRect& clientRect);
  // Paints what is pending now.
  virtual void UpdateWindow();
  // The control under the mouse capture in this window, if any.
  virtual TControl* CaptureControl() const;
  virtual void SetCaptureControl(TControl* control);

 protected:
  void Dispatch(TMessage& message) override;

 private:
  std::vector<TControl*> FControls;
};

}  // namespace tk
