#include "toolkit/controls/Image.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"

namespace tk {

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
  SetControlStyle(ControlStyle() | csReplicatable);
  FPicture->OnChange = TNotifyEvent([this](TObject* s) { PictureChanged(s); });
  SetBounds(Left(), Top(), 105, 105);
}

void TImage::SetStretch(bool value) {
  if (!StoreChanged(FStretch, value)) return;
  UpdateDecodeSize();
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (StoreChanged(FTransparent, value)) PictureChanged(nullptr);
}

void TImage::SetCenter(bool value) {
  if (StoreChanged(FCenter, value)) Invalidate();
}

void TImage::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  UpdateDecodeSize();
}

void TImage::UpdateDecodeSize() {
  // A stretched picture never shows more pixels than the widget has: a large photo keeps only
  // those it shows at the widget's size.
  if (FStretch) FPicture->SetStretchSize(Width(), Height());
  else FPicture->SetDecodeSize(0, 0);
}

void TImage::PictureChanged(TObject*) {
  if (TGraphic* g = FPicture->Graphic()) {
    // Setting it may notify again; the second round finds nothing to change.
    if (g->Transparent() != FTransparent) g->SetTransparent(FTransparent);
  }
  Invalidate();
}

TCanvas& TImage::Canvas() {
  if (!FPicture->Graphic()) {
    auto bitmap = std::make_unique<TBitmap>(Width(), Height());
    FPicture->SetGraphic(std::move(bitmap));
  }
  auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
  if (!bitmap) throw Exception("Can only modify an image if it contains a bitmap");
  return bitmap->Canvas();
}

void TImage::Paint() {
  const TGraphic* g = FPicture->Graphic();
  if (!g || g->Empty()) return;
  TRect dest;
  if (FStretch) {
    dest = ClientRect();
  } else if (FCenter) {
    dest =
        Bounds((Width() - g->Width()) / 2, (Height() - g->Height()) / 2, g->Width(), g->Height());
  } else {
    dest = Bounds(0, 0, g->Width(), g->Height());
  }
  TGraphicControl::Canvas().StretchDraw(dest, *g);
}

}  // namespace tk
