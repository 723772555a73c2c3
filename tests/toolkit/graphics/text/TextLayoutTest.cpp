// The DrawText line layout over the fixed-advance source (narrow 10, wide 20, lines 10 high).

#include <gtest/gtest.h>

#include "tests/support/FakeGlyphSource.h"
#include "tests/toolkit/graphics/text/NamedCases.h"
#include "toolkit/core/Utf8.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/text/TextLayout.h"

namespace tk {
namespace {

// Argument-dependent look-up searches only this unnamed namespace for the cases declared in it.
using tk::PrintTo;

// A line as text; a character underlined by an `&` prefix is written in brackets.
std::string Show(const TTextLine& line) {
  std::string out;
  for (const TPlacedGlyph& g : line.Glyphs) {
    if (g.Underlined) out += '[';
    AppendUtf8(out, g.Code);
    if (g.Underlined) out += ']';
  }
  return out;
}

struct LineCase {
  const char* Name;
  std::string Text;
  int Width;  // of the rectangle (0, 0, Width, 100)
  unsigned Format;
  std::vector<std::string> Lines;
  std::vector<int> Widths;
};
class LineBreaking : public testing::TestWithParam<LineCase> {};

TEST_P(LineBreaking, GivesTheExpectedLines) {
  const LineCase& c = GetParam();
  test::FakeGlyphSource glyphs;
  const TTextLayout layout = LayoutText(c.Text, {0, 0, c.Width, 100}, c.Format, glyphs);
  std::vector<std::string> lines;
  std::vector<int> widths;
  for (const TTextLine& line : layout.Lines) {
    lines.push_back(Show(line));
    widths.push_back(line.Width);
  }
  EXPECT_EQ(lines, c.Lines);
  EXPECT_EQ(widths, c.Widths);
  for (std::size_t i = 0; i < layout.Lines.size(); ++i)
    EXPECT_EQ(layout.Lines[i].Top, static_cast<int>(i) * 10) << "line " << i;
}

constexpr unsigned WB = DT_WORDBREAK;

const LineCase kLineCases[] = {
    {"FitsOnOneLine", "ab cd", 100, WB, {"ab cd"}, {50}},
    {"BreaksAtTheLastSpaceThatFits", "aaa bbb ccc", 75, WB, {"aaa bbb", "ccc"}, {70, 30}},
    {"WordEndingExactlyAtTheEdgeFits", "aaa bbb", 70, WB, {"aaa bbb"}, {70}},
    {"SpacesAtABreakAreDropped", "aaa   bbb", 50, WB, {"aaa", "bbb"}, {30, 30}},
    {"LeadingSpacesOfTheTextStay", "  ab", 100, WB, {"  ab"}, {40}},
    {"TrailingSpacesOfTheTextStay", "ab  ", 100, WB, {"ab  "}, {40}},
    {"LongWordStaysWholeOnItsOwnLine",
     "a bbbbbbbb c",
     50,
     WB,
     {"a", "bbbbbbbb", "c"},
     {10, 80, 10}},
    {"LongWordAloneIsNotBroken", "bbbbbbbb", 30, WB, {"bbbbbbbb"}, {80}},
    {"WithoutWordBreakNothingWraps", "aaa bbb ccc", 50, 0, {"aaa bbb ccc"}, {110}},
    {"BreaksBetweenTwoWideCharacters", "月火水木金", 50, WB, {"月火", "水木", "金"}, {40, 40, 20}},
    {"BreaksBetweenLatinAndWideOnlyAtWideWide", "ab月火", 50, WB, {"ab月", "火"}, {40, 20}},
    {"NoBreakBetweenWideAndLatin", "月ab", 25, WB, {"月ab"}, {40}},
    {"HalfWidthKanaIsNotWide", "ｱｲｳ", 15, WB, {"ｱｲｳ"}, {30}},
    {"CarriageReturnBreaks", "a\rb", 100, 0, {"a", "b"}, {10, 10}},
    {"LineFeedBreaks", "a\nb", 100, 0, {"a", "b"}, {10, 10}},
    {"CrLfIsOneBreak", "a\r\nb", 100, 0, {"a", "b"}, {10, 10}},
    {"LfCrIsTwoBreaks", "a\n\rb", 100, 0, {"a", "", "b"}, {10, 0, 10}},
    {"EmptyLinesBetweenBreaks", "a\n\nb", 100, 0, {"a", "", "b"}, {10, 0, 10}},
    {"FinalBreakOpensNoLine", "ab\n", 100, 0, {"ab"}, {20}},
    {"ABreakAloneIsOneEmptyLine", "\r\n", 100, 0, {""}, {0}},
    {"SingleLineIgnoresBreaks", "a\r\nb", 100, DT_SINGLELINE, {"ab"}, {20}},
    {"SingleLineDoesNotWrap", "aaa bbb", 30, DT_SINGLELINE | WB, {"aaa bbb"}, {70}},
    {"HardAndSoftBreaksTogether", "aa bb\ncc", 30, WB, {"aa", "bb", "cc"}, {20, 20, 20}},
    {"PrefixUnderlinesTheNextCharacter", "&Save", 100, 0, {"[S]ave"}, {40}},
    {"DoubledAmpersandShowsOne", "A&&B", 100, 0, {"A&B"}, {30}},
    {"TrailingAmpersandShowsNothing", "AB&", 100, 0, {"AB"}, {20}},
    {"AmpersandAloneIsAnEmptyLine", "&", 100, 0, {""}, {0}},
    {"AmpersandsInARow", "&&&x", 100, 0, {"&[x]"}, {20}},
    {"PrefixOnAWideCharacter", "はい(&Y)", 100, 0, {"はい([Y])"}, {70}},
    {"NoPrefixShowsAmpersands", "&Save&&", 100, DT_NOPREFIX, {"&Save&&"}, {70}},
    {"MalformedBytesAreKeptAsCharacters", "a\xE9\x80", 100, 0, {"a\u00E9"}, {20}},
    {"UnexpandedTabTakesNoRoom", "a\tb", 100, 0, {"ab"}, {20}},
    {"WordBreakAtATab", "aaa\tbbb", 100, WB | DT_EXPANDTABS, {"aaa", "bbb"}, {30, 30}},
};

INSTANTIATE_TEST_SUITE_P(Text, LineBreaking, testing::ValuesIn(kLineCases), test::CaseName());

struct TabCase {
  const char* Name;
  std::string Text;
  std::vector<int> X;  // pen position of each drawable character
  int Width;
};
class TabExpansion : public testing::TestWithParam<TabCase> {};

TEST_P(TabExpansion, MovesToTheNextStopEightAverageWidthsApart) {
  const TabCase& c = GetParam();
  test::FakeGlyphSource glyphs;
  const TTextLayout layout = LayoutText(c.Text, {0, 0, 1000, 100}, DT_EXPANDTABS, glyphs);
  ASSERT_EQ(layout.Lines.size(), 1u);
  std::vector<int> x;
  for (const TPlacedGlyph& g : layout.Lines[0].Glyphs) x.push_back(g.X);
  EXPECT_EQ(x, c.X);
  EXPECT_EQ(layout.Lines[0].Width, c.Width);
}

const TabCase kTabCases[] = {
    {"FromTheLineStart", "\ta", {80}, 90},
    {"AfterText", "ab\tc", {0, 10, 80}, 90},
    {"AtAStopGoesToTheNext", "aaaaaaaa\tb", {0, 10, 20, 30, 40, 50, 60, 70, 160}, 170},
    {"TwoTabs", "\t\ta", {160}, 170},
    {"AfterAWideCharacter", "月\t火", {0, 80}, 100},
};

INSTANTIATE_TEST_SUITE_P(Text, TabExpansion, testing::ValuesIn(kTabCases), test::CaseName());

TEST(TextLayout, TabStopsCountFromEachLineStart) {
  test::FakeGlyphSource glyphs;
  const TTextLayout layout =
      LayoutText("aaaaa\tb\naaaa\tc", {0, 0, 1000, 100}, DT_EXPANDTABS, glyphs);
  ASSERT_EQ(layout.Lines.size(), 2u);
  EXPECT_EQ(layout.Lines[0].Glyphs.back().X, 80);
  EXPECT_EQ(layout.Lines[1].Glyphs.back().X, 80);
}

struct MeasureCase {
  const char* Name;
  std::string Text;
  TRect Rect;
  unsigned Format;
  TRect Expected;
  int Height;
};
class CalcRect : public testing::TestWithParam<MeasureCase> {};

TEST_P(CalcRect, SetsRightToTheWidestLineAndBottomToTheTextHeight) {
  const MeasureCase& c = GetParam();
  test::FakeGlyphSource glyphs;
  const TTextLayout layout = LayoutText(c.Text, c.Rect, c.Format | DT_CALCRECT, glyphs);
  EXPECT_EQ(layout.Extent, c.Expected);
  EXPECT_EQ(layout.Height, c.Height);
}

const MeasureCase kMeasureCases[] = {
    {"OneLine", "abc", {5, 7, 5, 7}, 0, {5, 7, 35, 17}, 10},
    {"WidestOfSeveralLines", "ab\nabcd\na", {5, 7, 5, 7}, 0, {5, 7, 45, 37}, 30},
    {"WidthNotLimitedWithoutWordBreak", "aaa bbb ccc", {0, 0, 75, 0}, 0, {0, 0, 110, 10}, 10},
    {"WordBreakLimitsToTheWidth", "aaa bbb ccc", {0, 0, 75, 0}, DT_WORDBREAK, {0, 0, 70, 20}, 20},
    {"LongWordWidensTheRectangle", "a bbbbbbbb", {0, 0, 50, 0}, DT_WORDBREAK, {0, 0, 80, 20}, 20},
    {"EmptyTextHasNoHeightAndKeepsTheWidth", "", {5, 7, 100, 50}, 0, {5, 7, 100, 7}, 0},
    {"PrefixCharactersTakeNoRoom", "&Save", {0, 0, 0, 0}, 0, {0, 0, 40, 10}, 10},
    {"AlignmentDoesNotMoveTheMeasure",
     "ab",
     {10, 0, 110, 50},
     DT_CENTER | DT_VCENTER | DT_SINGLELINE,
     {10, 0, 30, 10},
     10},
};

INSTANTIATE_TEST_SUITE_P(Text, CalcRect, testing::ValuesIn(kMeasureCases), test::CaseName());

struct PlaceCase {
  const char* Name;
  std::string Text;
  unsigned Format;
  std::vector<TPoint> Origins;  // left-top of each line in the rectangle (10, 20, 110, 70)
  int Height;                   // DrawText's result
};
class Placement : public testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, PutsLinesWhereTheFlagsSay) {
  const PlaceCase& c = GetParam();
  test::FakeGlyphSource glyphs;
  const TTextLayout layout = LayoutText(c.Text, {10, 20, 110, 70}, c.Format, glyphs);
  std::vector<TPoint> origins;
  for (const TTextLine& line : layout.Lines) origins.push_back({line.Left, line.Top});
  EXPECT_EQ(origins, c.Origins);
  EXPECT_EQ(layout.Height, c.Height);
}

const PlaceCase kPlaceCases[] = {
    {"LeftTop", "ab", DT_LEFT, {{10, 20}}, 10},
    {"CentredEachLine", "ab\nabcd", DT_CENTER, {{50, 20}, {40, 30}}, 20},
    {"CentringRoundsTowardTheLeft", "abc", DT_CENTER, {{45, 20}}, 10},
    {"WiderThanTheRectangleCentresLeftOfIt", "aaaaaaaaaaaaa", DT_CENTER, {{-5, 20}}, 10},
    {"Right", "ab", DT_RIGHT, {{90, 20}}, 10},
    {"VCenterWithSingleLine", "ab", DT_VCENTER | DT_SINGLELINE, {{10, 40}}, 30},
    {"VCenterAloneDoesNothing", "ab", DT_VCENTER, {{10, 20}}, 10},
    {"CenterVCenterOfTheButtonStaysAtTheTop",
     "ab\nab",
     DT_CENTER | DT_VCENTER,
     {{50, 20}, {50, 30}},
     20},
    {"BottomWithSingleLine", "ab", DT_BOTTOM | DT_SINGLELINE, {{10, 60}}, 50},
    {"BottomAloneDoesNothing", "ab", DT_BOTTOM, {{10, 20}}, 10},
    {"LinesBelowTheRectangleAreStillLaidOut",
     "a\nb\nc\nd\ne\nf",
     DT_LEFT,
     {{10, 20}, {10, 30}, {10, 40}, {10, 50}, {10, 60}, {10, 70}},
     60},
    {"EmptyTextHasNoLines", "", DT_LEFT, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Text, Placement, testing::ValuesIn(kPlaceCases), test::CaseName());

TEST(TextLayout, ClipsToTheRectangleUnlessNoClip) {
  test::FakeGlyphSource glyphs;
  const TRect r{1, 2, 3, 4};
  const TTextLayout clipped = LayoutText("a", r, 0, glyphs);
  EXPECT_TRUE(clipped.Clipped);
  EXPECT_EQ(clipped.Clip, r);
  EXPECT_FALSE(LayoutText("a", r, DT_NOCLIP, glyphs).Clipped);
}

TEST(TextLayout, PenPositionsAreTheSumOfAdvances) {
  test::FakeGlyphSource glyphs;
  const TTextLayout layout = LayoutText("a月b", {0, 0, 100, 100}, 0, glyphs);
  ASSERT_EQ(layout.Lines.size(), 1u);
  std::vector<int> x, advance;
  for (const TPlacedGlyph& g : layout.Lines[0].Glyphs)
    x.push_back(g.X), advance.push_back(g.Advance);
  EXPECT_EQ(x, (std::vector<int>{0, 10, 30}));
  EXPECT_EQ(advance, (std::vector<int>{10, 20, 10}));
}

}  // namespace
}  // namespace tk
