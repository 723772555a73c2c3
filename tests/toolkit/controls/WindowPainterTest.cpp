// A backend's paint of a form, and error reports raised while it runs: held until the
// outermost paint ends, asked to be shown once per batch, then shown in order.

#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/WindowPainter.h"
#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

// Fails every paint with the text it is given; paints a form of another painter inside its own
// paint when it has one (a nested paint).
class Failing : public TGraphicControl {
 public:
  explicit Failing(TForm* form) : TGraphicControl(form) {
    SetParent(form);
    SetBounds(0, 0, 10, 10);
  }
  std::string text = "first";
  std::function<void()> inside;

 protected:
  void Paint() override {
    if (inside) inside();
    throw Exception(text);
  }
};

// The headless backend with its error box behind a painter, as the real backends have it.
class PaintingPlatform : public headless::THeadlessPlatform {
 public:
  TWindowPainter painter{[this] { ++showRequests; }};
  int showRequests = 0;
  void ShowErrorBox(const std::string& caption, const std::string& text) override {
    if (!painter.Hold(caption, text)) THeadlessPlatform::ShowErrorBox(caption, text);
  }
  void ShowHeld() {
    painter.ShowHeldReports([this](const std::string& caption, const std::string& text) {
      ShowErrorBox(caption, text);
    });
  }
};

class WindowPainterTest : public ::testing::Test {
 protected:
  WindowPainterTest() {
    SetPlatform(&platform);
    Application().SetTitle("t");
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 40, 30);
    failing = new Failing(form.get());
  }
  ~WindowPainterTest() override {
    form.reset();
    SetPlatform(nullptr);
  }
  TBitmap* Paint() {
    form->InvalidateRect(form->ClientRect());
    return platform.painter.Paint(*form);
  }

  PaintingPlatform platform;
  std::unique_ptr<TForm> form;
  Failing* failing = nullptr;
};

TEST_F(WindowPainterTest, ReportsWaitForTheLoopAndComeInOrderOncePerBatch) {
  EXPECT_EQ(Paint(), &form->BackBuffer());
  failing->text = "second";
  Paint();
  EXPECT_TRUE(platform.Lines().empty());
  EXPECT_EQ(platform.showRequests, 1);
  platform.ShowHeld();
  EXPECT_EQ(platform.Lines(), (std::vector<std::string>{"error caption=\"t\" text=\"first.\"",
                                                        "error caption=\"t\" text=\"second.\""}));
  // Shown: the next batch asks again; a report outside any paint is shown at once.
  Paint();
  EXPECT_EQ(platform.showRequests, 2);
  platform.ShowErrorBox("t", "now");
  EXPECT_EQ(platform.Lines().back(), "error caption=\"t\" text=\"now\"");
}

TEST_F(WindowPainterTest, ANestedPaintHoldsUntilTheOutermostEnds) {
  TForm inner(nullptr);
  inner.SetBounds(0, 0, 5, 5);
  new Failing(&inner);
  failing->inside = [&] {
    inner.InvalidateRect(inner.ClientRect());
    platform.painter.Paint(inner);
    EXPECT_EQ(platform.showRequests, 0);
  };
  Paint();
  EXPECT_EQ(platform.showRequests, 1);
  platform.ShowHeld();
  EXPECT_EQ(platform.Lines().size(), 2u);
}

TEST_F(WindowPainterTest, AFormWithoutPixelsGivesNothingToShow) {
  form->SetBounds(0, 0, 0, 0);
  EXPECT_EQ(platform.painter.Paint(*form), nullptr);
}

}  // namespace
}  // namespace tk
