// Clicks from the mouse and from accelerator keys, and the pressed look during OnClick.

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

using tk::TMouseButton;

struct AccelCase {
  const char* name;
  const char* caption;
  unsigned typed;
  bool clicks;
};

using AccelTest = ShineCaseTest<AccelCase>;

TEST_P(AccelTest, TypedCharacterClicksWhenItIsTheAccelerator) {
  CountingButton* b = AddButton(50, 20);
  b->SetCaption(GetParam().caption);
  int clicks = 0;
  b->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++clicks; });
  platform.PressKey(0x41, 0, GetParam().typed);
  EXPECT_EQ(clicks, GetParam().clicks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AccelTest,
    ::testing::Values(AccelCase{"LowerCase", "&Save", 's', true},
                      AccelCase{"UpperCase", "&Save", 'S', true},
                      AccelCase{"OtherLetter", "&Save", 'a', false},
                      AccelCase{"NoPrefix", "Save", 's', false},
                      AccelCase{"DoubledAmpersandIsLiteral", "&&Save", 's', false},
                      AccelCase{"LaterPrefixWins", "&Save &As", 'a', true},
                      AccelCase{"EarlierPrefixReplaced", "&Save &As", 's', false},
                      AccelCase{"AfterALiteralAmpersand", "R&&&D", 'd', true},
                      AccelCase{"AfterAWideCharacter", "保存(&S)", 's', true}));

struct AccelStateCase {
  const char* name;
  bool enabled;
  bool visible;
  bool formShown;
};

using AccelRefusedTest = ShineCaseTest<AccelStateCase>;

TEST_P(AccelRefusedTest, NoClickAndTheMessageGoesOn) {
  CountingButton* b = AddButton(50, 20);
  b->SetCaption("&Save");
  b->SetEnabled(GetParam().enabled);
  b->SetVisible(GetParam().visible);
  if (!GetParam().formShown) form->Close();
  int clicks = 0;
  b->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++clicks; });
  EXPECT_EQ(b->Perform(tk::CM_DIALOGCHAR, 's'), 0);
  EXPECT_EQ(clicks, 0);
}

INSTANTIATE_TEST_SUITE_P(States, AccelRefusedTest,
                         ::testing::Values(AccelStateCase{"Disabled", false, true, true},
                                           AccelStateCase{"Invisible", true, false, true},
                                           AccelStateCase{"FormNotShowing", true, true, false}));

TEST_F(ShineTest, AcceleratorOfAButtonWithoutParentDoesNothing) {
  TShineSpeedButton b(nullptr);
  b.SetCaption("&Save");
  int clicks = 0;
  b.OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++clicks; });
  EXPECT_EQ(b.Perform(tk::CM_DIALOGCHAR, 's'), 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ShineTest, TheFirstButtonThatTakesTheKeyEndsTheSearch) {
  CountingButton* first = AddButton(10, 20);
  CountingButton* second = AddButton(50, 20);
  int firstClicks = 0, secondClicks = 0;
  first->SetCaption("&Save");
  second->SetCaption("&Save");
  first->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++firstClicks; });
  second->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++secondClicks; });
  platform.PressKey(0x53, 0, 's');
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(secondClicks, 0);
}

TEST_F(ShineTest, AccelCharDownTogglesDownBeforeTheClick) {
  CountingButton* b = AddButton(50, 20);
  b->SetCaption("&Save");
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  b->SetAccelCharDown(true);
  std::vector<bool> downInHandler;
  b->OnClick = tk::TNotifyEvent([&](tk::TObject*) { downInHandler.push_back(b->Down()); });
  platform.PressKey(0x53, 0, 's');
  platform.PressKey(0x53, 0, 's');
  EXPECT_EQ(downInHandler, (std::vector<bool>{true, false}));
}

TEST_F(ShineTest, AccelCharDownOutsideAGroupOnlyClicks) {
  CountingButton* b = AddButton(50, 20);
  b->SetCaption("&Save");
  b->SetAccelCharDown(true);
  int clicks = 0;
  b->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++clicks; });
  platform.PressKey(0x53, 0, 's');
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(b->Down());
}

// ClickDownHook: what the screen shows while OnClick runs.
class ClickDownHookTest : public ShineTest {
 protected:
  ClickDownHookTest() {
    b = AddButton(50, 20);
    b->SetCaption("&Save");
    b->SetUpFrame(false);
    b->SetActiveFrame(false);
    b->SetDownFrame(false);
    b->Colors().SetColor(0x0000FF);         // raised face: red
    b->PressedColors().SetColor(0x00FF00);  // pressed face: green
    b->OnClick = tk::TNotifyEvent([this](tk::TObject*) {
      stateInHandler = b->DrawState();
      faceInHandler = Pixel(51, 21);
    });
    platform.Idle();
  }
  CountingButton* b;
  TShineDrawState stateInHandler = stDisabled;
  std::uint32_t faceInHandler = 0;
};

TEST_F(ClickDownHookTest, KeyboardClickShowsThePressedFaceDuringTheHandlerOnly) {
  b->SetClickDownHook(true);
  platform.PressKey(0x53, 0, 's');
  EXPECT_EQ(stateInHandler, stActiveDown);
  EXPECT_EQ(faceInHandler, 0x00FF00u);
  EXPECT_EQ(b->DrawState(), stUp);
  EXPECT_EQ(Pixel(51, 21), 0xFF0000u);
}

TEST_F(ClickDownHookTest, WithoutTheHookTheHandlerSeesTheStateAsItWas) {
  platform.PressKey(0x53, 0, 's');
  EXPECT_EQ(stateInHandler, stUp);
  EXPECT_EQ(faceInHandler, 0xFF0000u);
}

TEST_F(ClickDownHookTest, MouseClickRestoresTheStateMouseUpLeft) {
  b->SetClickDownHook(true);
  platform.MoveMouse(Centre(*b));
  platform.PressButton(TMouseButton::mbLeft, Centre(*b));
  platform.ReleaseButton(TMouseButton::mbLeft, Centre(*b));
  EXPECT_EQ(stateInHandler, stActiveDown);
  EXPECT_EQ(faceInHandler, 0x00FF00u);
  EXPECT_EQ(b->DrawState(), stActive);  // stUp restored, then the hover found again
  EXPECT_EQ(Pixel(51, 21), 0xFF0000u);
}

}  // namespace
}  // namespace widgets::test
