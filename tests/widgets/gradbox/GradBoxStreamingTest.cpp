#include <gtest/gtest.h>

#include "toolkit/controls/Form.h"
#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/FormWriter.h"
#include "widgets/Widgets.h"
#include "widgets/gradbox/Gradbox.h"
#include "widgets/gradbox/GradboxClassInfo.h"

namespace widgets {
namespace {

class GradBoxStreamingTest : public ::testing::Test {
 protected:
  GradBoxStreamingTest() { RegisterWidgetClasses(); }
};

TEST_F(GradBoxStreamingTest, DefaultBoxStoresItsBoundsAndTheTwoSwitchesOnly) {
  TGradBox box(nullptr);
  EXPECT_EQ(tk::WriteProperties(box, GradBoxClassInfo(), ""),
            "Left = 0\nTop = 0\nWidth = 200\nHeight = 100\nDrawOutLine = False\nFont3D = False\n");
}

TEST_F(GradBoxStreamingTest, ChangedValuesAreStoredInDeclaredOrder) {
  TGradBox box(nullptr);
  box.SetBounds(51, 2, 120, 50);
  box.SetCaption("月");
  box.SetCaptionLeft(44);
  box.SetTopColor(8454016);
  box.SetLastColor(tk::clWhite);
  box.SetDrawOutLine(true);
  box.SetGradStyle(gsLeftRight);
  box.SetFontDepth(0);
  box.Font().SetHeight(-32);
  EXPECT_EQ(tk::WriteProperties(box, GradBoxClassInfo(), "  "),
            "  Left = 51\n  Top = 2\n  Width = 120\n  Height = 50\n  CaptionLeft = 44\n"
            "  TopColor = 8454016\n  LastColor = clWhite\n  DrawOutLine = True\n"
            "  GradStyle = gsLeftRight\n  Font3D = False\n  FontDepth = 0\n  Caption = '月'\n"
            "  Font.Charset = SHIFTJIS_CHARSET\n  Font.Color = clWindowText\n"
            "  Font.Height = -32\n  Font.Name = 'ＭＳ Ｐゴシック'\n  Font.Style = []\n"
            "  ParentFont = False\n");
}

TEST_F(GradBoxStreamingTest, ReadingSetsEveryPropertyThroughItsSetter) {
  const std::string text =
      "object Form1: TForm\n"
      "  ClientWidth = 300\n  ClientHeight = 200\n  Color = clWhite\n"
      "  object GradBox7: TGradBox\n"
      "    Left = 51\n    Top = 2\n    Width = 120\n    Height = 50\n"
      "    CaptionLeft = 44\n    TopColor = 8454016\n    LastColor = clWhite\n"
      "    DrawOutLine = True\n    GradStyle = gsLeftRight\n    Font3D = True\n"
      "    FontDepth = 3\n    Style3D = fsLow3D\n    BackFont = $00FF0000\n"
      "    Caption = #26376\n"  // 月
      "    Font.Height = -32\n    ParentFont = False\n"
      "  end\n"
      "end\n";
  std::unique_ptr<tk::TComponent> root = tk::ReadForm(text);
  auto* box = dynamic_cast<TGradBox*>(root->FindComponent("GradBox7"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Parent(), root.get());
  EXPECT_EQ(box->BoundsRect(), (tk::TRect{51, 2, 171, 52}));
  EXPECT_EQ(box->CaptionLeft(), 44);
  EXPECT_EQ(box->CaptionTop(), 10);
  EXPECT_EQ(box->TopColor(), 0x80FF80u);
  EXPECT_TRUE(box->DrawOutLine());
  EXPECT_EQ(box->GradStyle(), gsLeftRight);
  EXPECT_TRUE(box->Font3D());
  EXPECT_EQ(box->FontDepth(), 3);
  EXPECT_EQ(box->Style3D(), fsLow3D);
  EXPECT_EQ(box->BackFont(), 0xFF0000u);
  EXPECT_EQ(box->Caption(), "月");
  EXPECT_EQ(box->Font().Height(), -32);
  EXPECT_FALSE(box->ParentFont());
  // Written back and read again, the box is the same.
  const std::string written = tk::WriteForm(*root);
  std::unique_ptr<tk::TComponent> again = tk::ReadForm(written);
  EXPECT_EQ(tk::WriteForm(*again), written);
}

struct BadText {
  const char* what;
  const char* body;      // the box's property lines
  const char* expected;  // part of the error text
};

void PrintTo(const BadText& c, std::ostream* os) { *os << c.what; }

class GradBoxBadTextTest : public GradBoxStreamingTest,
                           public ::testing::WithParamInterface<BadText> {};

TEST_P(GradBoxBadTextTest, IsRefusedNamingLineAndProperty) {
  const std::string text = std::string("object Form1: TForm\n  object GradBox1: TGradBox\n") +
                           GetParam().body + "  end\nend\n";
  try {
    tk::ReadForm(text);
    FAIL() << "accepted";
  } catch (const tk::EReadError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().expected), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GradBoxBadTextTest,
    ::testing::Values(
        BadText{"unknown property", "    Colour = clRed\n", "line 3: Colour: unknown property"},
        BadText{"integer for an enumeration", "    GradStyle = 2\n",
                "line 3: GradStyle: a name expected"},
        BadText{"unknown enumeration value", "    GradStyle = gsDiagonal\n",
                "line 3: GradStyle: unknown value"},
        BadText{"byte out of range", "    FontDepth = 256\n", "line 3: FontDepth: out of range"},
        BadText{"string for an integer", "    CaptionLeft = '10'\n",
                "line 3: CaptionLeft: a whole number expected"},
        BadText{"not a boolean", "    Font3D = Yes\n", "line 3: Font3D: True or False expected"},
        BadText{"unknown colour", "    TopColor = clGreenish\n",
                "line 3: TopColor: unknown colour"},
        BadText{"nested unknown", "    Font.Size2 = 3\n", "line 3: Font.Size2: unknown property"},
        BadText{"handler the root does not have", "    OnPaint = Box1Paint\n",
                "line 3: OnPaint: no handler"},
        BadText{"second line", "    Left = 1\n    Top = x\n", "line 4: Top:"}));

TEST_F(GradBoxStreamingTest, UnknownClassIsRefusedAndNothingIsLeftBuilt) {
  tk::TForm form(nullptr);
  const std::string text =
      "object Form1: TForm\n"
      "  object GradBox1: TGradBox\n  end\n"
      "  object Thing1: TThing\n  end\n"
      "end\n";
  try {
    tk::ReadFormInto(form, tk::ClassInfoOf(form), text);
    FAIL() << "accepted";
  } catch (const tk::EReadError& e) {
    EXPECT_STREQ(e.what(), "line 4: unknown class TThing");
  }
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
}

}  // namespace
}  // namespace widgets
