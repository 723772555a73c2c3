#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {
namespace {

constexpr std::uint32_t W = 0xFFFFFF, K = 0x000000, R = 0xFF0000, B = 0x0000FF;

// Renders a bitmap as rows of characters, one per pixel, for readable expectations.
std::vector<std::string> Picture(const TBitmap& b,
                                 std::initializer_list<std::pair<char, std::uint32_t>> keys) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      char c = '?';
      for (auto& [ch, px] : keys)
        if ((b.PixelWord(x, y) & 0xFFFFFF) == px) c = ch;
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(BitmapTest, NewPixelsAreWhiteAndResizeKeepsContent) {
  TBitmap b(2, 2);
  b.ScanLine(0)[0] = R;
  b.SetSize(3, 3);
  EXPECT_EQ(Picture(b, {{'.', W}, {'r', R}}), (std::vector<std::string>{"r..", "...", "..."}));
}

// A form given a negative client width keeps a back buffer of rows without columns; widening
// it again once indexed the empty pixel store (found by fuzzing the form reader).
TEST(BitmapTest, WideningABitmapWithoutColumnsGivesWhiteRows) {
  TBitmap b(-29, 2);
  ASSERT_EQ(b.Width(), 0);
  b.SetSize(3, 2);
  EXPECT_EQ(Picture(b, {{'.', W}}), (std::vector<std::string>{"...", "..."}));
}

TEST(BitmapTest, TransparentColourIsBottomLeftOrWhiteWhenMonochrome) {
  TBitmap b(2, 2);
  b.ScanLine(1)[0] = R;  // pixel word 0x00RRGGBB: red
  EXPECT_EQ(b.TransparentColor(), clRed);
  b.SetMonochrome(true);  // red is not white: becomes black
  EXPECT_EQ(b.GetPixel(0, 1), clBlack);
  EXPECT_EQ(b.TransparentColor(), clWhite);
  b.SetTransparentColor(clOlive);
  EXPECT_EQ(b.TransparentColor(), clOlive);
}

TEST(CanvasTest, SystemColoursResolveThroughTheTable) {
  TBitmap b(1, 1);
  b.Canvas().Brush().SetColor(clBtnFace);
  b.Canvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(b.PixelWord(0, 0), 0xF0F0F0u);
  b.Canvas().Brush().SetColor(clHighlight);  // 0x00D77800 -> pixel 0x0078D7
  b.Canvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(b.PixelWord(0, 0), 0x0078D7u);
}

TEST(CanvasTest, ClearBrushFillsNothingAndColourMakesItSolidAgain) {
  TBitmap b(1, 1);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clRed);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.FillRect({0, 0, 1, 1});
  EXPECT_EQ(b.PixelWord(0, 0), W);
  c.Brush().SetColor(clBlue);
  c.FillRect({0, 0, 1, 1});
  EXPECT_EQ(b.PixelWord(0, 0), B);
}

struct RectangleCase {
  int penWidth;
  TRect rect;
  std::vector<std::string> expected;
};

void PrintTo(const RectangleCase& c, std::ostream* os) {
  *os << "pen " << c.penWidth << " rect (" << c.rect.Left << "," << c.rect.Top << ")-("
      << c.rect.Right << "," << c.rect.Bottom << ")";
}

class RectangleTest : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(RectangleTest, PenRunsAlongOuterPixels) {
  const auto& p = GetParam();
  TBitmap b(6, 5);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clRed);
  c.Pen().SetWidth(p.penWidth);
  c.Rectangle(p.rect);
  EXPECT_EQ(Picture(b, {{'.', W}, {'#', K}, {'r', R}}), p.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, RectangleTest,
    ::testing::Values(
        // A 1-pixel pen: (0, 0)-(6, 5) outlines columns 0 and 5, rows 0 and 4.
        RectangleCase{1, {0, 0, 6, 5}, {"######", "#rrrr#", "#rrrr#", "#rrrr#", "######"}},
        // A shape of 6 x 5 with a 2-pixel pen draws (1, 1)-(1 + 6 - 2 + 1, 1 + 5 - 2 + 1).
        RectangleCase{2, {1, 1, 6, 5}, {"######", "######", "##rr##", "######", "######"}},
        // Hollow inside a larger bitmap: the right and bottom edges are exclusive.
        RectangleCase{1, {1, 1, 4, 3}, {"......", ".###..", ".###..", "......", "......"}}));

