// Glyph and caption in pixels: the pressed looks move them one pixel right and down, the
// disabled looks emboss them, the caption's extra passes sit one pixel off.

#include <functional>

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

constexpr std::uint32_t kFace = 0x808080;     // raised face
constexpr std::uint32_t kPressed = 0x404040;  // pressed face
constexpr std::uint32_t kT = 0x808000;
constexpr std::uint32_t kRed = 0xFF0000, kBlack = 0x000000;
constexpr std::uint32_t kHighlightPixel = 0xFF0000;  // DisabledHighlight / FontHighlight clRed
constexpr std::uint32_t kShadowPixel = 0x0000FF;     // DisabledShadow / FontShadow clBlue

const std::map<char, std::uint32_t> kColours = {{'.', kT}, {'#', kBlack}, {'r', kRed}};

class ImageDrawTest : public ShineTest {
 protected:
  ImageDrawTest() {
    b = AddButton(20, 20);
    b->SetUpFrame(false);
    b->SetDownFrame(false);
    b->SetActiveFrame(false);
    b->SetActiveImage(aiNormal);
    b->Colors().SetColor(0x808080);
    b->PressedColors().SetColor(0x404040);
    b->Font().SetColor(tk::clBlack);
    b->SetDisabledHighlight(tk::clRed);
    b->SetDisabledShadow(tk::clBlue);
  }
  // Every pixel of the button: `expected(x, y)` in button coordinates.
  void ExpectButton(const std::function<std::uint32_t(int, int)>& expected) {
    platform.Idle();
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 25; ++x)
        ASSERT_EQ(Pixel(20 + x, 20 + y), expected(x, y)) << "pixel " << x << "," << y;
  }
  static bool In(int x, int y, int left, int top, int w, int h) {
    return x >= left && x < left + w && y >= top && y < top + h;
  }
  CountingButton* b;
};

struct ShiftCase {
  const char* name;
  TShineDrawState state;
  int offset;
  std::uint32_t face;
};

using GlyphShiftTest = ShineCaseTest<ShiftCase, ImageDrawTest>;

TEST_P(GlyphShiftTest, GlyphWithoutItsTransparentPixelsAtItsPlace) {
  const std::vector<std::string> art = {"r#.", "#r.", "..."};
  b->SetGlyph(MakeGlyph(art, kColours).get());
  Reach(*b, GetParam().state);
  // A 3 x 3 glyph alone: (25 - 3) / 2 = 11 from the top-left.
  const int at = 11 + GetParam().offset;
  ExpectButton([&](int x, int y) {
    if (In(x, y, at, at, 3, 3) && art[y - at][x - at] != '.')
      return kColours.at(art[y - at][x - at]);
    return GetParam().face;
  });
}

INSTANTIATE_TEST_SUITE_P(States, GlyphShiftTest,
                         ::testing::Values(ShiftCase{"Up", stUp, 0, kFace},
                                           ShiftCase{"Active", stActive, 0, kFace},
                                           ShiftCase{"Down", stDown, 1, kPressed},
                                           ShiftCase{"ActiveDown", stActiveDown, 1, kPressed}));

TEST_F(ImageDrawTest, OutlineOverTheCornerShowsTheFormerTransparentArea) {
  b->SetActiveImage(aiFrameLight);
  b->SetGlyph(MakeGlyph({"...", "...", ".#."}, kColours).get());
  Reach(*b, stActive);
  // The variant is "...", ".S.", "S#S" keyed on S: the outline vanishes, T shows.
  const std::vector<std::string> seen = {"TTT", "TFT", "F#F"};
  ExpectButton([&](int x, int y) {
    if (!In(x, y, 11, 11, 3, 3)) return kFace;
    switch (seen[y - 11][x - 11]) {
      case 'T': return kT;
      case '#': return kBlack;
      default: return kFace;
    }
  });
}

TEST_F(ImageDrawTest, DisabledGlyphIsEmbossedHighlightUnderShadow) {
  b->SetGlyph(MakeGlyph({"....", ".##.", ".##.", "...."}, kColours).get());
  Reach(*b, stDisabled);
  // The edge mask of this glyph, at (25 - 4) / 2 = 10.
  const std::vector<std::string> mask = {"www#", "w#w#", "www#", "####"};
  auto white = [&](int x, int y) { return In(x, y, 0, 0, 4, 4) && mask[y][x] == 'w'; };
  ExpectButton([&](int x, int y) {
    if (white(x - 10, y - 10)) return kShadowPixel;
    if (white(x - 11, y - 11)) return kHighlightPixel;
    return kFace;
  });
}

