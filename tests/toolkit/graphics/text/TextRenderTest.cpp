// Drawing of laid-out text with the fixed-advance source: each glyph but the space is a solid
// box from pen + 1 to pen + advance - 1, over the 6 rows above the baseline (line top + 8), so
// every expected pixel follows from the layout rules by hand.

#include <gtest/gtest.h>

#include "tests/support/FakeGlyphSource.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/TextLayout.h"
#include "toolkit/graphics/text/TextRenderer.h"

namespace tk {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlue = 0x0000FF;

// Pixel word expected at every point, starting all white; boxes are painted in order.
class ExpectedPicture {
 public:
  ExpectedPicture(int w, int h) : FW(w), FH(h), FPixels(w * h, kWhite) {}
  void Paint(const TRect& r, std::uint32_t pixel, const TRect& clip) {
    const TRect a = IntersectRect(IntersectRect(r, clip), {0, 0, FW, FH});
    for (int y = a.Top; y < a.Bottom; ++y)
      for (int x = a.Left; x < a.Right; ++x) FPixels[y * FW + x] = pixel;
  }
  // The box of a glyph whose pen is at x on the line whose top is `top`.
  void Glyph(int x, int top, int advance, std::uint32_t pixel, const TRect& clip) {
    Paint({x + 1, top + 2, x + advance - 1, top + 8}, pixel, clip);
  }
  void ExpectEqual(const TBitmap& b) const {
    int wrong = 0;
    for (int y = 0; y < FH; ++y)
      for (int x = 0; x < FW; ++x)
        if ((b.PixelWord(x, y) & 0xFFFFFF) != FPixels[y * FW + x] && ++wrong <= 5)
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << b.PixelWord(x, y)
                        << ", expected " << FPixels[y * FW + x];
    EXPECT_EQ(wrong, 0);
  }

 private:
  int FW, FH;
  std::vector<std::uint32_t> FPixels;
};

constexpr TRect kAll{-1000, -1000, 1000, 1000};

struct RenderFixture : testing::Test {
  TBitmap Bitmap{60, 40};
  TCanvas& Canvas = Bitmap.Canvas();
  test::FakeGlyphSource Glyphs;
  ExpectedPicture Expected{60, 40};

  void SetUp() override { Canvas.Brush().SetStyle(TBrushStyle::bsClear); }
  void Draw(std::string_view text, TRect r, unsigned format, TFontStyles style = 0) {
    PaintTextLayout(Canvas, LayoutText(text, r, format, Glyphs), Glyphs, kRed, style);
  }
};

TEST_F(RenderFixture, GlyphsLandAtTheirPenPositionsOnTheBaseline) {
  Draw("a b", {2, 1, 60, 40}, 0);
  Expected.Glyph(2, 1, 10, kRed, kAll);
  Expected.Glyph(22, 1, 10, kRed, kAll);  // the space draws nothing
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, LinesBelowTheRectangleAreClipped) {
  const TRect r{0, 0, 60, 15};
  Draw("ab\nab\nab", r, 0);
  for (int top : {0, 10, 20}) {
    Expected.Glyph(0, top, 10, kRed, r);
    Expected.Glyph(10, top, 10, kRed, r);
  }
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, NoClipDrawsOutsideTheRectangle) {
  Draw("ab\nab", {0, 0, 5, 5}, DT_NOCLIP);
  for (int top : {0, 10}) {
    Expected.Glyph(0, top, 10, kRed, kAll);
    Expected.Glyph(10, top, 10, kRed, kAll);
  }
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, TheCanvasClipCutsEvenWithNoClip) {
  Canvas.SetClipRect({0, 0, 15, 40});
  Draw("abc", {0, 0, 60, 40}, DT_NOCLIP);
  Expected.Glyph(0, 0, 10, kRed, {0, 0, 15, 40});
  Expected.Glyph(10, 0, 10, kRed, {0, 0, 15, 40});
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, OriginMovesTheTextAndTheClipStaysInBitmapCoordinates) {
  Canvas.SetOrigin({20, 10});
  Canvas.SetClipRect({20, 10, 35, 40});
  Draw("ab", {0, 0, 100, 100}, 0);
  const TRect clip{20, 10, 35, 40};
  Expected.Glyph(20, 10, 10, kRed, clip);
  Expected.Glyph(30, 10, 10, kRed, clip);
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, SolidBrushFillsEachLineCellFirst) {
  Canvas.Brush().SetColor(clBlue);
  const TRect r{5, 5, 60, 22};
  Draw("ab\nabc", r, DT_CENTER);
  // Line 1 (20 wide) at x 5 + 17 = 22, line 2 (30 wide) at x 5 + 12 = 17; cells 10 high.
  Expected.Paint({22, 5, 42, 15}, kBlue, r);
  Expected.Glyph(22, 5, 10, kRed, r);
  Expected.Glyph(32, 5, 10, kRed, r);
  Expected.Paint({17, 15, 47, 25}, kBlue, r);
  for (int x : {17, 27, 37}) Expected.Glyph(x, 15, 10, kRed, r);
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, PrefixUnderlinesOnlyItsCharacter) {
  Draw("a&bc", {0, 0, 60, 40}, 0);
  for (int x : {0, 10, 20}) Expected.Glyph(x, 0, 10, kRed, kAll);
  Expected.Paint({10, 9, 20, 10}, kRed, kAll);  // the row below the baseline, under b
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, FontUnderlineAndStrikeOutSpanTheLine) {
  Draw("ab\nc", {0, 0, 60, 40}, 0, fsUnderline | fsStrikeOut);
  for (int x : {0, 10}) Expected.Glyph(x, 0, 10, kRed, kAll);
  Expected.Glyph(0, 10, 10, kRed, kAll);
  Expected.Paint({0, 9, 20, 10}, kRed, kAll);   // underline of line 1
  Expected.Paint({0, 5, 20, 6}, kRed, kAll);    // strike-out of line 1
  Expected.Paint({0, 19, 10, 20}, kRed, kAll);  // line 2
  Expected.Paint({0, 15, 10, 16}, kRed, kAll);
  Expected.ExpectEqual(Bitmap);
}

TEST_F(RenderFixture, PartialCoverageBlendsWithWhatIsBelow) {
  struct HalfSource : test::FakeGlyphSource {
    const TGlyphImage& Glyph(char32_t code) override {
      Image = test::FakeGlyphSource::Glyph(code);
      std::fill(Image.Coverage.begin(), Image.Coverage.end(), 51);  // a fifth
      return Image;
    }
    TGlyphImage Image;
  } half;
  PaintTextLayout(Canvas, LayoutText("a", {0, 0, 60, 40}, 0, half), half, kRed, 0);
  // Red: (255 * 51 + 255 * 204 + 127) / 255 = 255; green, blue: (255 * 204 + 127) / 255 = 204.
  Expected.Paint({1, 2, 9, 8}, 0xFFCCCC, kAll);
  Expected.ExpectEqual(Bitmap);
}

}  // namespace
}  // namespace tk
