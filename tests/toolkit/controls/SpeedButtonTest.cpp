// The standard speed button: groups, AllowAllUp, accelerators and its simple look.

#include "tests/support/HeadlessFixture.h"
#include "toolkit/controls/SpeedButton.h"

namespace tk {
namespace {

class SpeedButtonTest : public testing::HeadlessTest {
 protected:
  TSpeedButton* Add(int left, int group) {
    auto* b = new TSpeedButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(left, 10, 23, 22);
    b->SetGroupIndex(group);
    platform.Idle();
    return b;
  }
  void ClickOn(const TControl& c) {
    const TPoint p{c.Left() + 5, c.Top() + 5};
    platform.PressButton(TMouseButton::mbLeft, p);
    platform.ReleaseButton(TMouseButton::mbLeft, p);
  }
};

TEST_F(SpeedButtonTest, ClickingGroupMembersKeepsOneDown) {
  TSpeedButton* a = Add(10, 1);
  TSpeedButton* b = Add(40, 1);
  TSpeedButton* other = Add(70, 2);
  other->SetDown(true);
  int clicks = 0;
  b->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  ClickOn(*a);
  EXPECT_TRUE(a->Down());
  ClickOn(*b);
  ClickOn(*b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(other->Down());
  EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, AllowAllUpIsSharedAndLetsTheDownButtonRise) {
  TSpeedButton* a = Add(10, 1);
  TSpeedButton* b = Add(40, 1);
  a->SetAllowAllUp(true);
  EXPECT_TRUE(b->AllowAllUp());
  ClickOn(*b);
  ClickOn(*b);
  EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, DownNeedsAGroup) {
  TSpeedButton* a = Add(10, 0);
  a->SetDown(true);
  EXPECT_FALSE(a->Down());
  ClickOn(*a);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->State(), TSpeedButton::TState::bsUp);
}

TEST_F(SpeedButtonTest, ReleasedOutsideNoClick) {
  TSpeedButton* a = Add(10, 1);
  int clicks = 0;
  a->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  platform.PressButton(TMouseButton::mbLeft, {15, 15});
  EXPECT_EQ(a->State(), TSpeedButton::TState::bsDown);
  platform.MoveMouse({150, 80});
  EXPECT_EQ(a->State(), TSpeedButton::TState::bsUp);
  platform.ReleaseButton(TMouseButton::mbLeft, {150, 80});
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtonTest, AcceleratorClicks) {
  TSpeedButton* a = Add(10, 0);
  a->SetCaption("&Open");
  int clicks = 0;
  a->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
  platform.PressKey('O', 0, 'o');
  platform.PressKey('X', 0, 'x');
  EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonTest, RaisedEdgesLightTopLeftAndDarkBottomRightPressedTheReverse) {
  TSpeedButton* a = Add(10, 1);
  const std::uint32_t light = ColorToPixel(clBtnHighlight), dark = ColorToPixel(clBtnShadow),
                      face = ColorToPixel(clBtnFace);
  auto expectEdges = [&](std::uint32_t topLeft, std::uint32_t bottomRight) {
    EXPECT_EQ(Pixel(10, 10), topLeft);
    EXPECT_EQ(Pixel(32, 10), bottomRight);  // the right column's top
    EXPECT_EQ(Pixel(10, 30), topLeft);
    EXPECT_EQ(Pixel(10, 31), bottomRight);  // the bottom row's left
    EXPECT_EQ(Pixel(32, 31), bottomRight);
    EXPECT_EQ(Pixel(20, 20), face);
  };
  expectEdges(light, dark);
  a->SetDown(true);
  platform.Idle();
  expectEdges(dark, light);
  a->SetAllowAllUp(true);
  a->SetDown(false);
  a->SetFlat(true);
  platform.Idle();
  expectEdges(face, face);
}

}  // namespace
}  // namespace tk
