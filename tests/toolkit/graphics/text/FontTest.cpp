// The text engine over the real fonts of the machine. The project installs IPAPGothic
// (fonts-ipafont-gothic); the metric cases are worked out from its tables and are skipped
// where another Japanese Gothic stands in.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "tests/toolkit/graphics/text/NamedCases.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/FontCache.h"
#include "toolkit/graphics/text/FontResolver.h"
#include "toolkit/graphics/text/FreeTypeLibrary.h"
#include "toolkit/graphics/text/GlyphSource.h"

namespace tk {
namespace {

// Argument-dependent look-up searches only this unnamed namespace for the cases declared in it.
using tk::PrintTo;

std::string FamilyOf(const TFontFace& face) {
  TFaceHandle handle = OpenFace(face.Path, face.Index);
  return handle && handle->family_name ? handle->family_name : "";
}

std::unique_ptr<TFont> MakeFont(const std::string& name, int height, TFontStyles style = 0) {
  auto font = std::make_unique<TFont>();
  font->SetName(name);
  font->SetHeight(height);
  font->SetStyle(style);
  return font;
}

bool GothicIsIpa() {
  return FamilyOf(SystemFontResolver().Resolve({TFont::kDefaultName})) == "IPAPGothic";
}

TEST(FontResolver, ProgramFaceResolvesToAnInstalledJapaneseGothic) {
  const TFontFace& face =
      SystemFontResolver().Resolve({"ＭＳ Ｐゴシック", false, false, SHIFTJIS_CHARSET});
  const std::string family = FamilyOf(face);
  const auto& chain = TFontResolver::kJapaneseGothics;
  EXPECT_NE(std::find(std::begin(chain), std::end(chain), family), std::end(chain))
      << family << " in " << face.Path;
}

TEST(FontResolver, AnInstalledFamilyResolvesToItself) {
  // IPAGothic is the fixed-pitch sister of IPAPGothic in the same package.
  EXPECT_EQ(FamilyOf(SystemFontResolver().Resolve({"IPAGothic"})), "IPAGothic");
  EXPECT_EQ(FamilyOf(SystemFontResolver().Resolve({"ipa pgothic"})), "IPAPGothic");
}

TEST(FontResolver, UnknownFamilyFallsBackToTheJapaneseGothic) {
  TFontResolver& resolver = SystemFontResolver();
  EXPECT_EQ(resolver.Resolve({"No Such Family 4711"}), resolver.Resolve({TFont::kDefaultName}));
}

TEST(FontResolver, BoldIsSynthesisedWhereTheFaceHasNone) {
  const TFontFace& face = SystemFontResolver().Resolve({TFont::kDefaultName, true, false});
  if (face.Bold) GTEST_SKIP() << "the Japanese Gothic here has a bold face of its own";
  TGlyphSource& regular = GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32));
  TGlyphSource& bold = GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32, fsBold));
  auto ink = [](const TGlyphImage& g) {
    int sum = 0;
    for (auto c : g.Coverage) sum += c;
    return sum;
  };
  EXPECT_GT(bold.Advance(U'A'), regular.Advance(U'A'));
  EXPECT_GT(ink(bold.Glyph(U'A')), ink(regular.Glyph(U'A')) * 11 / 10);
  TGlyphSource& italic = GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32, fsItalic));
  EXPECT_GT(italic.Glyph(U'I').Width, regular.Glyph(U'I').Width);
  EXPECT_EQ(italic.Advance(U'I'), regular.Advance(U'I'));
}

struct MetricsCase {
  int Height;
  int Ascent, Descent;
};

class IpaMetrics : public testing::TestWithParam<MetricsCase> {};

// IPAPGothic: 2048 units per em, winAscent 1802, winDescent 401.
TEST_P(IpaMetrics, FollowTheWinMetricsScaledAndRounded) {
  if (!GothicIsIpa()) GTEST_SKIP() << "IPAPGothic is not the program's Gothic here";
  const MetricsCase& c = GetParam();
  TGlyphSource& glyphs = GlyphSourceFor(*MakeFont(TFont::kDefaultName, c.Height));
  EXPECT_EQ(glyphs.Ascent(), c.Ascent);
  EXPECT_EQ(glyphs.Descent(), c.Descent);
}