TEST(CanvasTest, LineLeavesOutItsEndPoint) {
  TBitmap b(4, 3);
  TCanvas& c = b.Canvas();
  c.MoveTo(0, 0);
  c.LineTo(3, 0);
  c.MoveTo(3, 2);
  c.LineTo(3, 0);
  EXPECT_EQ(Picture(b, {{'.', W}, {'#', K}}), (std::vector<std::string>{"###.", "...#", "...#"}));
  EXPECT_EQ(c.PenPos(), (TPoint{3, 0}));
}

TEST(CanvasTest, OriginAndClipConfineDrawing) {
  TBitmap b(5, 3);
  TCanvas& c = b.Canvas();
  c.SetOrigin({2, 1});
  c.SetClipRect({2, 1, 4, 3});
  c.Brush().SetColor(clBlack);
  c.FillRect({-5, -5, 50, 50});
  EXPECT_EQ(Picture(b, {{'.', W}, {'#', K}}),
            (std::vector<std::string>{".....", "..##.", "..##."}));
  EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 2, 2}));
}

TEST(StretchTest, EnlargingRepeatsAndShrinkingDropsPixels) {
  TBitmap src(2, 1);
  src.ScanLine(0)[0] = R;
  src.ScanLine(0)[1] = B;
  TBitmap b(4, 2);
  b.Canvas().StretchDraw({0, 0, 4, 2}, src);
  EXPECT_EQ(Picture(b, {{'r', R}, {'b', B}}), (std::vector<std::string>{"rrbb", "rrbb"}));

  TBitmap wide(4, 1);
  for (int x = 0; x < 4; ++x) wide.ScanLine(0)[x] = x % 2 ? B : R;
  TBitmap small(2, 1);
  small.Canvas().StretchDraw({0, 0, 2, 1}, wide);
  EXPECT_EQ(Picture(small, {{'r', R}, {'b', B}}), (std::vector<std::string>{"rr"}));
}

TEST(StretchTest, MonochromeShrinkKeepsBlack) {
  TBitmap mono(4, 2);
  mono.SetMonochrome(true);
  mono.ScanLine(0)[1] = K;  // one black pixel in the left half
  mono.ScanLine(1)[3] = K;  // one in the right half
  TBitmap b(2, 1);
  b.Canvas().Brush().SetColor(clRed);
  b.Canvas().FillRect({0, 0, 2, 1});
  b.Canvas().StretchDraw({0, 0, 2, 1}, mono);
  EXPECT_EQ(Picture(b, {{'#', K}, {'.', W}}), (std::vector<std::string>{"##"}));
}

TEST(StretchTest, PaletteMonochromeShrinkKeepsItsInkAndLeavesOutWhite) {
  TBitmap mono(4, 1);
  mono.ScanLine(0)[1] = R;  // white, red, white, white: a white-and-red palette
  mono.SetMonochromePalette(R);
  mono.SetTransparent(true);
  TBitmap b(2, 1);
  b.Canvas().Brush().SetColor(clBlue);
  b.Canvas().FillRect({0, 0, 2, 1});
  b.Canvas().StretchDraw({0, 0, 2, 1}, mono);
  EXPECT_EQ(Picture(b, {{'r', R}, {'b', B}}), (std::vector<std::string>{"rb"}));
}

TEST(StretchTest, TransparentPictureLeavesOutItsBottomLeftColour) {
  TBitmap src(2, 2);
  src.ScanLine(0)[0] = R;  // everything else white, bottom-left white
  src.SetTransparent(true);
  TBitmap b(2, 2);
  b.Canvas().Brush().SetColor(clBlue);
  b.Canvas().FillRect({0, 0, 2, 2});
  b.Canvas().Draw(0, 0, src);
  EXPECT_EQ(Picture(b, {{'r', R}, {'b', B}}), (std::vector<std::string>{"rb", "bb"}));
}

TEST(BitBltTest, MaskRopPaintsBrushWhereSourceIsWhite) {
  TBitmap mask(3, 1);
  mask.ScanLine(0)[1] = K;
  mask.SetMonochrome(true);  // white, black, white
  TBitmap b(3, 1);
  TCanvas& c = b.Canvas();
  c.Brush().SetColor(clBlue);
  c.FillRect({0, 0, 3, 1});
  c.Brush().SetColor(clRed);
  c.SetTextColor(clBlack);
  c.SetBkColor(clWhite);
  c.BitBlt(0, 0, 3, 1, mask, 0, 0, ROP_DSPDxax);
  EXPECT_EQ(Picture(b, {{'r', R}, {'b', B}}), (std::vector<std::string>{"rbr"}));
}

}  // namespace
}  // namespace tk
