#include "toolkit/controls/Shape.h"

namespace tk {

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  SetControlStyle(ControlStyle() | csReplicatable);
  FPen->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
  FBrush->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
  SetBounds(Left(), Top(), 65, 65);
}

void TShape::Paint() {
  TCanvas& c = Canvas();
  c.Pen().Assign(*FPen);
  c.Brush().Assign(*FBrush);
  // The rectangle starts at half the pen width so a wide outline stays inside the widget.
  const int w = FPen->Width(), x = w / 2, y = w / 2;
  const int width = Width() - w + 1, height = Height() - w + 1;
  c.Rectangle(x, y, x + width, y + height);
}

}  // namespace tk
