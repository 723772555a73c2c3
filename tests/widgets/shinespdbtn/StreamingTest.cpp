// The shine button in form text: what a default and a changed button store, in which order,
// and reading it back, glyph bitmap included.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "tests/support/FakeGlyphSource.h"
#include "toolkit/controls/Form.h"
#include "toolkit/graphics/text/FontCache.h"
#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/FormWriter.h"
#include "toolkit/streaming/StandardClassInfo.h"
#include "widgets/Widgets.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"
#include "widgets/shinespdbtn/ShinespdbtnClassInfo.h"

namespace widgets {
namespace {

// A 2 x 1 bitmap file, pixels 0x112233 and 0x445566, as the 4-byte length and the file:
// 14 bytes of file header, 40 of info header, one row of 2 x 3 bytes padded to 8.
constexpr const char* kTwoPixelData =
    "3E000000"  // length 62
    "424D"
    "3E000000"
    "00000000"
    "36000000"  // BM, file size, reserved, pixels at 54
    "28000000"
    "02000000"
    "01000000"
    "0100"
    "1800"  // header size, 2 x 1, 1 plane, 24 bits
    "00000000"
    "08000000"
    "C40E0000"
    "C40E0000"  // no compression, 8 bytes, 96 dpi
    "00000000"
    "00000000"  // palette counts
    "332211"
    "665544"
    "0000";  // blue, green, red per pixel; padding

std::string WithoutSpace(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](unsigned char c) { return std::isspace(c); }),
          s.end());
  return s;
}

class ShineStreamingTest : public ::testing::Test {
 protected:
  ShineStreamingTest() {
    RegisterWidgetClasses();
    // Reading a group repaints buttons; their captions need glyphs.
    tk::SetGlyphSourceProvider([this](const tk::TFont&) -> tk::TGlyphSource& { return glyphs; });
  }
  ~ShineStreamingTest() override { tk::SetGlyphSourceProvider(nullptr); }
  tk::test::FakeGlyphSource glyphs;
};

TEST_F(ShineStreamingTest, PropertyListHasTheDeclaredOrder) {
  const char* expected[] = {"Name",
                            "Tag",
                            "Left",
                            "Top",
                            "Width",
                            "Height",
                            "Cursor",
                            "Hint",
                            "HelpType",
                            "HelpKeyword",
                            "HelpContext",
                            "GroupIndex",
                            "Down",
                            "ClickDownHook",
                            "AccelCharDown",
                            "FrameType",
                            "Transparent",
                            "ActiveFrame",
                            "UpFrame",
                            "DownFrame",
                            "ActiveImage",
                            "DisabledImage",
                            "DisabledHighlight",
                            "DisabledShadow",
                            "Colors",
                            "PressedColors",
                            "ShineColor",
                            "Font",
                            "FontHighlight",
                            "FontShadow",
                            "ActiveFont",
                            "AllowAllUp",
                            "Layout",
                            "Margin",
                            "Spacing",
                            "Glyph",
                            "OnMouseEnter",
                            "OnMouseLeave",
                            "Action",
                            "Align",
                            "Anchors",
                            "BiDiMode",
                            "Caption",
                            "Constraints",
                            "Enabled",
                            "ParentBiDiMode",
                            "ParentShowHint",
                            "ShowHint",
                            "Visible",
                            "OnClick",
                            "OnDblClick",
                            "OnMouseDown",
                            "OnMouseMove",
                            "OnMouseUp"};
  const auto& props = ShineSpeedButtonClassInfo().Properties;
  ASSERT_EQ(props.size(), std::size(expected));
  for (std::size_t i = 0; i < props.size(); ++i) EXPECT_EQ(props[i].Name, expected[i]) << i;
  const char* colours[] = {"Highlight",    "Shadow",    "DarkShadow", "GradColor",
                           "GradVertical", "Gradation", "Color"};
  const auto& colourProps = ShineBtnColorsClassInfo().Properties;
  ASSERT_EQ(colourProps.size(), std::size(colours));
  for (std::size_t i = 0; i < colourProps.size(); ++i) EXPECT_EQ(colourProps[i].Name, colours[i]);
}

