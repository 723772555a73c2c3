#pragma once
// A glyph source with round numbers, so that expected layouts and pixels can be worked out by
// hand: narrow characters advance 10 pixels, wide (CJK) ones 20; ascent 8, descent 2 (lines
// 10 high); average character width 10 (tab stops every 80). Every glyph but the space is a
// solid box one pixel in from both sides of its advance, covering the 6 rows above the
// baseline. Underline: the row below the baseline; strike-out: the 3rd row above it.

#include <map>

#include "toolkit/graphics/text/CharClass.h"
#include "toolkit/graphics/text/GlyphSource.h"

namespace tk::test {

class FakeGlyphSource : public TGlyphSource {
 public:
  static constexpr int kNarrow = 10, kWide = 20, kAscent = 8, kDescent = 2, kBoxRows = 6;

  int Ascent() const override { return kAscent; }
  int Descent() const override { return kDescent; }
  int AverageCharWidth() const override { return kNarrow; }
  int Advance(char32_t code) override { return IsWideCharacter(code) ? kWide : kNarrow; }
  const TGlyphImage& Glyph(char32_t code) override {
    auto [it, added] = FImages.try_emplace(code);
    if (added && code != U' ') {
      TGlyphImage& image = it->second;
      image.Left = 1;
      image.Top = kBoxRows;
      image.Width = Advance(code) - 2;
      image.Height = kBoxRows;
      image.Coverage.assign(image.Width * image.Height, 255);
    }
    return it->second;
  }
  TTextStroke Underline() const override { return {1, 1}; }
  TTextStroke StrikeOut() const override { return {-3, 1}; }

 private:
  std::map<char32_t, TGlyphImage> FImages;
};

}  // namespace tk::test
