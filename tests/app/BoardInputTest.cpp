// Hovering, dropping, double-clicking and clearing on the real board.

#include <fstream>

#include "tests/app/BoardFixture.h"
#include "tests/support/BmpBuilder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/core/FileIO.h"

namespace app::test {
namespace {

using tk::test::BmpFields;

class BoardInputTest : public BoardTest {
 protected:
  // A JPEG of one colour (pixel word), w x h.
  std::string Jpeg(const std::string& name, std::uint32_t pixel, int w = 16, int h = 12) {
    tk::TBitmap b(w, h);
    b.Canvas().Brush().SetColor(tk::PixelToRgb(pixel));
    b.Canvas().FillRect({0, 0, w, h});
    const std::string path = folder.Path(name);
    tk::WriteFileBytes(path, tk::EncodeJpeg(b, 95));
    return path;
  }
  // A 24-bit bitmap file, rows given top first as pixel words.
  std::string Bmp24(const std::string& name, const std::vector<std::vector<std::uint32_t>>& rows) {
    BmpFields f;
    f.width = static_cast<int>(rows[0].size());
    f.height = -static_cast<int>(rows.size());
    f.bitCount = 24;
    f.pixels = tk::test::PackRows(rows, 24);
    return Write(name, tk::test::BuildBmp(f));
  }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.Path(name);
    tk::WriteFileBytes(path, bytes);
    return path;
  }
  void Hover(int n) { platform.MoveMouse(CellCentre(n)); }
  std::vector<std::string> Errors() const { return LinesStartingWith("error"); }
};

TEST_F(BoardInputTest, MovingOverACellRecordsItsKeyAndElsewhereKeepsIt) {
  Hover(8);
  EXPECT_EQ(board->CellKey(), "8");
  for (tk::TPoint p : {tk::TPoint{25, 100}, tk::TPoint{100, 20}, tk::TPoint{20, 20},
                       tk::TPoint{0, 300}, tk::TPoint{700, 300}})
    platform.MoveMouse(p);
  EXPECT_EQ(board->CellKey(), "8");
  Hover(30);
  EXPECT_EQ(board->CellKey(), "30");
}

TEST_F(BoardInputTest, LeftPressKeepsTheCellUntilReleasedOtherButtonsDoNot) {
  platform.PressButton(tk::TMouseButton::mbLeft, CellCentre(3));
  Hover(5);
  platform.MoveMouse({900, 900});
  EXPECT_EQ(board->CellKey(), "3");
  platform.ReleaseButton(tk::TMouseButton::mbLeft, CellCentre(5));
  Hover(5);
  EXPECT_EQ(board->CellKey(), "5");
  platform.PressButton(tk::TMouseButton::mbRight, CellCentre(3));
  Hover(4);
  EXPECT_EQ(board->CellKey(), "4");
  platform.ReleaseButton(tk::TMouseButton::mbRight, CellCentre(4));
  platform.PressButton(tk::TMouseButton::mbMiddle, CellCentre(3));
  Hover(6);
  EXPECT_EQ(board->CellKey(), "6");
}

TEST_F(BoardInputTest, ImageZeroNeverTakesTheMouse) {
  Hover(25);  // Image0 lies over the last column, hidden
  EXPECT_EQ(board->CellKey(), "25");
}

TEST_F(BoardInputTest, DropBeforeAnyHoverLoadsNothing) {
  platform.DropFiles(CellCentre(1), {Jpeg("a.jpg", 0xFF0000)});
  for (int n = 1; n <= 30; ++n) EXPECT_FALSE(HasPhoto(n)) << n;
  EXPECT_TRUE(platform.Lines().empty());
}

TEST_F(BoardInputTest, DropGoesToTheHoveredCellWhereverItLands) {
  Hover(8);
  platform.DropFiles({100, 20}, {Jpeg("cat.jpg", 0x0000FF)});  // on a header box
  EXPECT_TRUE(HasPhoto(8));
  EXPECT_FALSE(HasOverlay(8));
  const tk::TRect r = CellRect(8);
  // Stretched over the whole cell, hiding the frame: within JPEG tolerance of blue.
  for (tk::TPoint p : {tk::TPoint{r.Left, r.Top}, tk::TPoint{r.Right - 1, r.Bottom - 1}}) {
    const std::uint32_t px = Pixel(p.X, p.Y);
    EXPECT_LT(px >> 16, 8u);
    EXPECT_GT(px & 0xFF, 0xF0u);
  }
}

struct ExtensionCase {
  const char* name;
  bool photo;
  bool overlay;
};

void PrintTo(const ExtensionCase& c, std::ostream* os) { *os << c.name; }

class DroppedExtensionTest : public BoardInputTest,
                             public ::testing::WithParamInterface<ExtensionCase> {};

TEST_P(DroppedExtensionTest, PicksTheLayerByExtension) {
  // The content is a real JPEG or bitmap as the extension says; others hold JPEG data.
  const std::string name = GetParam().name;
  const bool bmp = GetParam().overlay;
  const std::string path =
      bmp ? Bmp24(name, {{0x00FF00, 0x00FF00}, {0xFFFFFF, 0xFFFFFF}}) : Jpeg(name, 0x00FF00);
  Hover(12);
  platform.DropFiles({0, 0}, {path});
  EXPECT_EQ(HasPhoto(12), GetParam().photo);
  EXPECT_EQ(HasOverlay(12), GetParam().overlay);
  EXPECT_TRUE(Errors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, DroppedExtensionTest,
    ::testing::Values(ExtensionCase{"x.jpeg", true, false}, ExtensionCase{"X.JPG", true, false},
                      ExtensionCase{"x.Jpg", true, false}, ExtensionCase{"f.BMP", false, true},
                      ExtensionCase{"f.Bmp", false, true}, ExtensionCase{"x.jpe", false, false},
                      ExtensionCase{"x.gif", false, false}, ExtensionCase{"x", false, false},
                      ExtensionCase{"a.bmp.txt", false, false},
                      ExtensionCase{"x.bmpx", false, false}, ExtensionCase{"x.bm", false, false}));

TEST_F(BoardInputTest, OnlyTheFirstFileOfADropCounts) {
  Hover(2);
  platform.DropFiles({0, 0},
                     {folder.Path("first.txt"), Jpeg("second.jpg", 0), Jpeg("third.jpg", 0)});
  EXPECT_FALSE(HasPhoto(2));
  platform.DropFiles({0, 0}, {Jpeg("one.jpg", 0), Bmp24("two.bmp", {{0}})});
  EXPECT_TRUE(HasPhoto(2));
  EXPECT_FALSE(HasOverlay(2));
}

TEST_F(BoardInputTest, SecondPhotoReplacesTheFirstAndTheOverlayStays) {
  Hover(9);
  platform.DropFiles({0, 0}, {Jpeg("red.jpg", 0xFF0000)});
  platform.DropFiles({0, 0}, {Bmp24("o.bmp", {{0x000000, 0xFFFFFF}, {0xFFFFFF, 0xFFFFFF}})});
  platform.DropFiles({0, 0}, {Jpeg("blue.jpg", 0x0000FF)});
  EXPECT_TRUE(HasOverlay(9));
  const tk::TRect r = CellRect(9);
  EXPECT_GT(Pixel(r.Right - 1, r.Bottom - 1) & 0xFF, 0xF0u);  // blue photo under a see-through part
  EXPECT_EQ(Pixel(r.Left, r.Top), 0u);  // the overlay's black top-left quarter
}

TEST_F(BoardInputTest, SingleColourBitmapIsWhollySeeThrough) {
  Hover(14);
  platform.Idle();
  tk::TBitmap before;
  before.Assign(board->BackBuffer());
  platform.DropFiles({0, 0}, {Bmp24("plain.bmp", {{0x123456, 0x123456}, {0x123456, 0x123456}})});
  ASSERT_TRUE(HasOverlay(14));
  const tk::TRect r = CellRect(14);
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      ASSERT_EQ(Pixel(x, y), before.PixelWord(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST_F(BoardInputTest, OneBitBitmapIsSeeThroughWhereWhiteWhateverItsCorner) {
  // 2 x 2, bottom-left black: top row white then black, bottom row black then white.
  BmpFields f;
  f.width = 2;
  f.height = -2;
  f.bitCount = 1;
  f.palette = {0x000000, 0xFFFFFF};
  f.pixels = tk::test::PackRows({{1, 0}, {0, 1}}, 1);
  Hover(20);
  platform.DropFiles({0, 0}, {Write("mono.bmp", tk::test::BuildBmp(f))});
  const tk::TRect r = CellRect(20);
  EXPECT_EQ(Pixel(r.Left + 70, r.Top + 10), 0u);         // black: drawn
  EXPECT_EQ(Pixel(r.Left + 10, r.Bottom - 10), 0u);      // black bottom-left: drawn
  EXPECT_EQ(Pixel(r.Left + 30, r.Top + 20), 0xFFFFFFu);  // white: the frame's white shows
  EXPECT_EQ(Pixel(r.Right - 30, r.Bottom - 20), 0xFFFFFFu);
}

struct LoadFault {
  const char* name;
  const char* content;  // "jpeg" for JPEG data, else the bytes themselves
  const char* text;     // %s: the path
};

void PrintTo(const LoadFault& c, std::ostream* os) { *os << c.name; }

class LoadFaultTest : public BoardInputTest, public ::testing::WithParamInterface<LoadFault> {};

TEST_P(LoadFaultTest, IsReportedAndTheLayerKeepsItsPicture) {
  Hover(17);
  platform.DropFiles({0, 0}, {Bmp24("keep.bmp", {{0x00FF00}})});
  platform.DropFiles({0, 0}, {Jpeg("keep.jpg", 0x00FF00)});
  const tk::TGraphic* overlay = board->OverlayLayer(17).Picture().Graphic();
  const tk::TGraphic* photo = board->PhotoLayer(17).Picture().Graphic();
  const std::string path = folder.Path(GetParam().name);
  const std::string content = GetParam().content;
  if (content == "jpeg") Jpeg(GetParam().name, 0);
  else if (content == "folder") std::filesystem::create_directory(path);
  else if (!content.empty()) Write(GetParam().name, {content.begin(), content.end()});
  platform.DropFiles({0, 0}, {path});
  std::string expected = GetParam().text;
  if (auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, path);
  const std::string report = "error caption=\"ぽてりんこ\" text=" + headless::Quote(expected);
  EXPECT_EQ(Errors(), (std::vector<std::string>{report}));
  EXPECT_EQ(board->OverlayLayer(17).Picture().Graphic(), overlay);
  EXPECT_EQ(board->PhotoLayer(17).Picture().Graphic(), photo);
  // The program goes on: the next drop works as usual.
  platform.DropFiles({0, 0}, {Jpeg("after.jpg", 0)});
  EXPECT_NE(board->PhotoLayer(17).Picture().Graphic(), photo);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LoadFaultTest,
    ::testing::Values(LoadFault{"jpeg-inside.bmp", "jpeg", "ビットマップイメージが不正です."},
                      LoadFault{"missing.jpg", "", "ファイル %s は開けません."},
                      LoadFault{"missing.bmp", "", "ファイル %s は開けません."},
                      LoadFault{"folder.jpg", "folder", "ファイル %s は開けません."},
                      // libjpeg's number for a file that does not start like a JPEG (JERR_NO_SOI).
                      LoadFault{"text.jpg", "hello", "JPEG エラー #53."}));

TEST_F(BoardInputTest, DoubleClickEmptiesBothLayersAndKeepsTheKey) {
  Hover(11);
  platform.DropFiles({0, 0}, {Jpeg("p.jpg", 0xFF0000)});
  platform.DropFiles({0, 0}, {Bmp24("o.bmp", {{0x000000, 0xFFFFFF}})});
  Hover(10);
  platform.DropFiles({0, 0}, {Jpeg("q.jpg", 0xFF0000)});
  platform.DoubleClick(CellCentre(11));
  EXPECT_FALSE(HasPhoto(11));
  EXPECT_FALSE(HasOverlay(11));
  EXPECT_TRUE(HasPhoto(10));
  EXPECT_EQ(board->CellKey(), "10");  // the double click itself changes no key
  const tk::TRect r = CellRect(11);
  EXPECT_EQ(Pixel(r.Left, r.Top + 5), 0u);  // the frame shows again
  EXPECT_EQ(Pixel(r.Left + 5, r.Top + 5), 0xFFFFFFu);
}

TEST_F(BoardInputTest, ClearAllEmptiesEveryCellAndNothingElse) {
  for (int n : {1, 15, 30}) {
    Hover(n);
    platform.DropFiles({0, 0}, {Jpeg("p" + std::to_string(n) + ".jpg", 0xFF0000)});
    platform.DropFiles({0, 0}, {Bmp24("o" + std::to_string(n) + ".bmp", {{0, 0xFFFFFF}})});
  }
  board->TakeSnapshot();
  const tk::TGraphic* snapshot = board->Image0->Picture().Graphic();
  platform.PressKey(tk::VK_DELETE, 0, 0);
  for (int n = 1; n <= 30; ++n) {
    EXPECT_FALSE(HasPhoto(n)) << n;
    EXPECT_FALSE(HasOverlay(n)) << n;
  }
  EXPECT_EQ(board->CellKey(), "30");
  EXPECT_EQ(board->Image0->Picture().Graphic(), snapshot);
  EXPECT_TRUE(LinesStartingWith("menu").empty());  // no menu, no question
  platform.QueueMenuChoice("D1");                  // the menu item does the same
  board->PopupAt({0, 0});
  EXPECT_TRUE(Errors().empty());
}

}  // namespace
}  // namespace app::test
