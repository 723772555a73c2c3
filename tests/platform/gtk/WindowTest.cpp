#include <gtk/gtk.h>

#include <algorithm>

#include <string>
#include <vector>

#include "platform/gtk/GtkFormWindow.h"
#include "tests/platform/gtk/DisplayFixture.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Shape.h"

namespace gtkui::testing {
namespace {

using tk::TForm;
using Log = std::vector<std::string>;

// A control that writes down the mouse and character messages that reach it.
class Probe : public tk::TGraphicControl {
 public:
  Probe(TForm* form, Log& log, tk::TRect bounds) : tk::TGraphicControl(form), FLog(log) {
    SetParent(form);
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  }
  void Dispatch(tk::TMessage& m) override {
    switch (m.Msg) {
      case tk::WM_LBUTTONDOWN: Note("down", m); break;
      case tk::WM_LBUTTONUP: Note("up", m); break;
      case tk::WM_LBUTTONDBLCLK: Note("dbl", m); break;
      case tk::WM_RBUTTONDOWN: Note("rdown", m); break;
      case tk::WM_RBUTTONUP: Note("rup", m); break;
      case tk::CM_DIALOGCHAR: FLog.push_back("char " + std::to_string(m.WParam)); break;
      default: break;
    }
    tk::TGraphicControl::Dispatch(m);
  }

 private:
  void Note(const char* what, const tk::TMessage& m) {
    FLog.push_back(std::string(what) + " " + std::to_string(tk::LParamX(m.LParam)) + "," +
                   std::to_string(tk::LParamY(m.LParam)) + " keys=" + std::to_string(m.WParam));
  }
  Log& FLog;
};

class WindowTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(20, 20, 120, 80);
    form->SetColor(tk::clRed);
    form->SetCaption("ぽてりんこ - test");
    form->SetBorderStyle(tk::TBorderStyle::bsToolWindow);
    form->SetFormStyle(tk::TFormStyle::fsStayOnTop);
    shape = new tk::TShape(form.get());
    shape->SetParent(form.get());
    shape->SetBounds(10, 10, 30, 20);
    shape->Brush().SetColor(tk::clBlue);
    probe = new Probe(form.get(), log, {60, 10, 110, 70});
    menu = new tk::TPopupMenu(form.get());
    AddItem("Save1", "保存(&S)...", tk::scCtrl | 'S');
    AddItem("D1", "ぜんぶ消去(&D)", tk::VK_DELETE);
    form->SetPopupMenu(menu);
    form->Show();
    ASSERT_TRUE(RunUntil([&] { return Native().ClientGdkWindow() && Drawn(); }));
  }
  void TearDown() override {
    form.reset();
    RunFor(50);
  }

  void AddItem(const char* name, const char* caption, tk::TShortCut shortCut) {
    auto* item = new tk::TMenuItem(form.get());
    item->SetName(name);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = tk::TNotifyEvent([this, name](tk::TObject*) { log.push_back(name); });
    menu->Items().Add(item);
  }
  TGtkFormWindow& Native() { return static_cast<TGtkFormWindow&>(form->Handle()); }
  bool Drawn() {
    const auto pixels = CaptureClient(*form);
    return !pixels.empty() && pixels[0] == 0xFF0000;
  }
  GdkWindow* Client() { return Native().ClientGdkWindow(); }
  tk::TPoint Screen(int x, int y) { return form->ClientToScreen({x, y}); }
  void Click(int x, int y, unsigned button = 1) { FakeClick(Screen(x, y), button); }
  void Key(unsigned keyval, unsigned modifiers = 0) { FakeKey(Screen(5, 5), keyval, modifiers); }
  bool Logged(const std::string& line) {
    return RunUntil([&] { return std::find(log.begin(), log.end(), line) != log.end(); });
  }

  std::unique_ptr<TForm> form;
  tk::TShape* shape = nullptr;
  Probe* probe = nullptr;
  tk::TPopupMenu* menu = nullptr;
  Log log;
};

