#pragma once
// A bitmap of 32-bit pixel words 0x00RRGGBB, row 0 at the top, each row addressable on its
// own. Whatever form it says it has (device-independent, device-dependent, monochrome), the
// words are the same; monochrome bitmaps hold two colours, black and white unless a
// two-colour palette gave others.

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Graphic.h"

namespace tk {

enum class TPixelFormat { pfDevice, pf1bit, pf32bit };
enum class TBitmapHandleType { bmDIB, bmDDB };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  const char* ClassName() const override { return "TBitmap"; }

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  // Resizes, keeping the pixels that still fit; new pixels are white.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }

  std::uint32_t* ScanLine(int y);
  const std::uint32_t* ScanLine(int y) const;
  std::uint32_t PixelWord(int x, int y) const { return ScanLine(y)[x]; }

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat format);
  TBitmapHandleType HandleType() const { return FHandleType; }
  void SetHandleType(TBitmapHandleType type);

  // Monochrome: white pixels stay white, every other pixel becomes black.
  bool Monochrome() const { return FPixelFormat == TPixelFormat::pf1bit; }
  void SetMonochrome(bool value);
  // Makes the bitmap monochrome as it stands: its pixels hold the two colours of a two-colour
  // palette, and `ink` (a pixel word) is the one that shrinking keeps in preference.
  void SetMonochromePalette(std::uint32_t ink);
  // The pixel word a shrunk monochrome bitmap keeps in preference: black unless a palette
  // said otherwise.
  std::uint32_t MonochromeInk() const { return FMonochromeInk; }

  // tmAuto: the bottom-left pixel's colour, or white for a monochrome bitmap.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode);

  // The colour (0x00BBGGRR) of one pixel; clNone outside the bitmap.
  TColor GetPixel(int x, int y) const;

  // Frees the pixels; the bitmap is 0 x 0 afterwards.
  void ReleaseImage();

  // A canvas drawing onto this bitmap.
  TCanvas& Canvas();

  void Assign(const TPersistent& source) override;
  void Draw(TCanvas& canvas, const TRect& dest) const override;

  // Tells the bitmap (and its OnChange listeners) that its pixels were written directly.
  void Modified() { Changed(); }

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<std::uint32_t> FPixels;
  TPixelFormat FPixelFormat = TPixelFormat::pfDevice;
  TBitmapHandleType FHandleType = TBitmapHandleType::bmDDB;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  TColor FTransparentColor = clDefault;
  std::uint32_t FMonochromeInk = 0;
  std::unique_ptr<TCanvas> FCanvas;
};

}  // namespace tk
