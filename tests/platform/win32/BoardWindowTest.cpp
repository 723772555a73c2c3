// The board in its real Win32 window, driven with real messages: the window's make, mouse
// moves, drops with real drop handles, keys, the popup menu, the error report. What the window
// shows is read back from its device context and compared with the headless backend's
// rendering of the same state (the headless backend runs in this process too).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/MainWindow1.h"
#include "app/MainWindow1Layout.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/win32/Win32FormWindow.h"
#include "platform/win32/WinText.h"
#include "tests/platform/win32/WindowFixture.h"
#include "tests/support/TempFolder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/controls/Application.h"
#include "toolkit/core/FileIO.h"
#include "widgets/Widgets.h"

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

namespace win32ui::test {
namespace {

using app::TMainForm1;

tk::TPoint CellCentre(int n) {
  return {51 + 120 * ((n - 1) / 6) + 60, 52 + 90 * ((n - 1) % 6) + 45};
}

LPARAM At(tk::TPoint p) { return MAKELPARAM(p.X, p.Y); }

std::vector<std::uint32_t> Pixels(tk::TForm& form) {
  std::vector<std::uint32_t> out;
  tk::TBitmap& buffer = form.BackBuffer();
  for (int y = 0; y < buffer.Height(); ++y)
    for (int x = 0; x < buffer.Width(); ++x) out.push_back(buffer.PixelWord(x, y) & 0xFFFFFF);
  return out;
}

int Differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

// Builds the board on the headless backend, lets `steps` act on it, and returns its pixels;
// the Win32 board and its platform are installed again afterwards.
std::vector<std::uint32_t> HeadlessRendering(
    const std::function<void(headless::THeadlessPlatform&)>& steps) {
  win32ui::TWin32Platform& win32 = SharedPlatform();
  TMainForm1* win32Board = app::MainForm1;
  std::vector<std::uint32_t> pixels;
  {
    headless::THeadlessPlatform platform;
    tk::SetPlatform(&platform);
    auto board = std::make_unique<TMainForm1>(nullptr);
    app::MainForm1 = board.get();
    tk::Application().SetMainForm(board.get());
    board->Show();
    platform.Idle();
    steps(platform);
    platform.Idle();
    pixels = Pixels(*board);
  }
  tk::SetPlatform(&win32);
  app::MainForm1 = win32Board;
  tk::Application().SetMainForm(win32Board);
  return pixels;
}

class BoardWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = &SharedPlatform();
    widgets::RegisterWidgetClasses();
    tk::ClassRegistry().Register(app::MainForm1ClassInfo());
    tk::Application().SetTitle("ぽてりんこ");
    board = std::make_unique<TMainForm1>(nullptr);
    app::MainForm1 = board.get();
    tk::Application().SetMainForm(board.get());
    board->Show();
    window = static_cast<TWin32FormWindow&>(board->Handle()).Handle();
    PumpFor(50);
  }
  void TearDown() override {
    tk::Application().SetMainForm(nullptr);
    app::MainForm1 = nullptr;
    board.reset();
    PumpFor(20);
  }

  std::string WriteJpeg(const std::string& name, tk::TColor colour) {
    tk::TBitmap bitmap(40, 30);
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect({0, 0, 40, 30});
    const std::string path = folder.Path(name);
    tk::WriteFileBytes(path, tk::EncodeJpeg(bitmap, 80));
    return path;
  }
  // A drop as the shell delivers it: posted, with a drop handle of its own making.
  HDROP Drop(const std::string& path) {
    HDROP drop = MakeDropHandle({Utf8ToWide(path)});
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    return drop;
  }
  void MoveTo(int cell) { SendMessageW(window, WM_MOUSEMOVE, 0, At(CellCentre(cell))); }
  bool HasPhoto(int n) const { return board->PhotoLayer(n).Picture().Graphic() != nullptr; }
  bool HasOverlay(int n) const { return board->OverlayLayer(n).Picture().Graphic() != nullptr; }
  LONG ExStyle() const { return GetWindowLongW(window, GWL_EXSTYLE); }
  static HWND OpenMenu() { return FindThreadWindow(L"#32768"); }

