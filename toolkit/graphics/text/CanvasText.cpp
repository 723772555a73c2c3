// The text members of TCanvas: layout by LayoutText, glyphs from the font cache, drawing by
// PaintTextLayout.

#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/FontCache.h"
#include "toolkit/graphics/text/GlyphSource.h"
#include "toolkit/graphics/text/TextLayout.h"
#include "toolkit/graphics/text/TextRenderer.h"

namespace tk {
namespace {
// One line at a point: no prefixes, no line breaks, no clipping but the canvas's.
constexpr unsigned kPlainLine = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
}  // namespace

int TCanvas::DrawText(std::string_view text, TRect& r, unsigned format) {
  TGlyphSource& glyphs = GlyphSourceFor(FFont);
  const TTextLayout layout = LayoutText(text, r, format, glyphs);
  if (format & DT_CALCRECT) {
    r = layout.Extent;
    return layout.Height;
  }
  PaintTextLayout(*this, layout, glyphs, ColorToPixel(FFont.Color()), FFont.Style());
  return layout.Height;
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  TGlyphSource& glyphs = GlyphSourceFor(FFont);
  const TTextLayout layout = LayoutText(text, {x, y, x, y}, kPlainLine, glyphs);
  PaintTextLayout(*this, layout, glyphs, ColorToPixel(FFont.Color()), FFont.Style());
  MoveTo(x + (layout.Lines.empty() ? 0 : layout.Lines.front().Width), y);
}

int TCanvas::TextWidth(std::string_view text) {
  TGlyphSource& glyphs = GlyphSourceFor(FFont);
  const TTextLayout layout = LayoutText(text, {}, kPlainLine, glyphs);
  return layout.Lines.empty() ? 0 : layout.Lines.front().Width;
}

int TCanvas::TextHeight(std::string_view text) { return GlyphSourceFor(FFont).LineHeight(); }

}  // namespace tk
