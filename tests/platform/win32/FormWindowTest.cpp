// A plain form's window: an error while painting is reported once, after the paint, and the
// window goes on; timers tick through the application window; the title follows the
// application's.

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/win32/Win32FormWindow.h"
#include "tests/platform/win32/WindowFixture.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/GraphicControl.h"

#include <windows.h>

namespace win32ui::test {
namespace {

// Fails the first time it paints, then paints yellow.
class FailingControl : public tk::TGraphicControl {
 public:
  explicit FailingControl(tk::TForm* form) : tk::TGraphicControl(form) {
    SetParent(form);
    SetBounds(0, 0, 20, 20);
  }
  int paints = 0;

 protected:
  void Paint() override {
    if (++paints == 1) throw std::runtime_error("描画できません");
    Canvas().Brush().SetColor(tk::clYellow);
    Canvas().FillRect({0, 0, 20, 20});
  }
};

class FormWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform = &SharedPlatform();
    tk::Application().SetTitle("ぽてりんこ");
    form = std::make_unique<tk::TForm>(nullptr);
    form->SetBounds(40, 40, 200, 60);
    form->SetColor(tk::clWhite);
  }
  HWND Window() { return static_cast<TWin32FormWindow&>(form->Handle()).Handle(); }

  TWin32Platform* platform = nullptr;
  std::unique_ptr<tk::TForm> form;
};

TEST_F(FormWindow, AnErrorWhilePaintingIsReportedOnceAfterThePaint) {
  auto* control = new FailingControl(form.get());
  int reports = 0;
  std::wstring text;
  const std::wstring title = L"ぽてりんこ";
  std::uint32_t shownAtReport = 0;
  std::function<void(HWND)> answer = [&](HWND box) {
    // The paint had finished: the window showed the form before the report came up.
    if (++reports == 1) shownAtReport = CaptureClient(Window())[50 * 200 + 50];
    text = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  AnswerWhenShown([&] { return FindThreadWindow(L"#32770", &title); }, answer);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return reports == 1 && !FindThreadWindow(L"#32770", &title); }));
  // No second report comes, and the window shows the control as it paints now.
  AnswerWhenShown([&] { return FindThreadWindow(L"#32770", &title); }, answer);
  form->InvalidateRect(form->ClientRect());
  PumpFor(200);
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(text, L"描画できません.");
  EXPECT_EQ(shownAtReport, 0xFFFFFFu);
  EXPECT_GE(control->paints, 2);
  const std::vector<std::uint32_t> shown = CaptureClient(Window());
  ASSERT_EQ(shown.size(), 200u * 60u);
  EXPECT_EQ(shown[5 * 200 + 5], 0xFFFF00u);
  EXPECT_EQ(shown[50 * 200 + 50], 0xFFFFFFu);
}

TEST_F(FormWindow, TimersTickUntilStoppedEvenFromTheirOwnTick) {
  int ticks = 0;
  tk::IClock::TimerId id = 0;
  id = platform->StartTimer(10, [&] {
    if (++ticks == 3) platform->StopTimer(id);
  });
  EXPECT_TRUE(PumpUntil([&] { return ticks == 3; }));
  PumpFor(100);
  EXPECT_EQ(ticks, 3);
}

TEST_F(FormWindow, AnErrorInATickIsReportedAndTheLoopGoesOn) {
  const std::wstring title = L"ぽてりんこ";
  bool reported = false;
  AnswerWhenShown([&] { return FindThreadWindow(L"#32770", &title); },
                  [&](HWND box) {
                    reported = true;
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                  });
  tk::IClock::TimerId id = 0;
  id = platform->StartTimer(10, [&] {
    platform->StopTimer(id);
    throw std::runtime_error("x");
  });
  EXPECT_TRUE(PumpUntil([&] { return reported; }));
}

TEST_F(FormWindow, TheApplicationWindowTakesTheTitleWhenAFormShows) {
  tk::Application().SetTitle("時間割");
  form->Show();
  EXPECT_EQ(WindowText(platform->ApplicationWindow()), L"時間割");
  tk::Application().SetTitle("ぽてりんこ");
}

TEST_F(FormWindow, ProgramPathIsThisTestProgram) {
  const std::string path = platform->ProgramPath();
  EXPECT_NE(path.find("win32_backend_tests.exe"), std::string::npos) << path;
  EXPECT_EQ(path.find('/'), std::string::npos);
}

}  // namespace
}  // namespace win32ui::test
