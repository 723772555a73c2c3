// Reading and writing forms of the toolkit's own classes.

#include <gtest/gtest.h>

#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Shape.h"
#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/FormWriter.h"
#include "toolkit/streaming/StandardClassInfo.h"

namespace tk {
namespace {

// A form with handlers of two signatures, as a program's window has.
class HandlerForm : public TForm {
 public:
  explicit HandlerForm(TComponent* owner) : TForm(owner) {
    FMethods.Add<TObject*>("ItemClick", [this](TObject*) { ++clicks; });
    FMethods.Add<TObject*, TShiftState, int, int>(
        "PictureMove", [this](TObject*, TShiftState, int, int) { ++moves; });
  }
  int clicks = 0, moves = 0;
};

const char* const kText = R"(object Form1: TForm
  Left = 20
  Top = 20
  ClientWidth = 100
  ClientHeight = 50
  Caption = 'A form'
  Color = clWhite
  PopupMenu = Menu1
  PixelsPerInch = 96
  TextHeight = 12
  object Frame1: TShape
    Left = 0
    Top = 0
    Width = 100
    Height = 50
    Pen.Width = 2
    Brush.Color = clYellow
  end
  object Picture1: TImage
    Left = 5
    Top = 6
    Width = 20
    Height = 10
    Stretch = True
    Transparent = True
    OnMouseMove = PictureMove
  end
  object Menu1: TPopupMenu
    AutoHotkeys = maManual
    object Item1: TMenuItem
      Caption = '&Save'
      ShortCut = 16467
      OnClick = ItemClick
    end
    object Item2: TMenuItem
      Caption = '-'
    end
  end
  object Dialog1: TSavePictureDialog
    DefaultExt = 'jpg'
  end
end
)";

class FormReaderTest : public ::testing::Test {
 protected:
  FormReaderTest() { RegisterStandardClasses(); }
};

TEST_F(FormReaderTest, BuildsEveryComponentThroughItsSetters) {
  HandlerForm form(nullptr);
  ReadFormInto(form, FormClassInfo(), kText);
  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Caption(), "A form");
  EXPECT_EQ(form.Width(), 100);
  EXPECT_EQ(form.ControlCount(), 2);
  auto* frame = dynamic_cast<TShape*>(form.Controls(0));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->Pen().Width(), 2);
  EXPECT_EQ(frame->Brush().Color(), clYellow);
  auto* picture = dynamic_cast<TImage*>(form.Controls(1));
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->Stretch());
  EXPECT_TRUE(picture->Transparent());
  picture->OnMouseMove(picture, 0, 1, 1);
  EXPECT_EQ(form.moves, 1);
  // The menu was named before it was declared: resolved once everything existed.
  auto* menu = dynamic_cast<TPopupMenu*>(form.FindComponent("Menu1"));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(form.PopupMenu(), menu);
  ASSERT_EQ(menu->Items().Count(), 2);
  EXPECT_EQ(menu->Items().Items(0)->ShortCut(), 0x4053);
  menu->Items().Items(0)->Click();
  EXPECT_EQ(form.clicks, 1);
  EXPECT_EQ(dynamic_cast<TSavePictureDialog*>(form.FindComponent("Dialog1"))->DefaultExt(), "jpg");
}

TEST_F(FormReaderTest, WrittenTextReadsBackToTheSameText) {
  HandlerForm form(nullptr);
  ReadFormInto(form, FormClassInfo(), kText);
  const std::string written = WriteForm(form);
  HandlerForm again(nullptr);
  ReadFormInto(again, FormClassInfo(), written);
  EXPECT_EQ(WriteForm(again), written);
  // Values at their declared defaults are left out.
  EXPECT_EQ(written.find("PixelsPerInch"), std::string::npos);
  EXPECT_NE(written.find("TextHeight = 12"), std::string::npos);
  EXPECT_NE(written.find("    object Item1: TMenuItem\n"), std::string::npos);
}

struct ReadFault {
  const char* what;
  const char* line;  // replaces "  Caption = 'A form'"
  const char* message;
};

void PrintTo(const ReadFault& c, std::ostream* os) { *os << c.what; }

class FormReadFaultTest : public FormReaderTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(FormReadFaultTest, IsRefusedAndNothingIsLeftBuilt) {
  std::string text = kText;
  const std::string caption = "  Caption = 'A form'";
  text.replace(text.find(caption), caption.size(), GetParam().line);
  HandlerForm form(nullptr);
  try {
    ReadFormInto(form, FormClassInfo(), text);
    FAIL() << "accepted";
  } catch (const EReadError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FormReadFaultTest,
    ::testing::Values(ReadFault{"unknown component", "  PopupMenu = Menu9",
                                "line 6: PopupMenu: no component named Menu9"},
                      ReadFault{"wrong kind of component", "  PopupMenu = Frame1",
                                "line 6: PopupMenu: Frame1 is of the wrong kind"},
                      ReadFault{"handler of another signature", "  OnClick = PictureMove",
                                "line 6: OnClick: handler PictureMove does not fit this event"},
                      ReadFault{"an object set whole", "  Font = 3",
                                "line 6: Font: an object: set its properties one by one"},
                      ReadFault{"a property of a plain value", "  Color.Red = 3",
                                "line 6: Color.Red: Color has no properties of its own"}));

TEST_F(FormReaderTest, DuplicateNamesAreRefused) {
  const std::string text =
      "object Form1: TForm\n  object A: TShape\n  end\n  object A: TShape\n  end\nend\n";
  EXPECT_THROW(ReadForm(text), EReadError);
}

TEST_F(FormReaderTest, SettingOnePropertyFromText) {
  HandlerForm root(nullptr);
  ReadFormInto(root, FormClassInfo(), kText);
  TComponent* frame = root.FindComponent("Frame1");
  SetPropertyFromText(root, *frame, ClassInfoOf(*frame), "Pen.Color", "$0000FF");
  EXPECT_EQ(dynamic_cast<TShape*>(frame)->Pen().Color(), clRed);
  EXPECT_THROW(SetPropertyFromText(root, *frame, ClassInfoOf(*frame), "Pen.Width", "'x'"),
               EReadError);
  EXPECT_THROW(SetPropertyFromText(root, *frame, ClassInfoOf(*frame), "Left", "1 2"), EReadError);
}

}  // namespace
}  // namespace tk