  TWin32Platform* platform = nullptr;
  std::unique_ptr<TMainForm1> board;
  HWND window = nullptr;
  tk::test::TempFolder folder;
};

TEST_F(BoardWindow, IsAToolWindowOwnedByTheApplicationWindow) {
  HWND app = platform->ApplicationWindow();
  EXPECT_EQ(GetWindow(window, GW_OWNER), app);
  EXPECT_EQ(WindowText(window), L"ぽてりんこ - (右クリックでポップアップメニュー)");
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ExStyle() & WS_EX_TOPMOST);
  EXPECT_TRUE(ExStyle() & WS_EX_ACCEPTFILES);
  EXPECT_TRUE(GetClassLongW(window, GCL_STYLE) & CS_DBLCLKS);
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  EXPECT_EQ(client.right, 652);
  EXPECT_EQ(client.bottom, 593);
  EXPECT_EQ(outer.left, 20);
  EXPECT_EQ(outer.top, 20);
  // The application window: unowned, no tool window, visible, so the taskbar lists it, with the
  // title; it shows nothing itself.
  EXPECT_EQ(WindowText(app), L"ぽてりんこ");
  EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
  EXPECT_FALSE(GetWindowLongW(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsWindowVisible(app));
  RECT appRect{};
  GetWindowRect(app, &appRect);
  EXPECT_EQ(appRect.right - appRect.left, 0);
  EXPECT_NE(GetClassLongPtrW(app, GCLP_HICON), 0u);
}

TEST_F(BoardWindow, ShowsTheHeadlessRenderingPixelForPixel) {
  const std::vector<std::uint32_t> shown = CaptureClient(window);
  ASSERT_EQ(shown.size(), 652u * 593u);
  EXPECT_EQ(Differing(shown, Pixels(*board)), 0);
  EXPECT_EQ(Differing(shown, HeadlessRendering([](auto&) {})), 0);
  // The frame's black edge and a white cell, from the layout's rules.
  EXPECT_EQ(shown[0], 0x000000u);
  EXPECT_EQ(shown[static_cast<std::size_t>(CellCentre(8).Y * 652 + CellCentre(8).X)], 0xFFFFFFu);
}

TEST_F(BoardWindow, AFileDroppedAfterHoveringACellFillsItsPhotoLayer) {
  const std::string photo = WriteJpeg("cat.jpg", tk::clRed);
  MoveTo(8);
  EXPECT_EQ(board->CellKey(), "8");
  const HDROP drop = Drop(photo);
  ASSERT_TRUE(PumpUntil([&] { return HasPhoto(8); }));
  EXPECT_EQ(GlobalSize(drop), 0u);  // released
  const auto expected = HeadlessRendering([&](headless::THeadlessPlatform& p) {
    p.MoveMouse(CellCentre(8));
    p.DropFiles({300, 20}, {photo});
  });
  EXPECT_EQ(Differing(CaptureClient(window), expected), 0);
}

TEST_F(BoardWindow, ABadBitmapIsReportedInAMessageBoxAndTheProgramGoesOn) {
  const std::string bad = folder.Path("bad.bmp");
  tk::TBitmap tiny(2, 2);
  tk::WriteFileBytes(bad, tk::EncodeJpeg(tiny, 80));  // JPEG data under a bitmap's name
  MoveTo(3);
  std::wstring text;
  HWND owner = nullptr;
  bool boardEnabled = true;
  const std::wstring title = L"ぽてりんこ";
  AnswerWhenShown([&] { return FindThreadWindow(L"#32770", &title); },
                  [&](HWND box) {
                    text = WindowText(GetDlgItem(box, 0xFFFF));
                    owner = GetWindow(box, GW_OWNER);
                    boardEnabled = IsWindowEnabled(window) != FALSE;
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                  });
  const HDROP drop = Drop(bad);
  ASSERT_TRUE(PumpUntil([&] { return !AnswerPending() && !FindThreadWindow(L"#32770", &title); }));
  EXPECT_EQ(text, L"ビットマップイメージが不正です.");
  EXPECT_EQ(owner, platform->ApplicationWindow());
  EXPECT_FALSE(boardEnabled);
  EXPECT_TRUE(IsWindowEnabled(window));
  EXPECT_FALSE(HasOverlay(3));
  EXPECT_EQ(GlobalSize(drop), 0u);
  // The next drop works as usual.
  Drop(WriteJpeg("ok.jpg", tk::clBlue));
  EXPECT_TRUE(PumpUntil([&] { return HasPhoto(3); }));
}

