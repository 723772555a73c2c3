#include "toolkit/controls/GraphicControl.h"

#include "toolkit/graphics/Bitmap.h"

namespace tk {

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TCanvas>()) {}

void TGraphicControl::PaintOnto(TBitmap& surface, const TRect& clip) {
  const TRect area = IntersectRect(BoundsRect(), clip);
  if (area.IsEmpty()) return;
  FCanvas->SetTarget(&surface);
  FCanvas->SetOrigin({Left(), Top()});
  FCanvas->SetClipRect(area);
  struct Detach {  // the surface may go away before the next paint
    TCanvas& canvas;
    ~Detach() { canvas.SetTarget(nullptr); }
  } detach{*FCanvas};
  Paint();
}

}  // namespace tk