TEST_F(ImageDrawTest, DisabledGlyphOfOneRowPaintsNothing) {
  b->SetGlyph(MakeGlyph({"#.#."}, kColours).get());
  Reach(*b, stDisabled);
  ExpectButton([](int, int) { return kFace; });
}

TEST_F(ImageDrawTest, DisabledGlyphWithAnotherEffectIsDrawnTransparent) {
  b->SetDisabledImage(diMaskTrans);
  b->SetGlyph(MakeGlyph({"###", "###", ".##"}, kColours).get());
  Reach(*b, stDisabled);
  // Every other opaque pixel takes T and is left out: a checkerboard of black and face.
  ExpectButton([](int x, int y) {
    if (!In(x, y, 11, 11, 3, 3) || (x == 11 && y == 13)) return kFace;
    return (x - 11 + y - 11) % 2 == 1 ? kFace : kBlack;
  });
}

// The caption "A" alone: measured 10 x 10, placed at (7, 7); its glyph box covers x 8..15,
// y 9..14 of the button.
struct CaptionCase {
  const char* name;
  TShineDrawState state;
  tk::TColor shadow, highlight;
  // Boxes in drawing order: offset from the plain box and pixel colour.
  std::vector<std::tuple<int, std::uint32_t>> boxes;
  std::uint32_t face;
};

using CaptionTest = ShineCaseTest<CaptionCase, ImageDrawTest>;

TEST_P(CaptionTest, PassesLandWhereTheirOffsetsSay) {
  const CaptionCase& c = GetParam();
  b->SetCaption("A");
  b->ActiveFont().SetColor(0x00FF00);  // pixel 0x00FF00
  b->SetFontShadow(c.shadow);
  b->SetFontHighlight(c.highlight);
  Reach(*b, c.state);
  ExpectButton([&](int x, int y) {
    std::uint32_t p = c.face;
    for (auto [offset, colour] : c.boxes)
      if (In(x, y, 8 + offset, 9 + offset, 8, 6)) p = colour;
    return p;
  });
}

constexpr std::uint32_t kActiveText = 0x00FF00;

INSTANTIATE_TEST_SUITE_P(
    Looks, CaptionTest,
    ::testing::Values(
        CaptionCase{"Up", stUp, tk::clNone, tk::clNone, {{0, kBlack}}, kFace},
        CaptionCase{
            "ActiveUsesActiveFont", stActive, tk::clNone, tk::clNone, {{0, kActiveText}}, kFace},
        CaptionCase{"DownMovesOnePixel", stDown, tk::clNone, tk::clNone, {{1, kBlack}}, kPressed},
        CaptionCase{"ActiveDownMovesOnePixel",
                    stActiveDown,
                    tk::clNone,
                    tk::clNone,
                    {{1, kActiveText}},
                    kPressed},
        CaptionCase{"ShadowPassBelowRight",
                    stUp,
                    tk::clBlue,
                    tk::clNone,
                    {{1, kShadowPixel}, {0, kBlack}},
                    kFace},
        CaptionCase{"HighlightPassAboveLeft",
                    stUp,
                    tk::clNone,
                    tk::clRed,
                    {{-1, kHighlightPixel}, {0, kBlack}},
                    kFace},
        CaptionCase{"BothPasses",
                    stUp,
                    tk::clBlue,
                    tk::clRed,
                    {{1, kShadowPixel}, {-1, kHighlightPixel}, {0, kBlack}},
                    kFace},
        CaptionCase{"PressedPassesMoveToo",
                    stDown,
                    tk::clBlue,
                    tk::clRed,
                    {{2, kShadowPixel}, {0, kHighlightPixel}, {1, kBlack}},
                    kPressed},
        // Disabled: the passes of the caption colours are not drawn.
        CaptionCase{"DisabledHighlightUnderShadow",
                    stDisabled,
                    tk::clLime,
                    tk::clLime,
                    {{1, kHighlightPixel}, {0, kShadowPixel}},
                    kFace}));

}  // namespace
}  // namespace widgets::test
