#include <string>
#include <vector>

#include "tests/support/HeadlessFixture.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/Menus.h"

namespace tk {
namespace {

// A control that writes down what reaches it.
class Probe : public TGraphicControl {
 public:
  Probe(TForm* form, std::vector<std::string>& log, const std::string& name, TRect bounds)
      : TGraphicControl(form), FLog(log) {
    SetName(name);
    SetParent(form);
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    OnClick = TNotifyEvent([this](TObject*) { Note("click"); });
    OnDblClick = TNotifyEvent([this](TObject*) { Note("dblclick"); });
  }
  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) Note("enter");
    if (m.Msg == CM_MOUSELEAVE) Note("leave");
    TGraphicControl::Dispatch(m);
  }

 protected:
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    Note(std::string(s & ssDouble ? "dbl" : "") + "down " + Button(b) + " " + Pos(x, y));
  }
  void MouseMove(TShiftState, int x, int y) override { Note("move " + Pos(x, y)); }
  void MouseUp(TMouseButton b, TShiftState, int x, int y) override {
    Note("up " + Button(b) + " " + Pos(x, y));
  }

 private:
  static std::string Button(TMouseButton b) {
    return b == TMouseButton::mbLeft ? "L" : b == TMouseButton::mbRight ? "R" : "M";
  }
  static std::string Pos(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  void Note(const std::string& what) { FLog.push_back(Name() + " " + what); }
  std::vector<std::string>& FLog;
};

class FormInputTest : public testing::HeadlessTest {
 protected:
  FormInputTest() {
    a = new Probe(form.get(), log, "A", {10, 10, 60, 60});
    b = new Probe(form.get(), log, "B", {40, 10, 90, 60});  // above A where they overlap
    platform.MoveMouse({150, 90});                          // over neither
    log.clear();
  }
  std::vector<std::string> log;
  Probe* a;
  Probe* b;
};

using Log = std::vector<std::string>;

TEST_F(FormInputTest, MouseGoesToTheTopmostControlUnderThePointer) {
  platform.MoveMouse({45, 20});
  EXPECT_EQ(log, (Log{"B move 5,10", "B enter"}));
}

TEST_F(FormInputTest, HiddenAndDisabledControlsDoNotTakeTheMouse) {
  b->SetVisible(false);
  platform.MoveMouse({45, 20});
  EXPECT_EQ(log, (Log{"A move 35,10", "A enter"}));
  log.clear();
  b->SetVisible(true);
  b->SetEnabled(false);
  a->SetEnabled(false);
  platform.MoveMouse({46, 20});
  // Nobody gets the move; the disabled control under the pointer still counts for hover.
  EXPECT_EQ(log, (Log{"A leave", "B enter"}));
}

TEST_F(FormInputTest, LeftPressCapturesTheMouseUntilRelease) {
  platform.PressButton(TMouseButton::mbLeft, {20, 20});
  platform.MoveMouse({70, 20});   // over B, but A holds the capture
  platform.MoveMouse({300, 20});  // outside the window too
  platform.ReleaseButton(TMouseButton::mbLeft, {70, 20});
  platform.MoveMouse({71, 20});
  EXPECT_EQ(log, (Log{"A down L 10,10", "A enter", "A move 60,10", "A leave", "B enter",
                      "A move 290,10", "B leave", "A up L 60,10", "B enter", "B move 31,10"}));
}

TEST_F(FormInputTest, RightAndMiddlePressesDoNotCapture) {
  platform.PressButton(TMouseButton::mbRight, {20, 20});
  platform.MoveMouse({70, 20});
  platform.PressButton(TMouseButton::mbMiddle, {70, 20});
  platform.MoveMouse({20, 20});
  EXPECT_EQ(log, (Log{"A down R 10,10", "A enter", "B move 30,10", "A leave", "B enter",
                      "B down M 30,10", "A move 10,10", "B leave", "A enter"}));
}

TEST_F(FormInputTest, ClickFiresOnlyWhenReleasedInside) {
  platform.PressButton(TMouseButton::mbLeft, {20, 20});
  platform.ReleaseButton(TMouseButton::mbLeft, {20, 20});
  platform.PressButton(TMouseButton::mbLeft, {20, 20});
  platform.ReleaseButton(TMouseButton::mbLeft, {5, 5});
  EXPECT_EQ(log, (Log{"A down L 10,10", "A enter", "A click", "A up L 10,10", "A down L 10,10",
                      "A up L -5,-5", "A leave"}));
}