TEST_F(WindowTest, IsAFixedToolWindowOfTheClientSizeWhereItWasPut) {
  GtkWindow* window = Native().Window();
  EXPECT_STREQ(gtk_window_get_title(window), "ぽてりんこ - test");
  EXPECT_EQ(gtk_window_get_type_hint(window), GDK_WINDOW_TYPE_HINT_UTILITY);
  EXPECT_FALSE(gtk_window_get_resizable(window));
  EXPECT_EQ(gdk_window_get_width(Client()), 120);
  EXPECT_EQ(gdk_window_get_height(Client()), 80);
  // No window manager on this display: the outer corner is the client's corner.
  EXPECT_EQ(form->ClientOrigin(), (tk::TPoint{20, 20}));
  GList* icons = gtk_window_get_icon_list(window);
  ASSERT_NE(icons, nullptr);
  EXPECT_EQ(gdk_pixbuf_get_width(GDK_PIXBUF(icons->data)), 32);
  g_list_free(icons);
}

TEST_F(WindowTest, AStayOnTopFormAsksToBeKeptAbove) {
  EXPECT_TRUE(HasNetWmState(GTK_WIDGET(Native().Window()), "_NET_WM_STATE_ABOVE"));
}

TEST_F(WindowTest, KeyStateFollowsKeysAndButtonsWhileTheyAreHeld) {
  FakeKeyEvent(Screen(5, 5), GDK_KEY_a, true);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState('A') < 0; }));
  FakeKeyEvent(Screen(5, 5), GDK_KEY_a, false);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState('A') == 0; }));
  FakeKeyEvent(Screen(5, 5), GDK_KEY_Shift_L, true);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState(tk::VK_SHIFT) < 0; }));
  FakeKeyEvent(Screen(5, 5), GDK_KEY_Shift_L, false);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState(tk::VK_SHIFT) == 0; }));
  FakeButton(Screen(5, 5), 1, true);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState(tk::VK_LBUTTON) < 0; }));
  FakeButton(Screen(5, 5), 1, false);
  EXPECT_TRUE(RunUntil([&] { return platform->KeyState(tk::VK_LBUTTON) == 0; }));
  EXPECT_EQ(platform->CursorPos(), Screen(5, 5));
}

TEST_F(WindowTest, ShowsTheBackBufferPixelForPixel) {
  const auto pixels = CaptureClient(*form);
  ASSERT_EQ(pixels.size(), 120u * 80u);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * 120 + x)]; };
  // The form's colour, the shape's 1-pixel black outline along its outer pixels, its blue
  // inside; red again right after its last column and row.
  EXPECT_EQ(at(0, 0), 0xFF0000u);
  EXPECT_EQ(at(10, 10), 0x000000u);
  EXPECT_EQ(at(39, 29), 0x000000u);
  EXPECT_EQ(at(11, 11), 0x0000FFu);
  EXPECT_EQ(at(38, 28), 0x0000FFu);
  EXPECT_EQ(at(40, 20), 0xFF0000u);
  EXPECT_EQ(at(20, 30), 0xFF0000u);
  EXPECT_EQ(at(119, 79), 0xFF0000u);
  // And every other pixel is the back buffer's, unscaled.
  tk::TBitmap& buffer = form->BackBuffer();
  int differing = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x) differing += at(x, y) != (buffer.PixelWord(x, y) & 0xFFFFFF);
  EXPECT_EQ(differing, 0);
}

TEST_F(WindowTest, AChangedControlReachesTheScreen) {
  shape->Brush().SetColor(tk::clYellow);
  EXPECT_TRUE(RunUntil([&] {
    const auto pixels = CaptureClient(*form);
    return pixels.size() == 120u * 80u && pixels[20 * 120 + 20] == 0xFFFF00u;
  }));
}

TEST_F(WindowTest, DoubleClickArrivesAsDownUpDoubleUp) {
  Click(70, 20);
  Click(70, 20);
  ASSERT_TRUE(Logged("up 10,10 keys=0"));
  RunFor(50);
  EXPECT_EQ(log,
            (Log{"down 10,10 keys=1", "up 10,10 keys=0", "dbl 10,10 keys=1", "up 10,10 keys=0"}));
}