TEST_F(BoardWindow, DeleteClearsTheBoardAndTheWindowShowsItEmpty) {
  MoveTo(5);
  Drop(WriteJpeg("a.jpg", tk::clGreen));
  ASSERT_TRUE(PumpUntil([&] { return HasPhoto(5); }));
  SendMessageW(window, WM_KEYDOWN, VK_DELETE, 0x01530001);
  EXPECT_FALSE(HasPhoto(5));
  EXPECT_EQ(Differing(CaptureClient(window), HeadlessRendering([](auto&) {})), 0);
}

TEST_F(BoardWindow, ADoubleClickEmptiesTheCell) {
  MoveTo(12);
  Drop(WriteJpeg("b.jpg", tk::clYellow));
  ASSERT_TRUE(PumpUntil([&] { return HasPhoto(12); }));
  const LPARAM at = At(CellCentre(12));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  EXPECT_EQ(GetCapture(), window);  // a drag outside keeps reporting here
  SendMessageW(window, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
  EXPECT_FALSE(HasPhoto(12));
  EXPECT_EQ(board->CellKey(), "12");
}

TEST_F(BoardWindow, CtrlSSavesThroughTheSaveDialog) {
  const std::wstring typed = Utf8ToWide(folder.Path("board"));
  AnswerWhenShown(
      [&] {
        HWND dialog = FindThreadWindow(L"#32770");
        return dialog && GetWindow(dialog, GW_OWNER) == window ? dialog : nullptr;
      },
      [&](HWND dialog) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(typed.c_str()));
        SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(typed.c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      });
  {
    HeldKeys ctrl({VK_CONTROL, VK_LCONTROL});
    PostMessageW(window, WM_KEYDOWN, 'S', 0x001F0001);
    // The translation's Ctrl+S character is dropped with the used key.
    PostMessageW(window, WM_CHAR, 0x13, 0x001F0001);
    ASSERT_TRUE(PumpUntil([&] { return std::filesystem::exists(folder.Path("board.jpg")); }));
  }
  const tk::TJpegDecoded jpeg = tk::DecodeJpeg(tk::ReadFileBytes(folder.Path("board.jpg")));
  EXPECT_EQ(jpeg.ImageWidth, 652);
  EXPECT_EQ(jpeg.ImageHeight, 593);
}

