#pragma once
// A picture widget: shows one picture (a bitmap or a JPEG image) or nothing. With Stretch the
// picture fills the widget exactly; with Transparent a bitmap leaves out its transparent
// colour. An empty picture widget draws nothing, so what lies beneath shows.

#include <memory>

#include "toolkit/codecs/Picture.h"
#include "toolkit/controls/GraphicControl.h"

namespace tk {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }

  TPicture& Picture() { return *FPicture; }
  const TPicture& Picture() const { return *FPicture; }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool Center() const { return FCenter; }
  void SetCenter(bool value);

  // A canvas over the picture's bitmap; an empty picture first gets a bitmap of the widget's
  // own size. Fails when the picture holds something other than a bitmap.
  TCanvas& Canvas();

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject* sender);
  void UpdateDecodeSize();

  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false;
  bool FTransparent = false;
  bool FCenter = false;
};

}  // namespace tk
