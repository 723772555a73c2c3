#pragma once
// What the text engine needs to know about a font at one size and style. The layout uses only
// TTextMetrics, so it can be driven by a fixed-advance stand-in; drawing needs the coverage
// images of TGlyphSource as well.

#include <cstdint>
#include <vector>

namespace tk {

class TTextMetrics {
 public:
  virtual ~TTextMetrics() = default;

  // Pixels above and below the baseline; a line is Ascent() + Descent() high, without any
  // external leading.
  virtual int Ascent() const = 0;
  virtual int Descent() const = 0;
  int LineHeight() const { return Ascent() + Descent(); }
  // The average character width; tab stops are eight of these apart.
  virtual int AverageCharWidth() const = 0;
  // Whole pixels the pen moves after drawing `code`.
  virtual int Advance(char32_t code) = 0;
};

// An 8-bit coverage image of one glyph, placed relative to the pen on the baseline: its
// top-left pixel lies at (pen.x + Left, baseline - Top).
struct TGlyphImage {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height, row by row from the top
};

// A horizontal stroke of underline or strike-out: its first row is `Offset` rows below the
// baseline (negative: above), and it is `Thickness` rows high.
struct TTextStroke {
  int Offset = 0;
  int Thickness = 1;
};

class TGlyphSource : public TTextMetrics {
 public:
  // The image stays valid as long as the source lives.
  virtual const TGlyphImage& Glyph(char32_t code) = 0;
  virtual TTextStroke Underline() const = 0;
  virtual TTextStroke StrikeOut() const = 0;
};

}  // namespace tk
