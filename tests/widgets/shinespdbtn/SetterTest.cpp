// What each property setter repaints: nothing, later (invalidate) or at once; and the colour
// sets' own notifications and assignments.

#include <functional>

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

enum class Repaint { None, Later, AtOnce };

struct SetterCase {
  const char* name;
  std::function<void(TShineSpeedButton&)> set;
  Repaint expected;
};

using SetterTest = ShineCaseTest<SetterCase>;

TEST_P(SetterTest, RepaintsAsItsRuleSays) {
  // Away from the top-left corner, where nothing else is drawn or invalidated.
  CountingButton* b = AddButton(120, 50);
  const int before = b->paints;
  GetParam().set(*b);
  const int atOnce = b->paints - before;
  platform.Idle();
  const int later = b->paints - before - atOnce;
  const Repaint seen = atOnce > 0 ? Repaint::AtOnce : later > 0 ? Repaint::Later : Repaint::None;
  EXPECT_EQ(seen, GetParam().expected) << "at once " << atOnce << ", later " << later;
}

using B = TShineSpeedButton;
SetterCase Same(const char* name, std::function<void(B&)> set) {
  return {name, std::move(set), Repaint::None};
}
SetterCase Changed(const char* name, std::function<void(B&)> set) {
  return {name, std::move(set), Repaint::Later};
}

tk::TFont& BigFont() {
  static tk::TFont font;
  font.SetHeight(-20);
  return font;
}

INSTANTIATE_TEST_SUITE_P(
    Properties, SetterTest,
    ::testing::Values(
        Same("ClickDownHookSame", [](B& b) { b.SetClickDownHook(false); }),
        Changed("ClickDownHook", [](B& b) { b.SetClickDownHook(true); }),
        Same("AccelCharDownSame", [](B& b) { b.SetAccelCharDown(false); }),
        Changed("AccelCharDown", [](B& b) { b.SetAccelCharDown(true); }),
        Same("ActiveFrameSame", [](B& b) { b.SetActiveFrame(true); }),
        Changed("ActiveFrame", [](B& b) { b.SetActiveFrame(false); }),
        Same("UpFrameSame", [](B& b) { b.SetUpFrame(true); }),
        Changed("UpFrame", [](B& b) { b.SetUpFrame(false); }),
        Same("DownFrameSame", [](B& b) { b.SetDownFrame(true); }),
        Changed("DownFrame", [](B& b) { b.SetDownFrame(false); }),
        Same("FrameTypeSame", [](B& b) { b.SetFrameType(ftNormalFrame); }),
        Changed("FrameType", [](B& b) { b.SetFrameType(ftFlatFrame); }),
        Same("ActiveImageSame", [](B& b) { b.SetActiveImage(aiFrameLight); }),
        Changed("ActiveImage", [](B& b) { b.SetActiveImage(aiMaskLight); }),
        Same("DisabledImageSame", [](B& b) { b.SetDisabledImage(diDefault); }),
        Changed("DisabledImage", [](B& b) { b.SetDisabledImage(diMaskTrans); }),
        Same("DisabledHighlightSame", [](B& b) { b.SetDisabledHighlight(tk::clBtnHighlight); }),
        Changed("DisabledHighlight", [](B& b) { b.SetDisabledHighlight(tk::clRed); }),
        Same("DisabledShadowSame", [](B& b) { b.SetDisabledShadow(tk::clBtnShadow); }),
        Changed("DisabledShadow", [](B& b) { b.SetDisabledShadow(tk::clRed); }),
        Same("ShineColorSame", [](B& b) { b.SetShineColor(tk::clYellow); }),
        Changed("ShineColor", [](B& b) { b.SetShineColor(tk::clRed); }),
        Same("LayoutSame", [](B& b) { b.SetLayout(tk::blGlyphLeft); }),
        Changed("Layout", [](B& b) { b.SetLayout(tk::blGlyphTop); }),
        Same("MarginSame", [](B& b) { b.SetMargin(-1); }),
        Changed("Margin", [](B& b) { b.SetMargin(0); }),
        Same("SpacingSame", [](B& b) { b.SetSpacing(4); }),
        Changed("Spacing", [](B& b) { b.SetSpacing(-4); }),
        // These two never compare.
        Changed("FontHighlightSame", [](B& b) { b.SetFontHighlight(tk::clNone); }),
        Changed("FontShadowSame", [](B& b) { b.SetFontShadow(tk::clNone); }),
        Same("TransparentSame", [](B& b) { b.SetTransparent(false); }),
        Changed("Transparent", [](B& b) { b.SetTransparent(true); }),
        Changed("ColorsCopiedEvenWhenEqual", [](B& b) { b.SetColors(TShineBtnColors()); }),
        Changed("PressedColorsCopied", [](B& b) { b.SetPressedColors(TShineBtnColors()); }),
        Same("ColorSetValueSame", [](B& b) { b.Colors().SetShadow(tk::clBtnShadow); }),
        Changed("ColorSetValue", [](B& b) { b.PressedColors().SetGradation(true); }),
        Same("NullFontIgnored", [](B& b) { b.SetFont(nullptr); }),
        Same("NullActiveFontIgnored", [](B& b) { b.SetActiveFont(nullptr); }),
        Changed("FontCopied", [](B& b) { b.SetFont(&BigFont()); }),
        Changed("ActiveFontCopied", [](B& b) { b.SetActiveFont(&BigFont()); }),
        Changed("FontAttribute", [](B& b) { b.Font().SetColor(tk::clRed); }),
        Changed("GlyphSet", [](B& b) {
          tk::TBitmap g(2, 2);
          b.SetGlyph(&g);
        }),
        Changed("GlyphEmptied", [](B& b) { b.SetGlyph(nullptr); }),
        Changed("GlyphDrawnInto", [](B& b) { b.Glyph().SetSize(3, 3); }),
        Changed("Caption", [](B& b) { b.SetCaption("x"); }),
        Same("DownOutsideAGroup", [](B& b) { b.SetDown(true); }),
        SetterCase{"DownInAGroup",
                   [](B& b) {
                     b.SetGroupIndex(1);
                     b.SetDown(true);
                   },
                   Repaint::AtOnce},
        Same("GroupIndex", [](B& b) { b.SetGroupIndex(4); }),
        Same("AllowAllUp", [](B& b) {
          b.SetGroupIndex(4);
          b.SetAllowAllUp(true);
        })));

