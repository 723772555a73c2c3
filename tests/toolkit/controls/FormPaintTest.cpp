#include "tests/support/HeadlessFixture.h"
#include "toolkit/controls/GraphicControl.h"

namespace tk {
namespace {

// Fills its whole area (and tries to paint far outside it) in one colour; counts paints.
class Filler : public TGraphicControl {
 public:
  Filler(TForm* form, TColor color, TRect bounds) : TGraphicControl(form), FColor(color) {
    SetParent(form);
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  }
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(FColor);
    Canvas().FillRect({-1000, -1000, 1000, 1000});
  }

 private:
  TColor FColor;
};

using FormPaintTest = testing::HeadlessTest;

TEST_F(FormPaintTest, ControlsPaintInCreationOrderClippedToTheirBounds) {
  new Filler(form.get(), clRed, {10, 10, 30, 30});
  new Filler(form.get(), clBlue, {20, 20, 40, 40});
  platform.Idle();
  EXPECT_EQ(Pixel(9, 9), 0xFFFFFFu);    // form colour
  EXPECT_EQ(Pixel(10, 10), 0xFF0000u);  // red alone
  EXPECT_EQ(Pixel(25, 25), 0x0000FFu);  // blue, created later, lies above red
  EXPECT_EQ(Pixel(39, 39), 0x0000FFu);
  EXPECT_EQ(Pixel(40, 40), 0xFFFFFFu);  // right and bottom edges exclusive
}

TEST_F(FormPaintTest, InvalidateRepaintsOnlyWhatIsPendingAndHidingUncovers) {
  auto* red = new Filler(form.get(), clRed, {10, 10, 30, 30});
  auto* blue = new Filler(form.get(), clBlue, {100, 10, 130, 30});
  platform.Idle();
  const int redPaints = red->paints, bluePaints = blue->paints;
  blue->Invalidate();
  platform.Idle();
  EXPECT_EQ(red->paints, redPaints);
  EXPECT_EQ(blue->paints, bluePaints + 1);
  blue->SetVisible(false);
  platform.Idle();
  EXPECT_EQ(Pixel(110, 20), 0xFFFFFFu);
}

TEST_F(FormPaintTest, BackgroundIsTheFormColourResolved) {
  form->SetColor(clBtnFace);
  form->InvalidateRect(form->ClientRect());
  platform.Idle();
  EXPECT_EQ(Pixel(0, 0), 0xF0F0F0u);
}

// A form file may claim any size; no screen shows more than kMaxClientExtent a side, and a
// larger back buffer once took a gigabyte.
TEST_F(FormPaintTest, ClientSizeIsHeldToWhatAScreenShows) {
  constexpr int kMax = TForm::kMaxClientExtent;
  const struct {
    int width, height, wantWidth, wantHeight;
  } cases[] = {{600, 424400, 600, kMax}, {kMax + 1, -29, kMax, 0}, {kMax, kMax, kMax, kMax}};
  for (const auto& c : cases) {
    form->SetClientWidth(c.width);
    form->SetClientHeight(c.height);
    EXPECT_EQ(form->Width(), c.wantWidth) << c.width;
    EXPECT_EQ(form->Height(), c.wantHeight) << c.height;
    EXPECT_EQ(form->BackBuffer().Width(), c.wantWidth);
    EXPECT_EQ(form->BackBuffer().Height(), c.wantHeight);
  }
}

}  // namespace
}  // namespace tk
