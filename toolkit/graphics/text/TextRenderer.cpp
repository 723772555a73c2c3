#include "toolkit/graphics/text/TextRenderer.h"

#include <algorithm>

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/GlyphSource.h"
#include "toolkit/graphics/text/TextLayout.h"

namespace tk {
namespace {

void FillClipped(TCanvas& canvas, const TRect& r, const TRect& clip, std::uint32_t pixel) {
  const TRect area = IntersectRect(r, clip);
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) canvas.PutPixel(x, y, pixel);
}

void BlendGlyph(TCanvas& canvas, const TGlyphImage& image, int x0, int y0, const TRect& clip,
                std::uint32_t pixel) {
  const TRect area = IntersectRect(Bounds(x0, y0, image.Width, image.Height), clip);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const std::uint8_t* row = image.Coverage.data() + (y - y0) * image.Width;
    for (int x = area.Left; x < area.Right; ++x) canvas.BlendPixel(x, y, pixel, row[x - x0]);
  }
}

TRect StrokeRect(int left, int width, int baseline, TTextStroke stroke) {
  return {left, baseline + stroke.Offset, left + width,
          baseline + stroke.Offset + stroke.Thickness};
}

}  // namespace

void PaintTextLayout(TCanvas& canvas, const TTextLayout& layout, TGlyphSource& glyphs,
                     std::uint32_t pixel, TFontStyles style) {
  const TRect clip =
      layout.Clipped ? IntersectRect(layout.Clip, canvas.ClipRect()) : canvas.ClipRect();
  if (clip.IsEmpty()) return;
  const bool opaque =
      canvas.Brush().Style() == TBrushStyle::bsSolid && canvas.Brush().Color() != clNone;
  const TTextStroke underline = glyphs.Underline();

  for (const TTextLine& line : layout.Lines) {
    const TRect cell{line.Left, line.Top, line.Left + line.Width, line.Top + layout.LineHeight};
    if (opaque) canvas.FillRect(IntersectRect(cell, clip));
    const int baseline = line.Top + layout.Ascent;
    for (const TPlacedGlyph& g : line.Glyphs) {
      const TGlyphImage& image = glyphs.Glyph(g.Code);
      BlendGlyph(canvas, image, line.Left + g.X + image.Left, baseline - image.Top, clip, pixel);
      if (g.Underlined)
        FillClipped(canvas, StrokeRect(line.Left + g.X, g.Advance, baseline, underline), clip,
                    pixel);
    }
    if (style & fsUnderline)
      FillClipped(canvas, StrokeRect(line.Left, line.Width, baseline, underline), clip, pixel);
    if (style & fsStrikeOut)
      FillClipped(canvas, StrokeRect(line.Left, line.Width, baseline, glyphs.StrikeOut()), clip,
                  pixel);
  }
}

}  // namespace tk
