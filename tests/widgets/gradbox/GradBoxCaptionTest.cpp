// The caption looks, drawn with glyphs of round numbers: every character but the space is a
// solid box 8 pixels wide and 6 high, 1 pixel right of its pen position and 2 rows below the
// line's top (ascent 8); characters advance 10 pixels and lines are 10 high.

#include <gtest/gtest.h>

#include "tests/support/FakeGlyphSource.h"
#include "tests/support/HeadlessFixture.h"
#include "toolkit/graphics/text/FontCache.h"
#include "widgets/gradbox/Gradbox.h"

namespace widgets {
namespace {

constexpr std::uint32_t kBack = 0xFF0000;     // the form: red
constexpr std::uint32_t kFace = 0x000000;     // the font colour: black
constexpr std::uint32_t kExtrude = 0x0000FF;  // BackFont clBlue as a pixel word

class GradBoxCaptionTest : public tk::testing::HeadlessTest {
 protected:
  GradBoxCaptionTest() {
    tk::SetGlyphSourceProvider([this](const tk::TFont&) -> tk::TGlyphSource& { return glyphs; });
    form->SetColor(tk::clRed);
    box = new TGradBox(form.get());
    box->SetParent(form.get());
    box->SetBounds(0, 0, 60, 40);
    box->SetGradStyle(gsNone);
    box->Font().SetColor(tk::clBlack);
    box->SetBackFont(tk::clBlue);
    box->SetCaption("1");
  }
  ~GradBoxCaptionTest() override { tk::SetGlyphSourceProvider(nullptr); }

  // Where the glyph box of a caption character at text position (x, y) lies.
  static tk::TRect GlyphBox(int x, int y) { return {x + 1, y + 2, x + 9, y + 8}; }

  // Every pixel of the box area: `expected(x, y)` gives what it must be.
  void ExpectPixels(const std::function<std::uint32_t(int, int)>& expected) {
    platform.Idle();
    for (int y = 0; y < box->Height(); ++y)
      for (int x = 0; x < box->Width(); ++x)
        ASSERT_EQ(Pixel(x, y), expected(x, y)) << "pixel " << x << "," << y;
  }

  tk::test::FakeGlyphSource glyphs;
  TGradBox* box;
};

bool In(const tk::TRect& r, int x, int y) { return r.Contains({x, y}); }

TEST_F(GradBoxCaptionTest, FlatCaptionAtCaptionLeftAndTop) {
  box->SetCaptionLeft(16);
  box->SetCaptionTop(26 - 20);
  ExpectPixels([](int x, int y) { return In(GlyphBox(16, 6), x, y) ? kFace : kBack; });
}

TEST_F(GradBoxCaptionTest, DisabledIsWhiteOneDownRightUnderGrey) {
  box->SetFont3D(true);  // plays no part when disabled
  box->SetEnabled(false);
  ExpectPixels([](int x, int y) {
    if (In(GlyphBox(10, 10), x, y)) return 0x808080u;
    if (In(GlyphBox(11, 11), x, y)) return 0xFFFFFFu;
    return kBack;
  });
}

struct Look {
  const char* name;
  TFontStyle3D style;
  int depth;
  std::vector<int> copies;  // offsets of the BackFont copies
};

void PrintTo(const Look& l, std::ostream* os) { *os << l.name; }

class GradBoxLookTest : public GradBoxCaptionTest, public ::testing::WithParamInterface<Look> {};

TEST_P(GradBoxLookTest, BackFontCopiesLieUnderTheFace) {
  box->SetFont3D(true);
  box->SetStyle3D(GetParam().style);
  box->SetFontDepth(static_cast<std::uint8_t>(GetParam().depth));
  const std::vector<int> copies = GetParam().copies;
  ExpectPixels([&](int x, int y) {
    if (In(GlyphBox(10, 10), x, y)) return kFace;
    for (int d : copies)
      if (In(GlyphBox(10 + d, 10 + d), x, y)) return kExtrude;
    return kBack;
  });
}

INSTANTIATE_TEST_SUITE_P(Styles, GradBoxLookTest,
                         ::testing::Values(Look{"LowShadow2", fsLowShadow, 2, {2}},
                                           Look{"LowShadow0", fsLowShadow, 0, {0}},
                                           Look{"RaiseShadow2", fsRaiseShadow, 2, {-2}},
                                           Look{"Low3D3", fsLow3D, 3, {1, 2, 3}},
                                           Look{"Low3D0", fsLow3D, 0, {}},
                                           Look{"Raise3D2", fsRaise3D, 2, {-1, -2}},
                                           Look{"Raise3D255", fsRaise3D, 255, [] {
                                                  std::vector<int> v;
                                                  for (int d = 1; d <= 255; ++d) v.push_back(-d);
                                                  return v;
                                                }()}));

TEST_F(GradBoxCaptionTest, WideCaptionBreaksAtWordsInsideTheRightEdgeAndIsClipped) {
  box->SetBounds(0, 0, 40, 25);  // "ab cd" is 50 pixels: "cd" goes to the second line
  box->SetCaptionLeft(5);
  box->SetCaptionTop(5);
  box->SetCaption("ab cd");
  ExpectPixels([](int x, int y) {
    for (tk::TRect r : {GlyphBox(5, 5), GlyphBox(15, 5), GlyphBox(5, 15), GlyphBox(15, 15)})
      if (In(r, x, y)) return kFace;
    return kBack;
  });
  EXPECT_EQ(Pixel(6, 25), kBack);  // below the box nothing is drawn
}

TEST_F(GradBoxCaptionTest, OnPaintDrawsOverFillOutlineAndCaption) {
  box->SetGradStyle(gsTopBottom);
  box->OnPaint = tk::TNotifyEvent([this](tk::TObject*) {
    box->Canvas().Brush().SetColor(tk::clLime);
    box->Canvas().FillRect({0, 0, 60, 40});
  });
  ExpectPixels([](int, int) { return 0x00FF00u; });
}

}  // namespace
}  // namespace widgets
