#pragma once
// A control without a window of its own: it paints onto its parent's surface, inside its own
// bounds, whenever the parent repaints that area.

#include <memory>

#include "toolkit/controls/Control.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {

class TBitmap;

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  const char* ClassName() const override { return "TGraphicControl"; }

  // The canvas of the parent's surface, origin at this control's top-left corner, clipped to
  // its bounds. Valid while the control paints.
  TCanvas& Canvas() { return *FCanvas; }

  // Called by the parent window: paints this control into `surface` where `clip` (surface
  // coordinates) allows.
  void PaintOnto(TBitmap& surface, const TRect& clip);

 protected:
  virtual void Paint() {}

 private:
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace tk
