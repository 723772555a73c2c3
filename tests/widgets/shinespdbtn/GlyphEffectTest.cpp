// The glyph looks, on small glyphs drawn as text. '.' is the transparent colour T (the glyph's
// bottom-left pixel), 'S' the shine colour; other letters are opaque colours.

#include "tests/widgets/shinespdbtn/ShineFixture.h"
#include "widgets/shinespdbtn/GlyphEffects.h"

namespace widgets::test {
namespace {

using test::PrintTo;

constexpr std::uint32_t kT = 0x808000;      // olive as a pixel word
constexpr std::uint32_t kShine = 0xFFFF00;  // clYellow as a pixel word

const std::map<char, std::uint32_t> kGlyphColours = {
    {'.', kT}, {'#', 0x000000}, {'w', 0xFFFFFF}, {'g', 0x808080}, {'r', 0xFF0000}, {'S', kShine}};

using Art = std::vector<std::string>;

std::unique_ptr<tk::TBitmap> Glyph(const Art& art) { return MakeGlyph(art, kGlyphColours); }

Art ToArt(const tk::TBitmap& b) {
  Art art;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      const std::uint32_t p = b.PixelWord(x, y) & 0xFFFFFF;
      char c = '?';
      for (auto [k, v] : kGlyphColours)
        if (v == p) c = k;
      row += c;
    }
    art.push_back(row);
  }
  return art;
}

Art Active(const Art& art, TActiveImageType effect) {
  auto glyph = Glyph(art);
  tk::TBitmap result;
  result.Assign(*glyph);
  ApplyActiveImage(*glyph, result, effect, kShine);
  return ToArt(result);
}

// --- effects on single pixels ---

struct PixelCase {
  const char* name;
  bool active;
  int effect;
  std::uint32_t colour;  // shine or face colour
  std::uint32_t in;
  std::uint32_t out;
};

class PixelEffectTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelEffectTest, ChangesOpaquePixelsOnly) {
  const PixelCase& c = GetParam();
  tk::TBitmap glyph(2, 2);
  glyph.ScanLine(0)[0] = c.in;
  glyph.ScanLine(0)[1] = c.in;
  glyph.ScanLine(1)[0] = kT;
  glyph.ScanLine(1)[1] = c.in;
  tk::TBitmap result;
  result.Assign(glyph);
  if (c.active) ApplyActiveImage(glyph, result, static_cast<TActiveImageType>(c.effect), c.colour);
  else ApplyDisabledImage(glyph, result, static_cast<TDisabledImageType>(c.effect), c.colour);
  EXPECT_EQ(result.PixelWord(0, 0) & 0xFFFFFF, c.out);
  EXPECT_EQ(result.PixelWord(1, 1) & 0xFFFFFF, c.out);
  EXPECT_EQ(result.PixelWord(0, 1) & 0xFFFFFF, kT);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, PixelEffectTest,
    ::testing::Values(
        PixelCase{"NormalKeeps", true, aiNormal, kShine, 0x123456, 0x123456},
        PixelCase{"XorOnWhite", true, aiXorLight, kShine, 0xFFFFFF, 0x0000FF},
        PixelCase{"XorOnColour", true, aiXorLight, 0x0F0F0F, 0x123456, 0x1D3B59},
        PixelCase{"HalfOnBlack", true, aiHalfLight, kShine, 0x000000, 0x7F7F00},
        PixelCase{"HalfRoundsDown", true, aiHalfLight, 0x010203, 0x020304, 0x010203},
        PixelCase{"QuarterOnBlack", true, aiQuaterLight, kShine, 0x000000, 0xBFBF00},
        PixelCase{"QuarterOnColour", true, aiQuaterLight, 0x405060, 0x102030, 0x344454},
        PixelCase{"AddOnGrey", true, aiAddLight, kShine, 0x808080, 0xFFFF80},
        PixelCase{"AddBelowTheLimit", true, aiAddLight, 0x102030, 0x010203, 0x112233},
        PixelCase{"GreyOfRed", false, diGrayscale, 0, 0xFF0000, 0x555555},
        PixelCase{"GreyRoundsDown", false, diGrayscale, 0, 0xFFFFFE, 0xFEFEFE},
        PixelCase{"GreyOfMixed", false, diGrayscale, 0, 0x010203, 0x020202},
        PixelCase{"HalfTowardsTheFace", false, diAlphaHalfTrans, 0xF0F0F0, 0x000000, 0x787878},
        PixelCase{"QuarterTowardsTheFace", false, diAlphaQuaterTrans, 0xF0F0F0, 0x000000, 0xB4B4B4},
        PixelCase{"QuarterTowardsAColourFace", false, diAlphaQuaterTrans, 0x0080FF, 0x804000,
                  0x2070BF}));

