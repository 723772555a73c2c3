#pragma once
// Glyphs of one face at one size and style, rendered by FreeType as 8-bit coverage and kept:
// the header boxes repaint their captions on every paint, and a repaint must not render the
// same glyph again.

#include <unordered_map>

#include "toolkit/graphics/text/FreeTypeLibrary.h"
#include "toolkit/graphics/text/GlyphSource.h"

namespace tk {

class TFreeTypeGlyphSource : public TGlyphSource {
 public:
  // The largest character height rendered; larger fonts are drawn at this size, so that a
  // stray height in a form file cannot ask for glyph images of gigabytes.
  static constexpr int kMaxEmPixels = 1024;

  // `height` follows TFont::Height: negative the character (em) height, positive the cell
  // height, zero the default. `embolden` and `slant` synthesise what the face itself lacks.
  // Characters the face has no glyph for come from `fallback`, when there is one.
  TFreeTypeGlyphSource(TFaceHandle face, int height, bool embolden, bool slant,
                       TGlyphSource* fallback);

  int Ascent() const override { return FAscent; }
  int Descent() const override { return FDescent; }
  int AverageCharWidth() const override { return FAverageCharWidth; }
  int Advance(char32_t code) override { return Load(code).Advance; }
  const TGlyphImage& Glyph(char32_t code) override { return Load(code).Image; }
  TTextStroke Underline() const override { return FUnderline; }
  TTextStroke StrikeOut() const override { return FStrikeOut; }

 private:
  struct CachedGlyph {
    int Advance = 0;
    TGlyphImage Image;
  };
  const CachedGlyph& Load(char32_t code);
  CachedGlyph Render(FT_UInt index);

  TFaceHandle FFace;
  bool FEmbolden;
  bool FSlant;
  TGlyphSource* FFallback;
  int FAscent = 0;
  int FDescent = 0;
  int FAverageCharWidth = 0;
  TTextStroke FUnderline;
  TTextStroke FStrikeOut;
  std::unordered_map<char32_t, CachedGlyph> FGlyphs;  // nodes stay put: references are kept
};

}  // namespace tk