TEST_F(ShineStreamingTest, DefaultButtonStoresBoundsFaceColoursAndFontsOnly) {
  TShineSpeedButton b(nullptr);
  EXPECT_EQ(
      tk::WriteProperties(b, ShineSpeedButtonClassInfo(), ""),
      "Left = 0\nTop = 0\nWidth = 25\nHeight = 25\n"
      "Colors.Color = clBtnFace\n"
      "PressedColors.Color = clBtnHighlight\n"
      "Font.Charset = SHIFTJIS_CHARSET\nFont.Color = clBtnText\nFont.Height = -12\n"
      "Font.Name = 'ＭＳ Ｐゴシック'\nFont.Style = []\n"
      "ActiveFont.Charset = SHIFTJIS_CHARSET\nActiveFont.Color = clHighlight\n"
      "ActiveFont.Height = -12\nActiveFont.Name = 'ＭＳ Ｐゴシック'\nActiveFont.Style = []\n");
}

TEST_F(ShineStreamingTest, ChangedButtonStoresTheChangesInDeclaredOrder) {
  TShineSpeedButton b(nullptr);
  b.SetBounds(3, 4, 30, 26);
  b.SetCaption("&Save");
  b.SetEnabled(false);
  b.SetGroupIndex(2);
  b.SetDown(true);
  b.SetFrameType(ftEnclosedFrame);
  b.SetActiveImage(aiMaskLight);
  b.SetDisabledImage(diGrayscale);
  b.Colors().SetGradation(true);
  b.Colors().SetGradColor(tk::clRed);
  b.PressedColors().SetColor(tk::clWhite);
  b.SetShineColor(0x123456);
  b.SetFontShadow(tk::clBlack);
  b.ActiveFont().SetStyle(tk::fsBold);
  b.SetAllowAllUp(true);
  b.SetLayout(tk::blGlyphTop);
  b.SetMargin(2);
  b.SetSpacing(-3);
  const std::string text = tk::WriteProperties(b, ShineSpeedButtonClassInfo(), "");
  EXPECT_EQ(text,
            "Left = 3\nTop = 4\nWidth = 30\nHeight = 26\n"
            "GroupIndex = 2\nDown = True\nFrameType = ftEnclosedFrame\n"
            "ActiveImage = aiMaskLight\nDisabledImage = diGrayscale\n"
            "Colors.GradColor = clRed\nColors.Gradation = True\nColors.Color = clBtnFace\n"
            "PressedColors.Color = clWhite\n"
            "ShineColor = 1193046\n"
            "Font.Charset = SHIFTJIS_CHARSET\nFont.Color = clBtnText\nFont.Height = -12\n"
            "Font.Name = 'ＭＳ Ｐゴシック'\nFont.Style = []\n"
            "FontShadow = clBlack\n"
            "ActiveFont.Charset = SHIFTJIS_CHARSET\nActiveFont.Color = clHighlight\n"
            "ActiveFont.Height = -12\nActiveFont.Name = 'ＭＳ Ｐゴシック'\n"
            "ActiveFont.Style = [fsBold]\n"
            "AllowAllUp = True\nLayout = blGlyphTop\nMargin = 2\nSpacing = -3\n"
            "Caption = '&Save'\nEnabled = False\n");
}

TEST_F(ShineStreamingTest, GlyphIsStoredAsLengthAndBitmapFile) {
  TShineSpeedButton b(nullptr);
  tk::TBitmap glyph(2, 1);
  glyph.ScanLine(0)[0] = 0x112233;
  glyph.ScanLine(0)[1] = 0x445566;
  b.SetGlyph(&glyph);
  const std::string text = tk::WriteProperties(b, ShineSpeedButtonClassInfo(), "");
  const std::string key = "Glyph.Data = ";
  const std::size_t at = text.find(key);
  ASSERT_NE(at, std::string::npos) << text;
  const std::size_t end = text.find('}', at);
  EXPECT_EQ(WithoutSpace(text.substr(at + key.size(), end + 1 - at - key.size())),
            std::string("{") + kTwoPixelData + "}");
}