TEST_F(FormInputTest, DoubleClickReachesControlsThatTakeDoubleClicks) {
  platform.DoubleClick({20, 20});
  EXPECT_EQ(std::count(log.begin(), log.end(), "A dblclick"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "A dbldown L 10,10"), 1);
  log.clear();
  a->SetControlStyle(a->ControlStyle() & ~csDoubleClicks);
  platform.DoubleClick({20, 20});
  EXPECT_EQ(std::count(log.begin(), log.end(), "A dblclick"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "A down L 10,10"), 2);
}

class FormMenuTest : public testing::HeadlessTest {
 protected:
  FormMenuTest() {
    menu = new TPopupMenu(form.get());
    save = AddItem("Save1", "保存(&S)...", scCtrl | 'S');
    AddItem("N1", "-", 0);
    clear = AddItem("D1", "ぜんぶ消去(&D)", VK_DELETE);
    form->SetPopupMenu(menu);
  }
  TMenuItem* AddItem(const std::string& name, const std::string& caption, TShortCut sc) {
    auto* item = new TMenuItem(form.get());
    item->SetName(name);
    item->SetCaption(caption);
    item->SetShortCut(sc);
    item->OnClick = TNotifyEvent([this, name](TObject*) { clicked.push_back(name); });
    menu->Items().Add(item);
    return item;
  }
  std::vector<std::string> Opens() const {
    std::vector<std::string> out;
    for (const auto& l : platform.Lines())
      if (l.rfind("menu-open", 0) == 0) out.push_back(l);
    return out;
  }
  TPopupMenu* menu;
  TMenuItem* save;
  TMenuItem* clear;
  std::vector<std::string> clicked;
};

TEST_F(FormMenuTest, RightClickOpensThePopupAtThePointerWithItsItems) {
  platform.PressButton(TMouseButton::mbRight, {30, 40});
  platform.ReleaseButton(TMouseButton::mbRight, {30, 40});
  EXPECT_EQ(platform.Lines(),
            (std::vector<std::string>{"menu-open 30 40", "menu-item Save1 \"保存(&S)...\" Ctrl+S -",
                                      "menu-item N1 \"-\" - -",
                                      "menu-item D1 \"ぜんぶ消去(&D)\" Del -"}));
}

TEST_F(FormMenuTest, KeyboardOpensThePopupAtTheClientCorner) {
  platform.PressKey(VK_APPS, 0, 0);
  platform.PressKey(VK_F10, ssShift, 0);
  platform.PressKey(VK_F10, 0, 0);  // F10 alone is no menu key
  EXPECT_EQ(Opens(), (std::vector<std::string>{"menu-open 0 0", "menu-open 0 0"}));
}

TEST_F(FormMenuTest, ShortcutsRunEnabledItemsWithoutOpeningTheMenu) {
  platform.PressKey('S', ssCtrl, 0x13);
  platform.PressKey('S', 0, 's');  // no Ctrl: not the shortcut
  platform.PressKey(VK_DELETE, 0, 0);
  clear->SetEnabled(false);
  platform.PressKey(VK_DELETE, 0, 0);
  EXPECT_EQ(clicked, (std::vector<std::string>{"Save1", "D1"}));
  EXPECT_TRUE(Opens().empty());
}

TEST_F(FormMenuTest, ChosenItemRunsItsCommand) {
  platform.QueueMenuChoice("D1");
  form->PopupAt({5, 5});
  EXPECT_EQ(clicked, (std::vector<std::string>{"D1"}));
}

TEST(BroadcastTest, StopsAtTheFirstNonZeroResult) {
  TForm form(nullptr);
  struct Answering : TGraphicControl {
    Answering(TForm* f, int answer, int& calls)
        : TGraphicControl(f), FAnswer(answer), FCalls(calls) {
      SetParent(f);
    }
    void Dispatch(TMessage& m) override {
      if (m.Msg != CM_BUTTONPRESSED) return TGraphicControl::Dispatch(m);
      ++FCalls;
      m.Result = FAnswer;
    }
    int FAnswer;
    int& FCalls;
  };
  int calls = 0;
  new Answering(&form, 0, calls);
  new Answering(&form, 1, calls);
  new Answering(&form, 0, calls);
  TMessage m{CM_BUTTONPRESSED, 1, 0, 0};
  form.Broadcast(m);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(m.Result, 1);
}

}  // namespace
}  // namespace tk
