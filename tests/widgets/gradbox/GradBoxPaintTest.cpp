#include <gtest/gtest.h>

#include "tests/support/HeadlessFixture.h"
#include "widgets/gradbox/Gradbox.h"

namespace widgets {
namespace {

using tk::TColor;

class GradBoxPaintTest : public tk::testing::HeadlessTest {
 protected:
  GradBoxPaintTest() {
    form->SetBounds(0, 0, 300, 200);
    form->SetColor(0x0000FF);  // red background, pixel 0xFF0000
    box = new TGradBox(form.get());
    box->SetParent(form.get());
    box->OnPaint = tk::TNotifyEvent([this](tk::TObject*) { ++paints; });
    platform.Idle();
    paints = 0;
  }
  void Header(int width, int height, TGradStyle style) {
    box->SetBounds(0, 0, width, height);
    box->SetTopColor(0x80FF80);
    box->SetLastColor(tk::clWhite);
    box->SetGradStyle(style);
    platform.Idle();
  }
  TGradBox* box;
  int paints = 0;
};

TEST_F(GradBoxPaintTest, NewBoxIs200By100GreenTopToBottomWithoutOutline) {
  EXPECT_EQ(box->Width(), 200);
  EXPECT_EQ(box->Height(), 100);
  // Height 100: row 0 is covered last by entry 3 (green 128 -> 255: entries 1..5 are
  // 128, 128, 129, 129, 130), the bottom row by entry 255.
  EXPECT_EQ(Pixel(0, 0), 0x008100u);
  EXPECT_EQ(Pixel(199, 0), 0x008100u);
  EXPECT_EQ(Pixel(0, 99), 0x00FF00u);
  EXPECT_EQ(Pixel(200, 50), 0xFF0000u);  // outside: the form
}

TEST_F(GradBoxPaintTest, RowHeaderBandsShowTheWorkedOutEntries) {
  Header(50, 90, gsTopBottom);
  const std::pair<int, std::uint32_t> rows[] = {
      {0, 0x81FF81}, {1, 0x82FF82}, {44, 0xBFFFBF}, {88, 0xFEFFFE}, {89, 0xFFFFFF}};
  for (auto [y, pixel] : rows)
    for (int x : {0, 25, 49}) EXPECT_EQ(Pixel(x, y), pixel) << x << "," << y;
}

TEST_F(GradBoxPaintTest, ColumnHeaderBandsShowTheWorkedOutEntries) {
  Header(120, 50, gsLeftRight);
  const std::pair<int, std::uint32_t> columns[] = {
      {0, 0x81FF81}, {1, 0x82FF82}, {59, 0xBFFFBF}, {119, 0xFFFFFF}};
  for (auto [x, pixel] : columns)
    for (int y : {0, 49}) EXPECT_EQ(Pixel(x, y), pixel) << x << "," << y;
}

TEST_F(GradBoxPaintTest, ReversedStylesPutTopColorAtTheFarEdge) {
  box->SetBounds(0, 0, 100, 100);
  box->SetTopColor(0x0000FF);   // red
  box->SetLastColor(0xFF0000);  // blue
  box->SetGradStyle(gsBottomTop);
  platform.Idle();
  EXPECT_EQ(Pixel(50, 99), 0xFF0000u);  // red at the bottom
  EXPECT_EQ(Pixel(50, 0), 0x0300FCu);   // entry 3 at the top: blue 252, red 3
  box->SetGradStyle(gsRightLeft);
  platform.Idle();
  EXPECT_EQ(Pixel(99, 50), 0xFF0000u);  // TopColor at the right edge
}

TEST_F(GradBoxPaintTest, OutlineCoversTheOuterPixelsInItsColour) {
  box->SetBounds(10, 10, 20, 15);
  box->SetGradStyle(gsNone);
  box->SetOutLineColor(0x00FF00);
  box->SetDrawOutLine(true);
  platform.Idle();
  for (int x = 10; x < 30; ++x) {
    EXPECT_EQ(Pixel(x, 10), 0x00FF00u) << x;
    EXPECT_EQ(Pixel(x, 24), 0x00FF00u) << x;
  }
  for (int y = 10; y < 25; ++y) {
    EXPECT_EQ(Pixel(10, y), 0x00FF00u) << y;
    EXPECT_EQ(Pixel(29, y), 0x00FF00u) << y;
  }
  EXPECT_EQ(Pixel(11, 11), 0xFF0000u);  // gsNone: the form shows inside
  EXPECT_EQ(Pixel(30, 10), 0xFF0000u);
}

TEST_F(GradBoxPaintTest, SystemColourEndIsDrawnResolved) {
  box->SetBounds(0, 0, 10, 10);
  box->SetTopColor(tk::clBtnFace);
  box->SetLastColor(tk::clBtnShadow);
  platform.Idle();
  EXPECT_EQ(Pixel(0, 9), 0xA0A0A0u);  // entry 255 is clBtnShadow itself
}

// Each setter with a value that repaints, and whether a second, different value repaints under
// the switch it depends on.
struct RepaintCase {
  const char* name;
  std::function<void(TGradBox&)> change;
  bool repaints;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.name; }

class GradBoxRepaintTest : public GradBoxPaintTest,
                           public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(GradBoxRepaintTest, RepaintsOnlyWhenItShould) {
  GetParam().change(*box);
  platform.Idle();
  EXPECT_EQ(paints, GetParam().repaints ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, GradBoxRepaintTest,
    ::testing::Values(
        RepaintCase{"CaptionLeft same", [](TGradBox& b) { b.SetCaptionLeft(10); }, false},
        RepaintCase{"CaptionLeft", [](TGradBox& b) { b.SetCaptionLeft(11); }, true},
        RepaintCase{"CaptionTop", [](TGradBox& b) { b.SetCaptionTop(0); }, true},
        RepaintCase{"TopColor same", [](TGradBox& b) { b.SetTopColor(0x008000); }, false},
        RepaintCase{"TopColor", [](TGradBox& b) { b.SetTopColor(0); }, true},
        RepaintCase{"LastColor", [](TGradBox& b) { b.SetLastColor(0); }, true},
        RepaintCase{"OutLineColor without outline", [](TGradBox& b) { b.SetOutLineColor(1); },
                    false},
        RepaintCase{"OutLineColor with outline",
                    [](TGradBox& b) {
                      b.SetDrawOutLine(true);
                      b.SetOutLineColor(1);
                    },
                    true},
        RepaintCase{"DrawOutLine same", [](TGradBox& b) { b.SetDrawOutLine(false); }, false},
        RepaintCase{"GradStyle", [](TGradBox& b) { b.SetGradStyle(gsNone); }, true},
        RepaintCase{"Font3D", [](TGradBox& b) { b.SetFont3D(true); }, true},
        RepaintCase{"FontDepth without Font3D", [](TGradBox& b) { b.SetFontDepth(3); }, false},
        RepaintCase{"BackFont without Font3D", [](TGradBox& b) { b.SetBackFont(0); }, false},
        RepaintCase{"Style3D without Font3D", [](TGradBox& b) { b.SetStyle3D(fsLow3D); }, true},
        RepaintCase{"Style3D same", [](TGradBox& b) { b.SetStyle3D(fsRaise3D); }, false},
        RepaintCase{"Caption", [](TGradBox& b) { b.SetCaption("月"); }, true},
        RepaintCase{"Caption same", [](TGradBox& b) { b.SetCaption(""); }, false}));

TEST_F(GradBoxPaintTest, SwitchedOffValuesShowAtTheNextRepaint) {
  box->SetBounds(0, 0, 10, 10);
  platform.Idle();
  box->SetOutLineColor(0x00FF00);  // stored, not shown
  platform.Idle();
  EXPECT_NE(Pixel(0, 5), 0x00FF00u);
  box->SetDrawOutLine(true);
  platform.Idle();
  EXPECT_EQ(Pixel(0, 5), 0x00FF00u);
}

}  // namespace
}  // namespace widgets