class ShineFormTextTest : public ShineStreamingTest {
 protected:
  // A form that offers the two hover handlers by name.
  class HandlerForm : public tk::TForm {
   public:
    HandlerForm() : TForm(nullptr) {
      FMethods.Add<tk::TObject*, tk::TShiftState, int, int>(
          "Save1Enter", [this](tk::TObject*, tk::TShiftState, int, int) { ++enters; });
      FMethods.Add<tk::TObject*, tk::TShiftState, int, int>(
          "Save1Leave", [](tk::TObject*, tk::TShiftState, int, int) {});
    }
    int enters = 0;
  };

  std::string Text(const std::string& buttons) {
    return "object Form1: TForm\n  ClientWidth = 200\n  ClientHeight = 100\n" + buttons + "end\n";
  }
};

TEST_F(ShineFormTextTest, ReadingSetsEveryPropertyAndWritingGivesTheSameText) {
  HandlerForm form;
  tk::ReadFormInto(form, tk::FormClassInfo(),
                   Text("  object Save1: TShineSpeedButton\n"
                        "    Left = 10\n    Top = 20\n    Width = 40\n    Height = 30\n"
                        "    GroupIndex = 3\n    Down = True\n    ClickDownHook = True\n"
                        "    AccelCharDown = True\n    FrameType = ftFlatFrame\n"
                        "    Transparent = True\n    ActiveFrame = False\n    UpFrame = False\n"
                        "    DownFrame = False\n    ActiveImage = aiXorLight\n"
                        "    DisabledImage = diMaskTrans\n    DisabledHighlight = clRed\n"
                        "    DisabledShadow = clBlue\n    Colors.Highlight = clWhite\n"
                        "    Colors.GradVertical = True\n    Colors.Color = clYellow\n"
                        "    PressedColors.DarkShadow = clBlack\n"
                        "    PressedColors.Color = clBtnFace\n    ShineColor = clLime\n"
                        "    Font.Height = -16\n    FontHighlight = clWhite\n"
                        "    ActiveFont.Color = clRed\n    AllowAllUp = True\n"
                        "    Layout = blGlyphBottom\n    Margin = 0\n    Spacing = 0\n"
                        "    Glyph.Data = {" +
                        std::string(kTwoPixelData) +
                        "}\n"
                        "    OnMouseEnter = Save1Enter\n    OnMouseLeave = Save1Leave\n"
                        "    Caption = '&Save'\n"
                        "  end\n"));
  auto* b = dynamic_cast<TShineSpeedButton*>(form.FindComponent("Save1"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Parent(), &form);
  EXPECT_EQ(b->BoundsRect(), (tk::TRect{10, 20, 50, 50}));
  EXPECT_EQ(b->GroupIndex(), 3);
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(b->ClickDownHook());
  EXPECT_TRUE(b->AccelCharDown());
  EXPECT_EQ(b->FrameType(), ftFlatFrame);
  EXPECT_TRUE(b->Transparent());
  EXPECT_FALSE(b->ActiveFrame() || b->UpFrame() || b->DownFrame());
  EXPECT_EQ(b->ActiveImage(), aiXorLight);
  EXPECT_EQ(b->DisabledImage(), diMaskTrans);
  EXPECT_EQ(b->DisabledHighlight(), tk::clRed);
  EXPECT_EQ(b->DisabledShadow(), tk::clBlue);
  EXPECT_EQ(b->Colors().Highlight(), tk::clWhite);
  EXPECT_TRUE(b->Colors().GradVertical());
  EXPECT_EQ(b->Colors().Color(), tk::clYellow);
  EXPECT_EQ(b->PressedColors().DarkShadow(), tk::clBlack);
  EXPECT_EQ(b->PressedColors().Color(), tk::clBtnFace);
  EXPECT_EQ(b->ShineColor(), tk::clLime);
  EXPECT_EQ(b->Font().Height(), -16);
  EXPECT_EQ(b->FontHighlight(), tk::clWhite);
  EXPECT_EQ(b->ActiveFont().Color(), tk::clRed);
  EXPECT_TRUE(b->AllowAllUp());
  EXPECT_EQ(b->Layout(), tk::blGlyphBottom);
  EXPECT_EQ(b->Margin(), 0);
  EXPECT_EQ(b->Spacing(), 0);
  ASSERT_EQ(b->Glyph().Width(), 2);
  ASSERT_EQ(b->Glyph().Height(), 1);
  EXPECT_EQ(b->Glyph().PixelFormat(), tk::TPixelFormat::pf32bit);
  EXPECT_EQ(b->Glyph().PixelWord(0, 0) & 0xFFFFFF, 0x112233u);
  EXPECT_EQ(b->Glyph().PixelWord(1, 0) & 0xFFFFFF, 0x445566u);
  EXPECT_EQ(b->Caption(), "&Save");
  b->OnMouseEnter(b, 0, 0, 0);
  EXPECT_EQ(form.enters, 1);

  const std::string written = tk::WriteForm(form);
  HandlerForm again;
  tk::ReadFormInto(again, tk::FormClassInfo(), written);
  EXPECT_EQ(tk::WriteForm(again), written);
}

TEST_F(ShineFormTextTest, ButtonsReadIntoOneParentFormOneGroup) {
  std::unique_ptr<tk::TComponent> root = tk::ReadForm(
      Text("  object A: TShineSpeedButton\n    GroupIndex = 1\n    Down = True\n  end\n"
           "  object B: TShineSpeedButton\n    GroupIndex = 1\n    Down = True\n  end\n"));
  EXPECT_FALSE(dynamic_cast<TShineSpeedButton*>(root->FindComponent("A"))->Down());
  EXPECT_TRUE(dynamic_cast<TShineSpeedButton*>(root->FindComponent("B"))->Down());
}

struct BadGlyph {
  const char* name;
  std::string data;
  const char* message;
};

void PrintTo(const BadGlyph& c, std::ostream* os) { *os << c.name; }

class BadGlyphTest : public ShineFormTextTest, public ::testing::WithParamInterface<BadGlyph> {};

TEST_P(BadGlyphTest, IsRefusedNamingTheLine) {
  try {
    tk::ReadForm(
        Text("  object A: TShineSpeedButton\n    Glyph.Data = {" + GetParam().data + "}\n  end\n"));
    FAIL() << "accepted";
  } catch (const tk::EReadError& e) {
    const std::string what = e.what();
    EXPECT_NE(what.find("line 5: Glyph.Data: "), std::string::npos) << what;
    EXPECT_NE(what.find(GetParam().message), std::string::npos) << what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Data, BadGlyphTest,
    ::testing::Values(
        BadGlyph{"NoLength", "3E00", "length"},
        BadGlyph{"LengthBeyondTheData", "3F" + std::string(kTwoPixelData).substr(2), "length"},
        BadGlyph{"LengthShortOfTheData", "3D" + std::string(kTwoPixelData).substr(2), "length"},
        BadGlyph{"NotABitmap",
                 "04000000"
                 "41424344",
                 "ビットマップイメージが不正です"}));

TEST_F(ShineFormTextTest, EmptyGlyphDataEmptiesTheGlyph) {
  std::unique_ptr<tk::TComponent> root =
      tk::ReadForm(Text("  object A: TShineSpeedButton\n    Glyph.Data = {" +
                        std::string(kTwoPixelData) + "}\n    Glyph.Data = {00000000}\n  end\n"));
  EXPECT_TRUE(dynamic_cast<TShineSpeedButton*>(root->FindComponent("A"))->Glyph().Empty());
}

}  // namespace
}  // namespace widgets