INSTANTIATE_TEST_SUITE_P(
    Text, IpaMetrics,
    testing::Values(MetricsCase{-32, 28, 6},  // 1802 * 32 / 2048 = 28.2, 401 * 32 / 2048 = 6.3
                    MetricsCase{-12, 11, 2},  // 10.6 and 2.3: a 13-pixel line
                    MetricsCase{0, 11, 2},    // the default height is -12
                    MetricsCase{-16, 14, 3},  // 14.1 and 3.1
                    // Positive: the cell height; ascent 1802 / 2203 of it, rounded.
                    MetricsCase{34, 28, 6}, MetricsCase{13, 11, 2}, MetricsCase{20, 16, 4}));

TEST(IpaGlyphs, AdvancesAreTheHintedDesignWidths) {
  if (!GothicIsIpa()) GTEST_SKIP() << "IPAPGothic is not the program's Gothic here";
  TCanvas canvas;
  canvas.Font().SetHeight(-32);
  // 月 is 2048 units (a full em): 32 pixels; the tab stop width (xAvgCharWidth 956) is
  // 956 * 32 / 2048 = 14.9, so 15.
  EXPECT_EQ(canvas.TextWidth("月"), 32);
  EXPECT_EQ(canvas.TextWidth("月月"), 64);
  EXPECT_EQ(canvas.TextHeight("月"), 34);
  EXPECT_EQ(GlyphSourceFor(canvas.Font()).AverageCharWidth(), 15);
  TRect r{44, 10, 44, 10};
  EXPECT_EQ(canvas.DrawText("月", r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS), 34);
  EXPECT_EQ(r, (TRect{44, 10, 76, 44}));
}

TEST(FontCache, RepaintsReuseTheRenderedGlyphs) {
  TGlyphSource& glyphs = GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32));
  EXPECT_EQ(&GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32)), &glyphs);
  const TGlyphImage* first = &glyphs.Glyph(U'月');
  EXPECT_GT(first->Width, 0);
  glyphs.Glyph(U'火');
  EXPECT_EQ(&glyphs.Glyph(U'月'), first);
}

TEST(FontCache, KanaMissingFromALatinFaceComesFromTheGothic) {
  const TFontFace& latin = SystemFontResolver().Resolve({"DejaVu Sans"});
  if (FamilyOf(latin) != "DejaVu Sans") GTEST_SKIP() << "no DejaVu Sans here";
  TGlyphSource& gothic = GlyphSourceFor(*MakeFont(TFont::kDefaultName, -32));
  TGlyphSource& dejavu = GlyphSourceFor(*MakeFont("DejaVu Sans", -32));
  EXPECT_NE(dejavu.Advance(U'A'), gothic.Advance(U'A'));
  EXPECT_EQ(dejavu.Advance(U'あ'), gothic.Advance(U'あ'));
  EXPECT_EQ(dejavu.Glyph(U'あ').Coverage, gothic.Glyph(U'あ').Coverage);
}

// A machine without fonts (no face at all), or whose font file cannot be read.
class FixedResolver : public TFontResolver {
 public:
  explicit FixedResolver(std::optional<TFontFace> face) : FFace(std::move(face)) {}

 protected:
  std::optional<TFontFace> FindFamily(const std::string&, bool, bool) override { return FFace; }
  std::optional<TFontFace> FindJapanese(bool, bool) override { return FFace; }
  std::optional<TFontFace> FindAny(bool, bool) override { return FFace; }

 private:
  std::optional<TFontFace> FFace;
};

class NoFontTest : public testing::TestWithParam<std::optional<TFontFace>> {};

