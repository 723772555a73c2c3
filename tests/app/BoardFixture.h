#pragma once
// The real board window on the headless backend, shown, with helpers to find cells.

#include <gtest/gtest.h>

#include "app/MainWindow1.h"
#include "app/MainWindow1Layout.h"
#include "platform/headless/HeadlessPlatform.h"
#include "tests/support/TempFolder.h"
#include "toolkit/controls/Application.h"
#include "widgets/Widgets.h"

namespace app::test {

// Cell n's rectangle, from the rule: column (n - 1) div 6, row (n - 1) mod 6.
inline tk::TRect CellRect(int n) {
  const int column = (n - 1) / 6, row = (n - 1) % 6;
  return tk::Bounds(51 + 120 * column, 52 + 90 * row, 120, 90);
}
inline tk::TPoint CellCentre(int n) {
  const tk::TRect r = CellRect(n);
  return {r.Left + 60, r.Top + 45};
}

class BoardTest : public ::testing::Test {
 protected:
  BoardTest() {
    tk::SetPlatform(&platform);
    widgets::RegisterWidgetClasses();
    tk::ClassRegistry().Register(MainForm1ClassInfo());
    tk::Application().SetTitle("ぽてりんこ");
    board = std::make_unique<TMainForm1>(nullptr);
    MainForm1 = board.get();
    tk::Application().SetMainForm(board.get());
    board->Show();
    platform.Idle();
  }
  ~BoardTest() override {
    tk::Application().SetMainForm(nullptr);
    board.reset();
    tk::SetPlatform(nullptr);
  }

  std::uint32_t Pixel(int x, int y) const { return board->BackBuffer().PixelWord(x, y) & 0xFFFFFF; }
  bool HasPhoto(int n) const { return board->PhotoLayer(n).Picture().Graphic() != nullptr; }
  bool HasOverlay(int n) const { return board->OverlayLayer(n).Picture().Graphic() != nullptr; }
  std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : platform.Lines())
      if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
  }

  headless::THeadlessPlatform platform;
  std::unique_ptr<TMainForm1> board;
  tk::test::TempFolder folder;
};

}  // namespace app::test
