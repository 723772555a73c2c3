#include "toolkit/graphics/Stretch.h"

#include <algorithm>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {
namespace {

constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// The source span [first, last) that target index i of n stands for, over a source of s.
struct Span {
  int first;
  int last;
};
Span SpanOf(int i, int n, int s) {
  const int first = static_cast<int>(static_cast<long long>(i) * s / n);
  const int last = static_cast<int>(static_cast<long long>(i + 1) * s / n);
  return {first, std::max(last, first + 1)};
}

}  // namespace

void StretchPixels(TCanvas& canvas, const TRect& dest, const TBitmap& source,
                   const TRect& sourceRect, std::optional<std::uint32_t> transparentKey) {
  const int dw = dest.Width(), dh = dest.Height();
  const int sw = sourceRect.Width(), sh = sourceRect.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0 || canvas.Target() == nullptr) return;
  const TRect device = canvas.DeviceRect(dest);
  if (device.IsEmpty()) return;

  TBitmap& target = *canvas.Target();
  const TPoint origin = canvas.Origin();
  const int destLeft = dest.Left + origin.X;
  const int destTop = dest.Top + origin.Y;
  const bool keepBlack = source.Monochrome() && (sw > dw || sh > dh);
  const std::uint32_t key = transparentKey.value_or(0) & kRgbMask;

  std::vector<Span> columns(static_cast<std::size_t>(device.Width()));
  for (int x = device.Left; x < device.Right; ++x) {
    const Span s = SpanOf(x - destLeft, dw, sw);
    columns[static_cast<std::size_t>(x - device.Left)] = {s.first + sourceRect.Left,
                                                          s.last + sourceRect.Left};
  }

  for (int y = device.Top; y < device.Bottom; ++y) {
    Span rows = SpanOf(y - destTop, dh, sh);
    rows.first += sourceRect.Top;
    rows.last += sourceRect.Top;
    if (rows.first < 0 || rows.first >= source.Height()) continue;
    std::uint32_t* out = target.ScanLine(y);
    const std::uint32_t* in = source.ScanLine(rows.first);
    for (int x = device.Left; x < device.Right; ++x) {
      const Span& c = columns[static_cast<std::size_t>(x - device.Left)];
      if (c.first < 0 || c.first >= source.Width()) continue;
      std::uint32_t p = in[c.first] & kRgbMask;
      if (keepBlack && p != 0) {
        const int lastRow = std::min(rows.last, source.Height());
        const int lastCol = std::min(c.last, source.Width());
        for (int sy = rows.first; sy < lastRow && p != 0; ++sy) {
          const std::uint32_t* r = source.ScanLine(sy);
          for (int sx = c.first; sx < lastCol; ++sx)
            if ((r[sx] & kRgbMask) == 0) {
              p = 0;
              break;
            }
        }
      }
      if (transparentKey && p == key) continue;
      out[x] = p;
    }
  }
}

int StretchSourceIndex(int i, int n, int s) { return SpanOf(i, n, s).first; }

}  // namespace tk