// Text still takes the room of a Japanese Gothic (ascent 0.88 em, descent 0.2 em, narrow
// characters half an em), so layouts hold, but there is nothing to draw.
TEST_P(NoFontTest, TextTakesItsRoomButDrawsNothing) {
  FixedResolver resolver(GetParam());
  TFontCache cache(resolver);
  TGlyphSource& glyphs = cache.Source(*MakeFont(TFont::kDefaultName, -25));
  EXPECT_EQ(glyphs.Ascent(), 22);  // 22.0
  EXPECT_EQ(glyphs.Descent(), 5);  // 5.0
  EXPECT_EQ(glyphs.Advance(U'月'), 25);
  EXPECT_EQ(glyphs.Advance(U'1'), 12);
  EXPECT_TRUE(glyphs.Glyph(U'月').Coverage.empty());
  // A positive height is the cell height: 43 / 1.075 gives an em of 40.
  EXPECT_EQ(cache.Source(*MakeFont("Any", 43)).Advance(U'月'), 40);
}

INSTANTIATE_TEST_SUITE_P(Machines, NoFontTest,
                         testing::Values(std::nullopt, TFontFace{"/no/such/font.ttf", 0}),
                         [](const auto& info) { return info.param ? "Unreadable" : "NoFont"; });

// A column header: 120 x 50, caption "月" at (44, 10), drawn as the header box does (word
// break and tab expansion, clear brush) while the canvas clip leaves out its right part.
struct CaptionCase {
  const char* Name;
  TColor Color;
  std::uint32_t Pixel;  // what the colour resolves to
  TRect Clip;           // canvas clip, bitmap coordinates
};
class CaptionDrawing : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionDrawing, StaysInsideRectangleAndClipInTheFontColour) {
  const CaptionCase& c = GetParam();
  constexpr std::uint32_t kBack = 0x80FF80;
  TBitmap bitmap(130, 60);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::fill(bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Width(), kBack);
  TCanvas& canvas = bitmap.Canvas();
  canvas.SetClipRect(c.Clip);
  canvas.Font().SetHeight(-32);
  canvas.Font().SetColor(c.Color);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TRect caption{44, 10, 120, 50};
  canvas.DrawText("月", caption, DT_WORDBREAK | DT_EXPANDTABS);

  const TRect allowed = IntersectRect(caption, c.Clip);
  int changedInside = 0, inFontColour = 0, changedOutside = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint32_t p = bitmap.PixelWord(x, y) & 0xFFFFFF;
      if (p == kBack) continue;
      if (!allowed.Contains({x, y})) {
        ++changedOutside;
        continue;
      }
      ++changedInside;
      if (p == c.Pixel) ++inFontColour;
    }
  EXPECT_EQ(changedOutside, 0);
  EXPECT_GT(changedInside, 40);
  EXPECT_GT(inFontColour, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Text, CaptionDrawing,
    testing::Values(CaptionCase{"WindowTextInFullBox", clWindowText, 0x000000, {0, 0, 120, 50}},
                    CaptionCase{"HighlightCutOnTheRight", clHighlight, 0x0078D7, {0, 0, 60, 60}},
                    CaptionCase{"PlainRedCutAtTheTop", clRed, 0xFF0000, {0, 20, 130, 60}}),
    test::CaseName());

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  TBitmap bitmap(120, 50);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetHeight(-32);
  canvas.Brush().SetColor(clYellow);  // would paint the cells if anything were drawn
  TRect r{0, 0, 120, 0};
  const int height = canvas.DrawText("月\n火", r, DT_CALCRECT);
  EXPECT_EQ(height, 2 * canvas.TextHeight("月"));
  EXPECT_EQ(r, (TRect{0, 0, canvas.TextWidth("月"), height}));
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) ASSERT_EQ(bitmap.PixelWord(x, y), 0xFFFFFFu);
}

TEST(TextOut, OpaqueBrushFillsTheCellBehindTheText) {
  TBitmap bitmap(60, 50);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetHeight(-32);
  canvas.Brush().SetColor(clYellow);
  canvas.TextOut(5, 3, "月");
  const TRect cell = Bounds(5, 3, canvas.TextWidth("月"), canvas.TextHeight("月"));
  int yellow = 0, outside = 0;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint32_t p = bitmap.PixelWord(x, y) & 0xFFFFFF;
      if (!cell.Contains({x, y})) outside += p != 0xFFFFFF;
      else yellow += p == 0xFFFF00;
    }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(yellow, cell.Width() * cell.Height() / 2);
  EXPECT_EQ(canvas.PenPos(), (TPoint{5 + cell.Width(), 3}));
}

}  // namespace
}  // namespace tk