TEST(GlyphEffectTest, BottomLeftColourIsTransparentWhereverItIsUsed) {
  // The bottom-left pixel is part of the drawing: '#' counts as transparent, '.' as opaque.
  auto glyph = MakeGlyph({"#.", "#."}, {{'.', 0x000000}, {'#', 0xFFFFFF}});
  tk::TBitmap result;
  result.Assign(*glyph);
  ApplyActiveImage(*glyph, result, aiHalfLight, kShine);
  EXPECT_EQ(result.PixelWord(0, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(result.PixelWord(1, 0) & 0xFFFFFF, 0x7F7F00u);
}

// --- outlines ---

struct OutlineCase {
  const char* name;
  TActiveImageType effect;
  Art in;
  Art out;
};

class OutlineTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineTest, PaintsTheRingsOutsideTheShape) {
  EXPECT_EQ(Active(GetParam().in, GetParam().effect), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rings, OutlineTest,
    ::testing::Values(
        OutlineCase{"OnePixelOneRing",
                    aiFrameLight,
                    {".....", ".....", "..#..", ".....", "....."},
                    {".....", "..S..", ".S#S.", "..S..", "....."}},
        OutlineCase{"OnePixelTwoRings",
                    aiFrameLight2,
                    {".....", ".....", "..#..", ".....", "....."},
                    {"..S..", ".SSS.", "SS#SS", ".SSS.", "..S.."}},
        // Neighbours end at the edges: nothing wraps to the next or previous row.
        OutlineCase{
            "RightEdgeDoesNotWrap", aiFrameLight, {"..#", "...", "..."}, {".S#", "..S", "..."}},
        OutlineCase{
            "LeftEdgeDoesNotWrap", aiFrameLight2, {"...", "#..", "..."}, {"SS.", "#SS", "SS."}},
        // Opaque pixels keep their colours; only transparent ones take the shine.
        OutlineCase{"ShapeKeepsItsColours",
                    aiFrameLight,
                    {"....", ".wr.", ".g#.", "...."},
                    {".SS.", "SwrS", "Sg#S", ".SS."}},
        OutlineCase{"SecondRingCountsFromTheFirst",
                    aiFrameLight2,
                    {"......", "..##..", "......", "......"},
                    {".SSSS.", "SS##SS", ".SSSS.", "..SS.."}}));

// --- meshes: a checkerboard, or vertical stripes when width and height differ in parity ---

struct MeshCase {
  int width, height;
};

void PrintTo(const MeshCase& c, std::ostream* os) { *os << c.width << "x" << c.height; }

class MeshTest : public ::testing::TestWithParam<MeshCase> {};

TEST_P(MeshTest, ChangesEveryOtherOpaquePixel) {
  const int w = GetParam().width, h = GetParam().height;
  Art art(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), 'g'));
  art[static_cast<std::size_t>(h - 1)][0] = '.';  // T
  art[0][static_cast<std::size_t>(w - 1)] = '.';  // a transparent pixel is never changed
  const bool stripes = (w % 2) != (h % 2);
  Art mask = art, light = art;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool changed = stripes ? x % 2 == 1 : (x + y) % 2 == 1;
      if (changed && art[y][x] != '.') {
        light[y][x] = 'S';
        mask[y][x] = '.';
      }
    }
  EXPECT_EQ(Active(art, aiMaskLight), light);
  auto glyph = Glyph(art);
  tk::TBitmap result;
  result.Assign(*glyph);
  ApplyDisabledImage(*glyph, result, diMaskTrans, 0xF0F0F0);
  EXPECT_EQ(ToArt(result), mask);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MeshTest,
                         ::testing::Values(MeshCase{16, 15}, MeshCase{15, 16}, MeshCase{16, 16},
                                           MeshCase{5, 5}, MeshCase{4, 2}, MeshCase{3, 5},
                                           MeshCase{1, 4}));

// --- the emboss mask ---

struct EmbossCase {
  const char* name;
  Art in;
  Art mask;  // 'w' white, '#' black
};

