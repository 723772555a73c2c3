#pragma once
// The line layout of DrawText: `&` prefixes, hard line breaks, word breaking, tab expansion,
// alignment and the measuring of DT_CALCRECT. Pure arithmetic over TTextMetrics: it draws
// nothing and knows no font files.

#include <string_view>
#include <vector>

#include "toolkit/graphics/Geometry.h"

namespace tk {

class TTextMetrics;

struct TPlacedGlyph {
  char32_t Code = 0;
  int X = 0;  // pen position, relative to the line's left edge
  int Advance = 0;
  bool Underlined = false;  // marked by an `&` prefix
};

struct TTextLine {
  int Left = 0;  // where the line starts, after alignment
  int Top = 0;   // top of the line's cell; the baseline is Ascent below it
  int Width = 0;
  // Drawable characters only: tabs, line breaks and other controls take room but have none.
  std::vector<TPlacedGlyph> Glyphs;
};

struct TTextLayout {
  std::vector<TTextLine> Lines;
  int Ascent = 0;
  int LineHeight = 0;
  // What DT_CALCRECT makes of the rectangle: right at left + the widest line, bottom at top +
  // the height of all lines. An empty text keeps the right edge and gets no height.
  TRect Extent;
  // DrawText's result: from the rectangle's top to the bottom of the last line.
  int Height = 0;
  // Output is cut to this rectangle unless DT_NOCLIP was given.
  bool Clipped = false;
  TRect Clip;
};

// Lays out UTF-8 `text` in `rect` with the DT_ format flags of Canvas.h.
TTextLayout LayoutText(std::string_view text, const TRect& rect, unsigned format,
                       TTextMetrics& metrics);

}  // namespace tk
