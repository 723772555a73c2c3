// The window against its layout table: properties, every widget's bounds and settings, and
// the creation (stacking) order.

#include "tests/app/BoardFixture.h"
#include "toolkit/controls/Shape.h"
#include "widgets/gradbox/Gradbox.h"

namespace app::test {
namespace {

using LayoutTest = BoardTest;

TEST_F(LayoutTest, WindowProperties) {
  EXPECT_EQ(board->Name(), "MainForm1");
  EXPECT_EQ(board->Caption(), "ぽてりんこ - (右クリックでポップアップメニュー)");
  EXPECT_EQ(board->BorderStyle(), tk::TBorderStyle::bsToolWindow);
  EXPECT_EQ(board->ClientOrigin(), (tk::TPoint{20, 20}));
  EXPECT_EQ(board->ClientWidth(), 652);
  EXPECT_EQ(board->ClientHeight(), 593);
  EXPECT_EQ(board->Color(), tk::clWhite);
  EXPECT_EQ(board->FormStyle(), tk::TFormStyle::fsStayOnTop);
  EXPECT_EQ(board->Font().Name(), "ＭＳ Ｐゴシック");
  EXPECT_EQ(board->Font().Height(), -12);
  EXPECT_EQ(board->Font().Charset(), tk::SHIFTJIS_CHARSET);
  EXPECT_EQ(board->PopupMenu(), board->PopupMenu1);
  EXPECT_TRUE(board->CellKey().empty());
  // Created topmost: no change of stacking is reported at start.
  EXPECT_TRUE(LinesStartingWith("topmost").empty());
}

TEST_F(LayoutTest, StackingOrderIsTheCreationOrder) {
  std::vector<std::string> expected = {
      "Shape0",   "Shape30",  "Shape29",  "Shape28",  "Shape27",  "Shape2",   "Shape22", "Shape17",
      "Shape12",  "Shape7",   "Shape6",   "Shape5",   "Shape8",   "Shape13",  "Shape18", "Shape23",
      "Shape24",  "Shape19",  "Shape14",  "Shape9",   "Shape4",   "Shape3",   "Shape10", "Shape15",
      "Shape20",  "Shape25",  "Shape26",  "Shape21",  "Shape16",  "Shape11",  "Shape1",  "GradBox1",
      "Image1_2", "Image1_3", "Image1_4", "Image1_5", "Image1_6", "Image1_7", "Image0"};
  for (int i = 2; i <= 11; ++i) expected.push_back("GradBox" + std::to_string(i));
  for (int n : {13, 19, 25, 8,  9,  10, 11, 12, 18, 17, 16, 15,
                14, 20, 21, 22, 23, 24, 30, 29, 28, 27, 26, 1})
    expected.push_back("Image1_" + std::to_string(n));
  for (int n = 1; n <= 30; ++n) expected.push_back("Image" + std::to_string(n));
  std::vector<std::string> actual;
  for (int i = 0; i < board->ControlCount(); ++i) actual.push_back(board->Controls(i)->Name());
  EXPECT_EQ(actual, expected);
}

TEST_F(LayoutTest, EveryCellHasItsFrameAndTwoLayersAtItsRectangle) {
  // Cell -> frame shape number, as the layout table numbers them.
  const int frames[31] = {0,  2,  1,  3,  4,  5,  6,  27, 11, 10, 9,  8,  7,  28, 16, 15,
                          14, 13, 12, 29, 21, 20, 19, 18, 17, 30, 26, 25, 24, 23, 22};
  for (int n = 1; n <= 30; ++n) {
    SCOPED_TRACE("cell " + std::to_string(n));
    auto* frame =
        dynamic_cast<tk::TShape*>(board->FindComponent("Shape" + std::to_string(frames[n])));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->BoundsRect(), CellRect(n));
    EXPECT_EQ(frame->Pen().Width(), 1);
    tk::TImage& photo = board->PhotoLayer(n);
    tk::TImage& overlay = board->OverlayLayer(n);
    EXPECT_EQ(photo.Name(), "Image1_" + std::to_string(n));
    EXPECT_EQ(overlay.Name(), "Image" + std::to_string(n));
    EXPECT_EQ(photo.BoundsRect(), CellRect(n));
    EXPECT_EQ(overlay.BoundsRect(), CellRect(n));
    EXPECT_TRUE(photo.Stretch());
    EXPECT_FALSE(photo.Transparent());
    EXPECT_TRUE(overlay.Stretch());
    EXPECT_TRUE(overlay.Transparent());
    const std::string move = "Image1_" + std::to_string(n) + "MouseMove";
    EXPECT_EQ(photo.OnMouseMove.MethodName(), move);
    EXPECT_EQ(overlay.OnMouseMove.MethodName(), move);
    EXPECT_FALSE(photo.OnDblClick);
    EXPECT_EQ(overlay.OnDblClick.MethodName(), "Image" + std::to_string(n) + "DblClick");
  }
  auto* frame0 = dynamic_cast<tk::TShape*>(board->FindComponent("Shape0"));
  ASSERT_NE(frame0, nullptr);
  EXPECT_EQ(frame0->BoundsRect(), (tk::TRect{0, 0, 652, 593}));
  EXPECT_EQ(frame0->Pen().Width(), 2);
}

TEST_F(LayoutTest, HeaderBoxes) {
  const char* days[] = {"月", "火", "水", "木", "金"};
  for (int i = 1; i <= 11; ++i) {
    SCOPED_TRACE("GradBox" + std::to_string(i));
    auto* box =
        dynamic_cast<widgets::TGradBox*>(board->FindComponent("GradBox" + std::to_string(i)));
    ASSERT_NE(box, nullptr);
    const bool row = i <= 6;
    EXPECT_EQ(box->BoundsRect(), row ? tk::Bounds(1, 52 + 90 * (i - 1), 50, 90)
                                     : tk::Bounds(51 + 120 * (i - 7), 2, 120, 50));
    EXPECT_EQ(box->Caption(), row ? std::to_string(i) : std::string(days[i - 7]));
    EXPECT_EQ(box->GradStyle(), row ? widgets::gsTopBottom : widgets::gsLeftRight);
    EXPECT_EQ(box->CaptionLeft(), row ? 16 : 44);
    EXPECT_EQ(box->CaptionTop(), row ? 26 : 10);
    EXPECT_EQ(box->TopColor(), 8454016u);
    EXPECT_EQ(box->LastColor(), tk::clWhite);
    EXPECT_TRUE(box->DrawOutLine());
    EXPECT_FALSE(box->Font3D());
    EXPECT_FALSE(box->ParentFont());
    EXPECT_EQ(box->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(box->Font().Height(), -32);
    EXPECT_EQ(box->Font().Charset(), tk::SHIFTJIS_CHARSET);
    EXPECT_EQ(box->Font().Color(), tk::clWindowText);
    EXPECT_EQ(box->Font().Style(), 0u);
    // The rest at the box's defaults.
    EXPECT_EQ(box->OutLineColor(), 0u);
    EXPECT_EQ(box->FontDepth(), 1);
    EXPECT_EQ(box->Style3D(), widgets::fsRaise3D);
    EXPECT_EQ(box->BackFont(), 0x00FFFFu);
  }
}

TEST_F(LayoutTest, SnapshotPictureMenuAndDialog) {
  EXPECT_EQ(board->Image0->BoundsRect(), tk::Bounds(552, 0, 652, 593));
  EXPECT_FALSE(board->Image0->Visible());
  EXPECT_FALSE(board->Image0->Stretch());
  EXPECT_FALSE(board->Image0->Transparent());
  EXPECT_EQ(board->Image0->Picture().Graphic(), nullptr);

  struct Item {
    const char* name;
    const char* caption;
    tk::TShortCut shortCut;
    bool checked;
    const char* handler;
  };
  const Item items[] = {{"Save1", "保存(&S)...", 0x4053, false, "Save1Click"},
                        {"M1", "メール送信(&M)...", 0x404D, false, "M1Click"},
                        {"N1", "-", 0, false, ""},
                        {"D1", "ぜんぶ消去(&D)", 0x2E, false, "D1Click"},
                        {"N3", "-", 0, false, ""},
                        {"S1", "常に手前に表示(&T)", 0, true, "S1Click"},
                        {"N5", "-", 0, false, ""},
                        {"N4", "インフォメーション(&I)...", 0, false, "N4Click"}};
  const tk::TMenuItem& root = board->PopupMenu1->Items();
  ASSERT_EQ(root.Count(), 8);
  EXPECT_EQ(board->PopupMenu1->AutoHotkeys(), tk::TMenuAutoFlag::maManual);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(items[i].name);
    const tk::TMenuItem* item = root.Items(i);
    EXPECT_EQ(item->Name(), items[i].name);
    EXPECT_EQ(item->Caption(), items[i].caption);
    EXPECT_EQ(item->ShortCut(), items[i].shortCut);
    EXPECT_EQ(item->Checked(), items[i].checked);
    EXPECT_EQ(item->OnClick.MethodName(), items[i].handler);
  }
  EXPECT_EQ(board->SavePictureDialog1->DefaultExt(), "jpg");
  EXPECT_EQ(board->SavePictureDialog1->Filter(), "JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg");
}

TEST_F(LayoutTest, EmptyBoardShowsFrameCellsAndHeaders) {
  // The window frame: two black pixels along every edge.
  for (int x : {0, 1, 650, 651}) EXPECT_EQ(Pixel(x, 300), 0u) << x;
  for (int y : {0, 1, 591, 592}) EXPECT_EQ(Pixel(20, y), 0u) << y;
  // The corner above the row headers and left of the column headers: white.
  EXPECT_EQ(Pixel(25, 25), 0xFFFFFFu);
  // Each cell: black outline, white inside.
  for (int n = 1; n <= 30; ++n) {
    const tk::TRect r = CellRect(n);
    EXPECT_EQ(Pixel(r.Left, r.Top + 40), 0u) << n;
    EXPECT_EQ(Pixel(r.Right - 1, r.Top + 40), 0u) << n;
    EXPECT_EQ(Pixel(r.Left + 40, r.Bottom - 1), 0u) << n;
    EXPECT_EQ(Pixel(r.Left + 1, r.Top + 1), 0xFFFFFFu) << n;
    EXPECT_EQ(Pixel(r.Right - 2, r.Bottom - 2), 0xFFFFFFu) << n;
  }
  // A row header's gradient below its outline: row 1 of the box shows entry 6 (0x82FF82).
  EXPECT_EQ(Pixel(3, 53), 0x82FF82u);
  // A column header: column 1 shows entry 5 (0x82FF82), column 118 entry 253 (0xFEFFFE),
  // column 119 its black outline.
  EXPECT_EQ(Pixel(52, 40), 0x82FF82u);
  EXPECT_EQ(Pixel(169, 40), 0xFEFFFEu);
  EXPECT_EQ(Pixel(170, 40), 0u);
}

}  // namespace
}  // namespace app::test
