#include "toolkit/graphics/Bitmap.h"

#include <algorithm>
#include <cassert>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Stretch.h"

namespace tk {
namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF;
}

void TGraphic::SetTransparent(bool value) {
  if (StoreChanged(FTransparent, value)) Changed();
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, kWhite);
  // A bitmap without columns has rows but no pixels to keep (nor any to index).
  const int keepW = std::min(width, FWidth);
  const int keepH = keepW > 0 ? std::min(height, FHeight) : 0;
  for (int y = 0; y < keepH; ++y)
    std::copy_n(FPixels.data() + static_cast<std::size_t>(y) * FWidth, keepW,
                pixels.data() + static_cast<std::size_t>(y) * width);
  FPixels = std::move(pixels);
  FWidth = width;
  FHeight = height;
  Changed();
}

std::uint32_t* TBitmap::ScanLine(int y) {
  assert(y >= 0 && y < FHeight);
  return FPixels.data() + static_cast<std::size_t>(y) * FWidth;
}

const std::uint32_t* TBitmap::ScanLine(int y) const {
  assert(y >= 0 && y < FHeight);
  return FPixels.data() + static_cast<std::size_t>(y) * FWidth;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FPixelFormat) return;
  if (format == TPixelFormat::pf1bit) {
    for (auto& p : FPixels) p = (p & kWhite) == kWhite ? kWhite : 0;
    FMonochromeInk = 0;
  }
  FPixelFormat = format;
  if (format == TPixelFormat::pf32bit) FHandleType = TBitmapHandleType::bmDIB;
  Changed();
}

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (!StoreChanged(FHandleType, type)) return;
  if (type == TBitmapHandleType::bmDDB && FPixelFormat == TPixelFormat::pf32bit)
    FPixelFormat = TPixelFormat::pfDevice;
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value == Monochrome()) return;
  SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
}

void TBitmap::SetMonochromePalette(std::uint32_t ink) {
  FPixelFormat = TPixelFormat::pf1bit;
  FMonochromeInk = ink & kWhite;
  Changed();
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == TTransparentMode::tmFixed) return FTransparentColor;
  if (Monochrome()) return clWhite;
  if (FWidth == 0 || FHeight == 0) return clDefault;
  return PixelToRgb(PixelWord(0, FHeight - 1) & kWhite);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == FTransparentColor && FTransparentMode == TTransparentMode::tmFixed) return;
  FTransparentColor = color;
  FTransparentMode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == FTransparentMode) return;
  if (mode == TTransparentMode::tmAuto) FTransparentColor = clDefault;
  else FTransparentColor = TransparentColor();
  FTransparentMode = mode;
  Changed();
}

TColor TBitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
  return PixelToRgb(PixelWord(x, y) & kWhite);
}

void TBitmap::ReleaseImage() {
  FPixels.clear();
  FPixels.shrink_to_fit();
  FWidth = 0;
  FHeight = 0;
  Changed();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TCanvas>(this);
  return *FCanvas;
}

void TBitmap::Assign(const TPersistent& source) {
  if (&source == this) return;
  if (auto* b = dynamic_cast<const TBitmap*>(&source)) {
    FWidth = b->FWidth;
    FHeight = b->FHeight;
    FPixels = b->FPixels;
    FPixelFormat = b->FPixelFormat;
    FHandleType = b->FHandleType;
    FTransparentMode = b->FTransparentMode;
    FTransparentColor = b->FTransparentColor;
    FMonochromeInk = b->FMonochromeInk;
    if (FCanvas) FCanvas->SetTarget(this);  // resets the clip to the new size
    Changed();
    return;
  }
  TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& dest) const {
  if (Empty()) return;
  std::optional<std::uint32_t> key;
  if (Transparent()) key = RgbToPixel(ColorToRGB(TransparentColor()));
  StretchPixels(canvas, dest, *this, {0, 0, FWidth, FHeight}, key);
}

}  // namespace tk
