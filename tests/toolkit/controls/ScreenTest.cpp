// What the forms know together: the capture and the control under a screen point.

#include "tests/support/HeadlessFixture.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/Screen.h"

namespace tk {
namespace {

class ScreenTest : public testing::HeadlessTest {
 protected:
  TGraphicControl* Add(TRect bounds) {
    auto* c = new TGraphicControl(form.get());
    c->SetParent(form.get());
    c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return c;
  }
};

TEST_F(ScreenTest, FormsEnterAndLeaveTheList) {
  const std::size_t before = Forms().size();
  {
    TForm other(nullptr);
    EXPECT_EQ(Forms().size(), before + 1);
    EXPECT_EQ(Forms().back(), &other);
  }
  EXPECT_EQ(Forms().size(), before);
}

TEST_F(ScreenTest, CaptureIsHeldFromPressToRelease) {
  Add({10, 10, 40, 40});
  EXPECT_FALSE(MouseCaptureHeld());
  platform.PressButton(TMouseButton::mbLeft, {20, 20});
  EXPECT_TRUE(MouseCaptureHeld());
  platform.ReleaseButton(TMouseButton::mbLeft, {20, 20});
  EXPECT_FALSE(MouseCaptureHeld());
}

TEST_F(ScreenTest, ControlUnderAScreenPoint) {
  TGraphicControl* low = Add({10, 10, 60, 60});
  TGraphicControl* high = Add({40, 10, 90, 60});
  EXPECT_EQ(FindControlAtScreen({20, 20}, false), low);
  EXPECT_EQ(FindControlAtScreen({45, 20}, false), high);  // the later one lies on top
  high->SetEnabled(false);
  EXPECT_EQ(FindControlAtScreen({45, 20}, false), low);
  EXPECT_EQ(FindControlAtScreen({45, 20}, true), high);
  high->SetVisible(false);
  EXPECT_EQ(FindControlAtScreen({45, 20}, true), low);
  EXPECT_EQ(FindControlAtScreen({150, 80}, true), form.get());
  EXPECT_EQ(FindControlAtScreen({250, 80}, true), nullptr);  // beyond the 200-wide form
  form->Close();
  EXPECT_EQ(FindControlAtScreen({20, 20}, true), nullptr);
}

}  // namespace
}  // namespace tk
