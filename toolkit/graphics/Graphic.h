#pragma once
// A picture that can draw itself onto a canvas: the base of bitmaps and JPEG images.

#include "toolkit/core/Object.h"
#include "toolkit/graphics/Geometry.h"

namespace tk {

class TCanvas;

class TGraphic : public TPersistent {
 public:
  const char* ClassName() const override { return "TGraphic"; }

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() == 0 || Height() == 0; }

  // A transparent picture leaves out the pixels of its transparent colour when drawn.
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool value);

  // Draws the picture scaled to `dest` (nearest neighbour, no smoothing).
  virtual void Draw(TCanvas& canvas, const TRect& dest) const = 0;

  TNotifyEvent OnChange;

 protected:
  void Changed() { OnChange(this); }

 private:
  bool FTransparent = false;
};

}  // namespace tk