TEST_F(ShineTest, TransparentSwitchesTheOpaqueStyleFlag) {
  CountingButton* b = AddButton(50, 20);
  b->SetTransparent(true);
  EXPECT_EQ(b->ControlStyle() & tk::csOpaque, 0u);
  b->SetTransparent(false);
  EXPECT_NE(b->ControlStyle() & tk::csOpaque, 0u);
}

TEST_F(ShineTest, GlyphIsKeptAs32BitRowsWhateverItsSource) {
  CountingButton* b = AddButton(50, 20);
  tk::TBitmap mono(3, 2);
  mono.ScanLine(0)[0] = 0;
  mono.SetMonochrome(true);
  b->SetGlyph(&mono);
  EXPECT_EQ(b->Glyph().PixelFormat(), tk::TPixelFormat::pf32bit);
  EXPECT_EQ(b->Glyph().Width(), 3);
  EXPECT_EQ(b->Glyph().PixelWord(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(b->Glyph().PixelWord(1, 0) & 0xFFFFFF, 0xFFFFFFu);
  // Changed in place, it is converted again.
  b->Glyph().SetPixelFormat(tk::TPixelFormat::pfDevice);
  EXPECT_EQ(b->Glyph().PixelFormat(), tk::TPixelFormat::pf32bit);
  b->SetGlyph(nullptr);
  EXPECT_TRUE(b->Glyph().Empty());
}

TEST_F(ShineTest, FontsStartInTheirColoursAndNeverFollowTheParent) {
  CountingButton* b = AddButton(50, 20);
  EXPECT_EQ(b->Font().Color(), tk::clBtnText);
  EXPECT_EQ(b->ActiveFont().Color(), tk::clHighlight);
  form->Font().SetHeight(-30);
  form->Font().SetColor(tk::clRed);
  EXPECT_EQ(b->Font().Color(), tk::clBtnText);
  EXPECT_NE(b->Font().Height(), -30);
  tk::TFont given;
  given.SetHeight(-20);
  b->SetFont(&given);
  EXPECT_EQ(b->Font().Height(), -20);
  EXPECT_NE(&b->Font(), &given);
}

// The colour set on its own.

TEST(ShineBtnColorsTest, StartsWithItsDeclaredValues) {
  TShineBtnColors c;
  EXPECT_EQ(c.Highlight(), tk::clBtnHighlight);
  EXPECT_EQ(c.Shadow(), tk::clBtnShadow);
  EXPECT_EQ(c.DarkShadow(), tk::clWindowFrame);
  EXPECT_EQ(c.GradColor(), tk::clBlue);
  EXPECT_FALSE(c.GradVertical());
  EXPECT_FALSE(c.Gradation());
  EXPECT_EQ(c.Color(), tk::clBtnFace);
}

TEST(ShineBtnColorsTest, SettersNotifyOnlyOnChange) {
  TShineBtnColors c;
  std::vector<tk::TObject*> senders;
  c.OnChange = tk::TNotifyEvent([&](tk::TObject* s) { senders.push_back(s); });
  const std::function<void(tk::TColor)> colourSetters[] = {
      [&](tk::TColor v) { c.SetHighlight(v); }, [&](tk::TColor v) { c.SetShadow(v); },
      [&](tk::TColor v) { c.SetDarkShadow(v); }, [&](tk::TColor v) { c.SetGradColor(v); },
      [&](tk::TColor v) { c.SetColor(v); }};
  for (const auto& set : colourSetters) {
    set(0x123456);
    set(0x123456);
  }
  c.SetGradVertical(true);
  c.SetGradVertical(true);
  c.SetGradation(true);
  c.SetGradation(true);
  EXPECT_EQ(senders, std::vector<tk::TObject*>(7, &c));
}

TEST(ShineBtnColorsTest, AssignmentCopiesAllSevenValuesInBothDirections) {
  TShineBtnColors source;
  source.SetHighlight(1);
  source.SetShadow(2);
  source.SetDarkShadow(3);
  source.SetGradColor(4);
  source.SetGradVertical(true);
  source.SetGradation(true);
  source.SetColor(5);
  auto same = [](TShineBtnColors& a, TShineBtnColors& b) {
    return a.Highlight() == b.Highlight() && a.Shadow() == b.Shadow() &&
           a.DarkShadow() == b.DarkShadow() && a.GradColor() == b.GradColor() &&
           a.GradVertical() == b.GradVertical() && a.Gradation() == b.Gradation() &&
           a.Color() == b.Color();
  };
  int sourceNotes = 0, destNotes = 0;
  source.OnChange = tk::TNotifyEvent([&](tk::TObject*) { ++sourceNotes; });

  TShineBtnColors pulled;
  pulled.OnChange = tk::TNotifyEvent([&](tk::TObject*) { ++destNotes; });
  pulled.Assign(source);
  EXPECT_TRUE(same(pulled, source));
  EXPECT_EQ(destNotes, 1);

  TShineBtnColors pushed;
  int pushedNotes = 0;
  pushed.OnChange = tk::TNotifyEvent([&](tk::TObject*) { ++pushedNotes; });
  source.AssignTo(pushed);
  EXPECT_TRUE(same(pushed, source));
  EXPECT_EQ(pushedNotes, 1);
  EXPECT_EQ(sourceNotes, 0);

  TShineBtnColors silent;  // no notification set: copying still works
  source.AssignTo(silent);
  EXPECT_TRUE(same(silent, source));
}

TEST(ShineBtnColorsTest, OtherKindsOfObjectAreRefused) {
  TShineBtnColors c;
  tk::TFont font;
  EXPECT_THROW(c.Assign(font), tk::Exception);
  EXPECT_THROW(font.Assign(c), tk::Exception);
}

}  // namespace
}  // namespace widgets::test