// The menu of the right button: our captions and shortcuts, S1's check mark; its access key T
// chooses S1, which switches the window's topmost style. Drops still work in both states.
TEST_F(BoardWindow, TheMenuTogglesTopmostBothWaysAndDropsStillWork) {
  for (bool topmostAfter : {false, true}) {
    SCOPED_TRACE(topmostAfter ? "second toggle" : "first toggle");
    std::vector<std::wstring> texts;
    std::vector<UINT> states;
    RECT menuRect{};
    AnswerWhenShown(OpenMenu, [&](HWND menuWindow) {
      HMENU menu =
          reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        texts.push_back(text);
        states.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION));
      }
      GetWindowRect(menuWindow, &menuRect);
      PostMessageW(menuWindow, WM_CHAR, L't', 0);
    });
    const tk::TPoint at{300, 200};
    SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, At(at));
    SendMessageW(window, WM_RBUTTONUP, 0, At(at));
    EXPECT_FALSE(AnswerPending());
    // Where the system cannot drop an owned window's topmost style, the window is made anew.
    window = static_cast<TWin32FormWindow&>(board->Handle()).Handle();
    EXPECT_EQ(GetWindow(window, GW_OWNER), platform->ApplicationWindow());
    EXPECT_TRUE(IsWindowVisible(window));
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 20);
    EXPECT_EQ(outer.top, 20);
    EXPECT_EQ(texts,
              (std::vector<std::wstring>{L"保存(&S)...\tCtrl+S", L"メール送信(&M)...\tCtrl+M", L"",
                                         L"ぜんぶ消去(&D)\tDel", L"", L"常に手前に表示(&T)", L"",
                                         L"インフォメーション(&I)..."}));
    ASSERT_EQ(states.size(), 8u);
    EXPECT_EQ((states[5] & MF_CHECKED) != 0, !topmostAfter);
    EXPECT_TRUE(states[2] & MF_SEPARATOR);
    // Its top-left corner at the pointer.
    EXPECT_EQ(menuRect.left, board->ClientOrigin().X + at.X);
    EXPECT_EQ(menuRect.top, board->ClientOrigin().Y + at.Y);
    EXPECT_EQ(board->S1->Checked(), topmostAfter);
    EXPECT_EQ((ExStyle() & WS_EX_TOPMOST) != 0, topmostAfter);
    EXPECT_TRUE(ExStyle() & WS_EX_ACCEPTFILES);
    const int cell = topmostAfter ? 20 : 10;
    MoveTo(cell);
    Drop(WriteJpeg("t" + std::to_string(cell) + ".jpg", tk::clRed));
    EXPECT_TRUE(PumpUntil([&] { return HasPhoto(cell); }));
  }
}

struct KeyboardMenuCase {
  const char* Name;
  UINT Message;
  WPARAM Key;
  std::vector<int> Held;
};

void PrintTo(const KeyboardMenuCase& c, std::ostream* os) { *os << c.Name; }

class KeyboardMenu : public BoardWindow, public ::testing::WithParamInterface<KeyboardMenuCase> {};

// The context-menu key and Shift+F10 open the menu once, at the client area's corner.
TEST_P(KeyboardMenu, OpensOnceAtTheClientCorner) {
  int opened = 0;
  RECT menuRect{};
  std::function<void(HWND)> close = [&](HWND menuWindow) {
    ++opened;
    GetWindowRect(menuWindow, &menuRect);
    EndMenu();
  };
  AnswerWhenShown(OpenMenu, close);
  {
    HeldKeys held(GetParam().Held);
    PostMessageW(window, GetParam().Message, GetParam().Key, 0x00000001);
    PostMessageW(window, GetParam().Message == WM_KEYDOWN ? WM_KEYUP : WM_SYSKEYUP, GetParam().Key,
                 static_cast<LPARAM>(0xC0000001));
    PumpUntil([&] { return opened > 0; });
    // A second menu would come with the release.
    AnswerWhenShown(OpenMenu, close);
    PumpFor(300);
  }
  EXPECT_EQ(opened, 1);
  const tk::TPoint origin = board->ClientOrigin();
  EXPECT_EQ(menuRect.left, origin.X);
  EXPECT_EQ(menuRect.top, origin.Y);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardMenu,
    ::testing::Values(KeyboardMenuCase{"MenuKey", WM_KEYDOWN, VK_APPS, {}},
                      KeyboardMenuCase{"ShiftF10", WM_SYSKEYDOWN, VK_F10, {VK_SHIFT, VK_LSHIFT}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BoardWindow, ClosingTheWindowEndsTheLoop) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  PostMessageW(window, WM_NULL, 0, 0);
  platform->RunMessageLoop();  // returns: the board was the main form
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(tk::Application().Terminated());
}

}  // namespace
}  // namespace win32ui::test