TEST_F(WindowTest, PressesFarApartAreTwoSingleClicks) {
  Click(70, 20);
  Click(100, 60);
  ASSERT_TRUE(Logged("up 40,50 keys=0"));
  EXPECT_EQ(log,
            (Log{"down 10,10 keys=1", "up 10,10 keys=0", "down 40,50 keys=1", "up 40,50 keys=0"}));
}

TEST_F(WindowTest, CtrlSAndDeleteRunTheirMenuItems) {
  Key(GDK_KEY_s, GDK_CONTROL_MASK);
  EXPECT_TRUE(Logged("Save1"));
  Key(GDK_KEY_Delete);
  EXPECT_TRUE(Logged("D1"));
  EXPECT_EQ(ShownMenu(), nullptr);
}

TEST_F(WindowTest, ATypedKeyWithAltReachesTheControlsAsACharacter) {
  Key(GDK_KEY_x, GDK_MOD1_MASK);
  EXPECT_TRUE(Logged("char " + std::to_string('x')));
}

TEST_F(WindowTest, RightClickOpensThePopupAtThePointer) {
  Click(70, 30, 3);
  ASSERT_TRUE(RunUntil([&] { return ShownMenu() != nullptr; }));
  GtkWidget* menu = ShownMenu();
  gint x = 0;
  gint y = 0;
  gdk_window_get_origin(gtk_widget_get_window(gtk_widget_get_toplevel(menu)), &x, &y);
  EXPECT_EQ(x, 20 + 70);
  EXPECT_EQ(y, 20 + 30);
  EXPECT_EQ(log, (Log{"rdown 10,20 keys=2", "rup 10,20 keys=0"}));
  // Esc closes it without a command, and the menu is gone for good.
  GObject* weak = G_OBJECT(menu);
  g_object_add_weak_pointer(weak, reinterpret_cast<gpointer*>(&weak));
  Key(GDK_KEY_Escape);
  EXPECT_TRUE(RunUntil([&] { return weak == nullptr; }));
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(WindowTest, ShiftF10OpensThePopupAtTheClientCorner) {
  Key(GDK_KEY_F10, GDK_SHIFT_MASK);
  ASSERT_TRUE(RunUntil([&] { return ShownMenu() != nullptr; }));
  gint x = 0;
  gint y = 0;
  gdk_window_get_origin(gtk_widget_get_window(gtk_widget_get_toplevel(ShownMenu())), &x, &y);
  EXPECT_EQ(x, 20);
  EXPECT_EQ(y, 20);
  Key(GDK_KEY_Escape);
  EXPECT_TRUE(RunUntil([&] { return ShownMenu() == nullptr; }));
}

TEST_F(WindowTest, TheMenuKeyOpensThePopupAndAnAccessKeyChoosesAnItem) {
  Key(GDK_KEY_Menu);
  ASSERT_TRUE(RunUntil([&] { return ShownMenu() != nullptr; }));
  Key(GDK_KEY_d);
  EXPECT_TRUE(Logged("D1"));
  EXPECT_TRUE(RunUntil([&] { return ShownMenu() == nullptr; }));
}

TEST_F(WindowTest, TheCloseButtonAsksTheForm) {
  bool asked = false;
  form->OnClose = tk::TNotifyEvent([&](tk::TObject*) { asked = true; });
  GdkEvent* event = gdk_event_new(GDK_DELETE);
  event->any.window =
      GDK_WINDOW(g_object_ref(gtk_widget_get_window(GTK_WIDGET(Native().Window()))));
  gtk_main_do_event(event);
  gdk_event_free(event);
  EXPECT_TRUE(asked);
  EXPECT_FALSE(gtk_widget_get_visible(GTK_WIDGET(Native().Window())));
}

}  // namespace
}  // namespace gtkui::testing
