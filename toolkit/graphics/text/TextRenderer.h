#pragma once
// Draws a laid-out text onto a canvas: the cell boxes in the brush colour when the brush is
// solid (an opaque text background), then each glyph's coverage blended in the text colour,
// then the strokes (`&` underlines, and the font's underline and strike-out).

#include <cstdint>

#include "toolkit/graphics/Font.h"

namespace tk {

class TCanvas;
class TGlyphSource;
struct TTextLayout;

// `pixel` is the text colour as a pixel word; `style` adds underline and strike-out lines.
void PaintTextLayout(TCanvas& canvas, const TTextLayout& layout, TGlyphSource& glyphs,
                     std::uint32_t pixel, TFontStyles style);

}  // namespace tk
