#pragma once
// A software canvas over a TBitmap. It carries brush, pen and font like a device context, an
// origin (the drawing position of logical (0, 0) in the bitmap) and a clip rectangle in bitmap
// coordinates. The form moves origin and clip before each control paints, so a control draws
// in its own coordinates and cannot reach outside its bounds.

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/core/EnumNames.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/graphics/Geometry.h"

namespace tk {

class TBitmap;
class TGraphic;

enum class TBrushStyle { bsSolid, bsClear };
inline constexpr auto kBrushStyleNames =
    EnumNames<TBrushStyle>({{TBrushStyle::bsSolid, "bsSolid"}, {TBrushStyle::bsClear, "bsClear"}});
enum class TPenStyle { psSolid, psClear };
inline constexpr auto kPenStyleNames =
    EnumNames<TPenStyle>({{TPenStyle::psSolid, "psSolid"}, {TPenStyle::psClear, "psClear"}});
enum class TPenMode { pmCopy };

class TBrush : public TPersistent {
 public:
  const char* ClassName() const override { return "TBrush"; }
  TColor Color() const { return FColor; }
  // Choosing a colour always makes the brush solid again.
  void SetColor(TColor color) {
    if (color == FColor && FStyle == TBrushStyle::bsSolid) return;
    FColor = color;
    FStyle = TBrushStyle::bsSolid;
    OnChange(this);
  }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style) {
    if (StoreChanged(FStyle, style)) OnChange(this);
  }
  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
};

class TPen : public TPersistent {
 public:
  const char* ClassName() const override { return "TPen"; }
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { Set(FColor, color); }
  int Width() const { return FWidth; }
  void SetWidth(int width) { Set(FWidth, width < 1 ? 1 : width); }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style) { Set(FStyle, style); }
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode mode) { Set(FMode, mode); }
  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (StoreChanged(field, value)) OnChange(this);
  }

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = TPenStyle::psSolid;
  TPenMode FMode = TPenMode::pmCopy;
};

// DrawText format flags.
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;

// Raster operations of BitBlt.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020;
// destination := ((destination XOR brush) AND source) XOR destination: where the source is
// white the brush colour lands, where it is black the destination stays.
inline constexpr std::uint32_t ROP_DSPDxax = 0x00E20746;

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(TBitmap* target);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Where the canvas draws. The clip is in bitmap coordinates and is cut to the bitmap.
  void SetTarget(TBitmap* target);
  TBitmap* Target() const { return FTarget; }
  void SetOrigin(TPoint origin) { FOrigin = origin; }
  TPoint Origin() const { return FOrigin; }
  void SetClipRect(const TRect& clipInBitmap);
  // The clip rectangle in the canvas's own (logical) coordinates.
  TRect ClipRect() const;

  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  TPoint PenPos() const { return FPenPos; }

  // Device colours used when a monochrome source is blitted: black source pixels take the
  // text colour, white ones the background colour.
  void SetTextColor(TColor color) { FTextColor = color; }
  void SetBkColor(TColor color) { FBkColor = color; }

  // Fills with the brush (nothing when the brush is clear).
  void FillRect(const TRect& r);
  // Outline with the pen, inside filled with the brush unless it is clear. The pen runs along
  // the rectangle's outer pixels: (x1, y1) to (x2 - 1, y2 - 1) for a 1-pixel pen.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  // Draws from the pen position to (x, y): the start point is painted, the end point not.
  void LineTo(int x, int y);

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Draws a picture at its own size, its transparent colour left out when it is transparent.
  void Draw(int x, int y, const TGraphic& graphic);
  // Draws a picture scaled to `dest` without smoothing.
  void StretchDraw(const TRect& dest, const TGraphic& graphic);
  // Copies a rectangle of another canvas, scaled when the sizes differ.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  // Copies w x h pixels of `source` at (sx, sy) to (x, y) with a raster operation.
  void BitBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy, std::uint32_t rop);

  // Draws text in the font with the format flags above; with DT_CALCRECT it only measures,
  // setting r's right and bottom. Returns the height of the text drawn.
  int DrawText(std::string_view text, TRect& r, unsigned format);
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);

  // Low-level access for the drawing code of this library: blends one pixel of the target at
  // logical (x, y), inside the clip only. Coverage 0..255.
  void BlendPixel(int x, int y, std::uint32_t pixel, unsigned coverage);
  // Paints one pixel (0x00RRGGBB) at logical (x, y), inside the clip only.
  void PutPixel(int x, int y, std::uint32_t pixel);
  // The target rectangle in bitmap coordinates that logical rectangle `r` covers, clipped.
  TRect DeviceRect(const TRect& r) const;

 private:
  void FillDeviceRect(const TRect& deviceRect, std::uint32_t pixel);

  TBitmap* FTarget = nullptr;
  TPoint FOrigin;
  TRect FClip;  // in bitmap coordinates
  bool FClipSet = false;
  TBrush FBrush;
  TPen FPen;
  TFont FFont;
  TPoint FPenPos;
  TColor FTextColor = clBlack;
  TColor FBkColor = clWhite;
};

}  // namespace tk
