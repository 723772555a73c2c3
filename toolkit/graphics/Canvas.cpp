#include "toolkit/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Graphic.h"
#include "toolkit/graphics/Stretch.h"

namespace tk {
namespace {
constexpr std::uint32_t kRgbMask = 0xFFFFFF;

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, unsigned coverage) {
  if (coverage >= 255) return over;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned u = (under >> shift) & 0xFF, o = (over >> shift) & 0xFF;
    const unsigned v = (o * coverage + u * (255 - coverage) + 127) / 255;
    out |= v << shift;
  }
  return out;
}
}  // namespace

void TBrush::Assign(const TPersistent& source) {
  if (auto* b = dynamic_cast<const TBrush*>(&source)) {
    FColor = b->FColor;
    FStyle = b->FStyle;
    OnChange(this);
    return;
  }
  TPersistent::Assign(source);
}

void TPen::Assign(const TPersistent& source) {
  if (auto* p = dynamic_cast<const TPen*>(&source)) {
    FColor = p->FColor;
    FWidth = p->FWidth;
    FStyle = p->FStyle;
    FMode = p->FMode;
    OnChange(this);
    return;
  }
  TPersistent::Assign(source);
}

TCanvas::TCanvas(TBitmap* target) { SetTarget(target); }

void TCanvas::SetTarget(TBitmap* target) {
  FTarget = target;
  FOrigin = {};
  FClipSet = false;
}

void TCanvas::SetClipRect(const TRect& clipInBitmap) {
  FClip = clipInBitmap;
  FClipSet = true;
}

TRect TCanvas::ClipRect() const {
  if (!FTarget) return {};
  TRect full{0, 0, FTarget->Width(), FTarget->Height()};
  TRect clip = FClipSet ? IntersectRect(FClip, full) : full;
  OffsetRect(clip, -FOrigin.X, -FOrigin.Y);
  return clip;
}

TRect TCanvas::DeviceRect(const TRect& r) const {
  if (!FTarget) return {};
  TRect full{0, 0, FTarget->Width(), FTarget->Height()};
  TRect clip = FClipSet ? IntersectRect(FClip, full) : full;
  TRect d = r;
  OffsetRect(d, FOrigin.X, FOrigin.Y);
  return IntersectRect(d, clip);
}

void TCanvas::FillDeviceRect(const TRect& d, std::uint32_t pixel) {
  for (int y = d.Top; y < d.Bottom; ++y) {
    std::uint32_t* row = FTarget->ScanLine(y);
    std::fill(row + d.Left, row + d.Right, pixel);
  }
}

void TCanvas::FillRect(const TRect& r) {
  if (FBrush.Style() == TBrushStyle::bsClear || FBrush.Color() == clNone) return;
  const TRect d = DeviceRect(r);
  if (!d.IsEmpty()) FillDeviceRect(d, ColorToPixel(FBrush.Color()));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  FillRect({x1, y1, x2, y2});
  if (FPen.Style() == TPenStyle::psClear || FPen.Color() == clNone || x2 == x1 || y2 == y1) return;
  // The stroke of width w on the path coordinate c covers [c - w/2, c - w/2 + w).
  const int w = FPen.Width(), lead = w / 2;
  const std::uint32_t pixel = ColorToPixel(FPen.Color());
  const int left = x1 - lead, top = y1 - lead;
  const int right = x2 - 1 - lead + w, bottom = y2 - 1 - lead + w;
  auto fill = [&](TRect r) {
    const TRect d = DeviceRect(r);
    if (!d.IsEmpty()) FillDeviceRect(d, pixel);
  };
  fill({left, top, right, top + w});        // top edge
  fill({left, bottom - w, right, bottom});  // bottom edge
  fill({left, top, left + w, bottom});      // left edge
  fill({right - w, top, right, bottom});    // right edge
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = FPenPos;
  FPenPos = {x, y};
  if (FPen.Style() == TPenStyle::psClear || FPen.Color() == clNone) return;
  const std::uint32_t pixel = ColorToPixel(FPen.Color());
  const int w = FPen.Width(), lead = w / 2;
  auto plot = [&](int px, int py) {
    if (w == 1) {
      PutPixel(px, py, pixel);
    } else {
      const TRect d = DeviceRect({px - lead, py - lead, px - lead + w, py - lead + w});
      if (!d.IsEmpty()) FillDeviceRect(d, pixel);
    }
  };
  // Bresenham; the end point is left out.
  int cx = from.X, cy = from.Y;
  const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
  const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
  int err = dx + dy;
  while (cx != x || cy != y) {
    plot(cx, cy);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!FTarget) return clNone;
  return FTarget->GetPixel(x + FOrigin.X, y + FOrigin.Y);
}

void TCanvas::SetPixel(int x, int y, TColor color) { PutPixel(x, y, ColorToPixel(color)); }

void TCanvas::PutPixel(int x, int y, std::uint32_t pixel) {
  const TRect d = DeviceRect({x, y, x + 1, y + 1});
  if (!d.IsEmpty()) FTarget->ScanLine(d.Top)[d.Left] = pixel & kRgbMask;
}

void TCanvas::BlendPixel(int x, int y, std::uint32_t pixel, unsigned coverage) {
  if (coverage == 0) return;
  const TRect d = DeviceRect({x, y, x + 1, y + 1});
  if (d.IsEmpty()) return;
  std::uint32_t& p = FTarget->ScanLine(d.Top)[d.Left];
  p = Blend(p & kRgbMask, pixel & kRgbMask, coverage);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& dest, const TGraphic& graphic) { graphic.Draw(*this, dest); }

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  if (!source.FTarget || !FTarget) return;
  TRect s = sourceRect;
  OffsetRect(s, source.FOrigin.X, source.FOrigin.Y);
  if (source.FTarget == FTarget) {
    TBitmap copy;
    copy.Assign(*source.FTarget);
    StretchPixels(*this, dest, copy, s, std::nullopt);
    return;
  }
  StretchPixels(*this, dest, *source.FTarget, s, std::nullopt);
}

void TCanvas::BitBlt(int x, int y, int w, int h, const TBitmap& source, int sx, int sy,
                     std::uint32_t rop) {
  const TRect d = DeviceRect({x, y, x + w, y + h});
  if (d.IsEmpty()) return;
  const std::uint32_t text = ColorToPixel(FTextColor), back = ColorToPixel(FBkColor);
  const std::uint32_t brush = ColorToPixel(FBrush.Color());
  for (int dy = d.Top; dy < d.Bottom; ++dy) {
    const int srcY = sy + (dy - FOrigin.Y - y);
    if (srcY < 0 || srcY >= source.Height()) continue;
    const std::uint32_t* in = source.ScanLine(srcY);
    std::uint32_t* out = FTarget->ScanLine(dy);
    for (int dx = d.Left; dx < d.Right; ++dx) {
      const int srcX = sx + (dx - FOrigin.X - x);
      if (srcX < 0 || srcX >= source.Width()) continue;
      std::uint32_t s = in[srcX] & kRgbMask;
      if (source.Monochrome()) s = s == kRgbMask ? back : text;
      const std::uint32_t dst = out[dx] & kRgbMask;
      switch (rop) {
        case ROP_DSPDxax: out[dx] = ((dst ^ brush) & s) ^ dst; break;
        default:  // SRCCOPY
          out[dx] = s;
          break;
      }
    }
  }
}

}  // namespace tk
