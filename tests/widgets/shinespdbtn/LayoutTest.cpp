// Where glyph and caption go. Captions measure 10 pixels per character and 10 per line; every
// expected position below is worked out by hand from the layout steps.

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using tk::TPoint;
using tk::TRect;

struct LayoutCase {
  const char* name;
  tk::TButtonLayout layout;
  int margin, spacing;
  int glyphW, glyphH;  // 0: no glyph
  const char* caption;
  int clientW, clientH;
  TPoint glyph;
  TRect text;  // checked when there is a caption
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class LayoutTest : public ShineTest, public ::testing::WithParamInterface<LayoutCase> {};

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

INSTANTIATE_TEST_SUITE_P(
    Rules, LayoutTest,
    ::testing::Values(
        // Block 16 x 16 in 25 x 25: 9 left over, the odd pixel right and below.
        LayoutCase{"GlyphCentredOddDifference", blGlyphLeft, -1, 4, 16, 16, "", 25, 25, {4, 4}, {}},
        LayoutCase{"OddGlyphCentred", blGlyphLeft, -1, 4, 15, 14, "", 25, 25, {5, 5}, {}},
        LayoutCase{"NonSquareClient", blGlyphLeft, -1, 4, 16, 16, "", 40, 21, {12, 2}, {}},
        // 16 + 4 + 20 = 40 wide: the block starts -15 / 2 = -7 (toward zero), not -8.
        LayoutCase{"LeftBlockWiderThanTheButton",
                   blGlyphLeft,
                   -1,
                   4,
                   16,
                   16,
                   "AB",
                   25,
                   25,
                   {-7, 4},
                   {13, 7, 33, 17}},
        LayoutCase{"RightBlockWiderThanTheButton",
                   blGlyphRight,
                   -1,
                   4,
                   16,
                   16,
                   "AB",
                   25,
                   25,
                   {17, 4},
                   {-7, 7, 13, 17}},
        // 16 + 4 + 10 = 30 high: the block starts at -5 / 2 = -2.
        LayoutCase{"TopBlockTallerThanTheButton",
                   blGlyphTop,
                   -1,
                   4,
                   16,
                   16,
                   "AB",
                   25,
                   25,
                   {4, -2},
                   {2, 18, 22, 28}},
        LayoutCase{"BottomBlockTallerThanTheButton",
                   blGlyphBottom,
                   -1,
                   4,
                   16,
                   16,
                   "AB",
                   25,
                   25,
                   {4, 12},
                   {2, -2, 22, 8}},
        LayoutCase{"OddBlockWidthTruncatesTowardZero",
                   blGlyphLeft,
                   -1,
                   4,
                   16,
                   16,
                   "ABC",
                   25,
                   25,
                   {-12, 4},
                   {8, 7, 38, 17}},
        // The spacing goes above a lone caption with blGlyphTop only.
        LayoutCase{"TopWithoutGlyphAddsSpacing",
                   blGlyphTop,
                   -1,
                   4,
                   0,
                   0,
                   "AB",
                   25,
                   25,
                   {},
                   {2, 9, 22, 19}},
        LayoutCase{
            "BottomWithoutGlyph", blGlyphBottom, -1, 4, 0, 0, "AB", 25, 25, {}, {2, 7, 22, 17}},
        LayoutCase{"LeftWithoutGlyph", blGlyphLeft, -1, 4, 0, 0, "AB", 25, 25, {}, {2, 7, 22, 17}},
        LayoutCase{
            "RightWithoutGlyph", blGlyphRight, -1, 4, 0, 0, "AB", 25, 25, {}, {2, 7, 22, 17}},
        LayoutCase{
            "MarginZeroLeft", blGlyphLeft, 0, 4, 16, 16, "AB", 25, 25, {0, 4}, {20, 7, 40, 17}},
        LayoutCase{
            "MarginRight", blGlyphRight, 3, 4, 16, 16, "AB", 25, 25, {6, 4}, {-18, 7, 2, 17}},
        LayoutCase{"MarginTop", blGlyphTop, 2, 4, 16, 16, "AB", 25, 25, {4, 2}, {2, 22, 22, 32}},
        LayoutCase{
            "MarginBottom", blGlyphBottom, 1, 4, 16, 16, "AB", 25, 25, {4, 8}, {2, -6, 22, 4}},
        LayoutCase{"AnyNegativeMarginCentres", blGlyphRight, -7, 4, 16, 16, "", 25, 25, {4, 4}, {}},
        // Glyph and caption overlap: 16 - 30 + 20 = 6 wide, caption 14 left of the glyph.
        LayoutCase{"NegativeSpacingOverlaps",
                   blGlyphLeft,
                   -1,
                   -30,
                   16,
                   16,
                   "AB",
                   25,
                   25,
                   {9, 4},
                   {-5, 7, 15, 17}},
        LayoutCase{"CaptionWiderThanTheButton",
                   blGlyphLeft,
                   -1,
                   4,
                   0,
                   0,
                   "ABCD",
                   25,
                   25,
                   {},
                   {-7, 7, 33, 17}},
        // Two lines: 10 wide, 20 high; the glyph is centred on them.
        LayoutCase{"TwoLineCaption",
                   blGlyphLeft,
                   -1,
                   4,
                   16,
                   16,
                   "A\nB",
                   25,
                   25,
                   {-2, 4},
                   {18, 2, 28, 22}}));

}  // namespace
}  // namespace widgets::test
