#pragma once
// A rectangle shape: outlined with its pen along the widget's outer pixels, filled with its brush.

#include <memory>

#include "toolkit/controls/GraphicControl.h"

namespace tk {

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* owner);
  const char* ClassName() const override { return "TShape"; }

  TPen& Pen() { return *FPen; }
  TBrush& Brush() { return *FBrush; }

 protected:
  void Paint() override;

 private:
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
};

}  // namespace tk
