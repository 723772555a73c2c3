// Where glyph and caption go. Captions measure 10 pixels per character and 10 per line; every
// expected position below is worked out by hand from the layout steps.

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

using tk::TPoint;
using tk::TRect;

// A 25 x 25 button with margin -1 (centred) and spacing 4 unless a case says otherwise.
struct LayoutCase {
  const char* name;
  tk::TButtonLayout layout;
  int glyphW, glyphH;  // 0: no glyph
  const char* caption;
  TPoint glyph;
  TRect text;  // checked when there is a caption
  int margin = -1, spacing = 4;
  int clientW = 25, clientH = 25;
};

using LayoutTest = ShineCaseTest<LayoutCase>;

TEST_P(LayoutTest, PlacesGlyphAndCaption) {
  const LayoutCase& c = GetParam();
  CountingButton* b = AddButton(0, 0, c.clientW, c.clientH);
  b->SetLayout(c.layout);
  b->SetMargin(c.margin);
  b->SetSpacing(c.spacing);
  b->SetCaption(c.caption);
  if (c.glyphW > 0) {
    tk::TBitmap glyph(c.glyphW, c.glyphH);
    b->SetGlyph(&glyph);
  }
  tk::TBitmap surface(10, 10);
  TPoint p{-1000, -1000};
  TRect r;
  b->CalcDrawPosition(surface.Canvas(), p, r);
  if (c.glyphW > 0) {
    EXPECT_EQ(p, c.glyph);
  }
  if (*c.caption) {
    EXPECT_EQ(r, c.text);
  }
}

using tk::blGlyphBottom;
using tk::blGlyphLeft;
using tk::blGlyphRight;
using tk::blGlyphTop;

const LayoutCase kLayoutCases[] = {
    // Block 16 x 16 in 25 x 25: 9 left over, the odd pixel right and below.
    {"GlyphCentredOddDifference", blGlyphLeft, 16, 16, "", {4, 4}, {}},
    {"OddGlyphCentred", blGlyphLeft, 15, 14, "", {5, 5}, {}},
    {"NonSquareClient", blGlyphLeft, 16, 16, "", {12, 2}, {}, -1, 4, 40, 21},
    // 16 + 4 + 20 = 40 wide: the block starts -15 / 2 = -7 (toward zero), not -8.
    {"LeftBlockWiderThanTheButton", blGlyphLeft, 16, 16, "AB", {-7, 4}, {13, 7, 33, 17}},
    {"RightBlockWiderThanTheButton", blGlyphRight, 16, 16, "AB", {17, 4}, {-7, 7, 13, 17}},
    // 16 + 4 + 10 = 30 high: the block starts at -5 / 2 = -2.
    {"TopBlockTallerThanTheButton", blGlyphTop, 16, 16, "AB", {4, -2}, {2, 18, 22, 28}},
    {"BottomBlockTallerThanTheButton", blGlyphBottom, 16, 16, "AB", {4, 12}, {2, -2, 22, 8}},
    {"OddBlockWidthTruncatesTowardZero", blGlyphLeft, 16, 16, "ABC", {-12, 4}, {8, 7, 38, 17}},
    // The spacing goes above a lone caption with blGlyphTop only.
    {"TopWithoutGlyphAddsSpacing", blGlyphTop, 0, 0, "AB", {}, {2, 9, 22, 19}},
    {"BottomWithoutGlyph", blGlyphBottom, 0, 0, "AB", {}, {2, 7, 22, 17}},
    {"LeftWithoutGlyph", blGlyphLeft, 0, 0, "AB", {}, {2, 7, 22, 17}},
    {"RightWithoutGlyph", blGlyphRight, 0, 0, "AB", {}, {2, 7, 22, 17}},
    {"MarginZeroLeft", blGlyphLeft, 16, 16, "AB", {0, 4}, {20, 7, 40, 17}, 0},
    {"MarginRight", blGlyphRight, 16, 16, "AB", {6, 4}, {-18, 7, 2, 17}, 3},
    {"MarginTop", blGlyphTop, 16, 16, "AB", {4, 2}, {2, 22, 22, 32}, 2},
    {"MarginBottom", blGlyphBottom, 16, 16, "AB", {4, 8}, {2, -6, 22, 4}, 1},
    {"AnyNegativeMarginCentres", blGlyphRight, 16, 16, "", {4, 4}, {}, -7},
    // Glyph and caption overlap: 16 - 30 + 20 = 6 wide, caption 14 left of the glyph.
    {"NegativeSpacingOverlaps", blGlyphLeft, 16, 16, "AB", {9, 4}, {-5, 7, 15, 17}, -1, -30},
    {"CaptionWiderThanTheButton", blGlyphLeft, 0, 0, "ABCD", {}, {-7, 7, 33, 17}},
    // Two lines: 10 wide, 20 high; the glyph is centred on them.
    {"TwoLineCaption", blGlyphLeft, 16, 16, "A\nB", {-2, 4}, {18, 2, 28, 22}},
};

INSTANTIATE_TEST_SUITE_P(Rules, LayoutTest, ::testing::ValuesIn(kLayoutCases));

}  // namespace
}  // namespace widgets::test