class EmbossMaskTest : public ::testing::TestWithParam<EmbossCase> {};

TEST_P(EmbossMaskTest, MarksWhereADiagonalJoinsTwoColours) {
  auto glyph = Glyph(GetParam().in);
  tk::TBitmap result;
  result.Assign(*glyph);
  ApplyDisabledImage(*glyph, result, diDefault, 0xF0F0F0);
  EXPECT_TRUE(result.Monochrome());
  EXPECT_EQ(ToArt(result), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, EmbossMaskTest,
    ::testing::Values(
        EmbossCase{"Block", {"....", ".##.", ".##.", "...."}, {"www#", "w#w#", "www#", "####"}},
        // Two opaque colours meeting make an edge too.
        EmbossCase{"TwoColours", {"ggrr", "ggrr", "...."}, {"#w##", "www#", "####"}},
        EmbossCase{"Flat", {"ggg", "ggg", "ggg"}, {"###", "###", "###"}},
        EmbossCase{"OneRow", {"g.g."}, {"####"}},
        EmbossCase{"OneColumn", {"g", ".", "g", "."}, {"#", "#", "#", "#"}}));

// --- the variant a paint uses ---

class StateGlyphTest : public ShineTest {
 protected:
  CountingButton* WithGlyph(const Art& art) {
    CountingButton* b = AddButton(50, 20);
    b->SetGlyph(Glyph(art).get());
    return b;
  }
};

TEST_F(StateGlyphTest, NoGlyphNoVariant) {
  CountingButton* b = AddButton(50, 20);
  EXPECT_EQ(b->CreateStateGlyph(), nullptr);
}

TEST_F(StateGlyphTest, UpAndDownDrawTheGlyphAsItIsWithItsBottomLeftColourLeftOut) {
  CountingButton* b = WithGlyph({"w#", ".w"});
  for (TShineDrawState s : {stUp, stDown}) {
    Reach(*b, s);
    auto v = b->CreateStateGlyph();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(ToArt(*v), (Art{"w#", ".w"}));
    EXPECT_TRUE(v->Transparent());
    EXPECT_EQ(v->TransparentColor(), tk::PixelToRgb(kT));
    EXPECT_EQ(v->HandleType(), tk::TBitmapHandleType::bmDDB);
  }
}

TEST_F(StateGlyphTest, HoverUsesTheShineColour) {
  CountingButton* b = WithGlyph({"w#", ".w"});
  b->SetActiveImage(aiXorLight);
  b->SetShineColor(0x0000FF);  // red: pixel 0xFF0000
  Reach(*b, stActive);
  auto v = b->CreateStateGlyph();
  EXPECT_EQ(v->PixelWord(0, 0) & 0xFFFFFF, 0x00FFFFu);
  EXPECT_EQ(v->PixelWord(1, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(StateGlyphTest, DisabledEffectsBlendTowardsTheRaisedFace) {
  CountingButton* b = WithGlyph({"##", ".#"});
  b->SetDisabledImage(diAlphaHalfTrans);
  b->Colors().SetColor(0x0000FE);         // pixel 0xFE0000
  b->PressedColors().SetColor(0xFFFFFF);  // not used
  Reach(*b, stDisabled);
  EXPECT_EQ(b->CreateStateGlyph()->PixelWord(1, 1) & 0xFFFFFF, 0x7F0000u);
}

TEST_F(StateGlyphTest, OutlineReachingTheCornerMakesTheShineTransparent) {
  CountingButton* b = WithGlyph({"...", "...", ".#."});
  Reach(*b, stActive);
  auto v = b->CreateStateGlyph();
  EXPECT_EQ(ToArt(*v), (Art{"...", ".S.", "S#S"}));
  EXPECT_EQ(v->TransparentColor(), tk::clYellow);
}

TEST_F(StateGlyphTest, EmbossedVariantIsAMonochromeMaskKeyedOnBlack) {
  CountingButton* b = WithGlyph({"....", ".##.", ".##.", "...."});
  Reach(*b, stDisabled);
  auto v = b->CreateStateGlyph();
  EXPECT_TRUE(v->Monochrome());
  EXPECT_EQ(v->TransparentColor(), tk::clBlack);
  EXPECT_EQ(ToArt(*v).front(), "www#");
}

}  // namespace
}  // namespace widgets::test
