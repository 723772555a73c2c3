// The draw-state machine driven by real input: mouse moves, presses and releases, the cursor
// moving without a message, time passing, enabling and disabling.

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

using tk::TMouseButton;
using tk::TPoint;

enum class Op { Move, Press, Release, RightPress, RightRelease, Cursor, Wait, Disable, Enable };

struct Step {
  Op op;
  TPoint at;  // client point of the form, or milliseconds for Wait
  TShineDrawState after;
};

struct Transition {
  const char* name;
  int group;
  bool allowAllUp;
  bool startDown;
  std::vector<Step> steps;
  int clicks;
  bool downAtEnd;
};

// The button lies at (50, 20), 25 x 25.
constexpr TPoint In{60, 30};
constexpr TPoint LastPixel{74, 44};
constexpr TPoint JustRight{75, 44};
constexpr TPoint Out{150, 80};

Step M(TPoint p, TShineDrawState s) { return {Op::Move, p, s}; }
Step P(TPoint p, TShineDrawState s) { return {Op::Press, p, s}; }
Step R(TPoint p, TShineDrawState s) { return {Op::Release, p, s}; }
Step RP(TPoint p, TShineDrawState s) { return {Op::RightPress, p, s}; }
Step RR(TPoint p, TShineDrawState s) { return {Op::RightRelease, p, s}; }
Step C(TPoint p, TShineDrawState s) { return {Op::Cursor, p, s}; }
Step W(int ms, TShineDrawState s) { return {Op::Wait, {ms, 0}, s}; }
Step Off(TShineDrawState s) { return {Op::Disable, {}, s}; }
Step On(TShineDrawState s) { return {Op::Enable, {}, s}; }

using DrawStateTest = ShineCaseTest<Transition>;

TEST_P(DrawStateTest, FollowsTheTransitionTable) {
  const Transition& t = GetParam();
  CountingButton* b = AddButton(50, 20);
  int clicks = 0;
  b->OnClick = tk::TNotifyEvent([&](tk::TObject*) { ++clicks; });
  b->SetGroupIndex(t.group);
  b->SetAllowAllUp(t.allowAllUp);
  if (t.startDown) b->SetDown(true);
  int n = 0;
  for (const Step& s : t.steps) {
    switch (s.op) {
      case Op::Move: platform.MoveMouse(s.at); break;
      case Op::Press: platform.PressButton(TMouseButton::mbLeft, s.at); break;
      case Op::Release: platform.ReleaseButton(TMouseButton::mbLeft, s.at); break;
      case Op::RightPress: platform.PressButton(TMouseButton::mbRight, s.at); break;
      case Op::RightRelease: platform.ReleaseButton(TMouseButton::mbRight, s.at); break;
      case Op::Cursor: platform.SetCursor(s.at); break;
      case Op::Wait: platform.AdvanceTime(static_cast<unsigned>(s.at.X)); break;
      case Op::Disable: b->SetEnabled(false); break;
      case Op::Enable: b->SetEnabled(true); break;
    }
    platform.Idle();
    EXPECT_EQ(b->DrawState(), s.after) << "after step " << n;
    ++n;
  }
  EXPECT_EQ(clicks, t.clicks);
  EXPECT_EQ(b->Down(), t.downAtEnd);
  EXPECT_FALSE(b->Tracking());
}

INSTANTIATE_TEST_SUITE_P(
    Input, DrawStateTest,
    ::testing::Values(
        Transition{"HoverEntersAndLeaves",
                   0,
                   false,
                   false,
                   {M(In, stActive), M(LastPixel, stActive), M(JustRight, stUp)},
                   0,
                   false},
        Transition{"ClickWithoutGroupEndsHovered",
                   0,
                   false,
                   false,
                   {M(In, stActive), P(In, stActiveDown), R(In, stActive), M(Out, stUp)},
                   1,
                   false},
        Transition{"PressWithoutAMoveFirst",
                   0,
                   false,
                   false,
                   {P(In, stActiveDown), R(In, stActive)},
                   1,
                   false},
        Transition{"DragOutAndBackThenReleaseOutside",
                   0,
                   false,
                   false,
                   {M(In, stActive), P(In, stActiveDown), M(Out, stUp), M(In, stActiveDown),
                    M(Out, stUp), R(Out, stUp)},
                   0,
                   false},
        Transition{"GroupClickGoesDown",
                   1,
                   false,
                   false,
                   {M(In, stActive), P(In, stActiveDown), R(In, stActiveDown), M(Out, stDown)},
                   1,
                   true},
        Transition{"GroupClickOnADownButtonKeepsItDown",
                   1,
                   false,
                   true,
                   {M(In, stActiveDown), P(In, stActiveDown), R(In, stActiveDown), M(Out, stDown)},
                   1,
                   true},
        Transition{"AllowAllUpClickRaises",
                   1,
                   true,
                   true,
                   {M(In, stActiveDown), P(In, stActiveDown), R(In, stActive), M(Out, stUp)},
                   1,
                   false},
        Transition{"GroupReleaseOutsideEndsUp",
                   1,
                   false,
                   false,
                   {M(In, stActive), P(In, stActiveDown), M(Out, stUp), R(Out, stUp)},
                   0,
                   false},
        Transition{"DownButtonReleasedOutsideStaysDown",
                   1,
                   false,
                   true,
                   {M(In, stActiveDown), P(In, stActiveDown), M(Out, stDown), R(Out, stDown)},
                   0,
                   true},
        Transition{"RightButtonChangesNothing",
                   0,
                   false,
                   false,
                   {M(In, stActive), RP(In, stActive), RR(In, stActive)},
                   0,
                   false},
        // The right release ends the left press: a click, and the hover waits for the capture
        // to go and the next move.
        Transition{"RightReleaseEndsTracking",
                   0,
                   false,
                   false,
                   {M(In, stActive), P(In, stActiveDown), RP(In, stActiveDown), RR(In, stUp),
                    R(In, stUp), M(In, stActive)},
                   1,
                   false},
        Transition{"TimerEndsHoverWhenNoLeaveComes",
                   0,
                   false,
                   false,
                   {M(In, stActive), C(Out, stActive), W(199, stActive), W(1, stUp)},
                   0,
                   false},
        Transition{"TimerKeepsHoverWhileInside",
                   0,
                   false,
                   false,
                   {M(In, stActive), W(1000, stActive), C(LastPixel, stActive), W(200, stActive)},
                   0,
                   false},
        Transition{"ReenabledUnderTheCursorIsActive",
                   0,
                   false,
                   false,
                   {M(In, stActive), Off(stDisabled), On(stActive)},
                   0,
                   false},
        Transition{
            "DisablingADownButtonRaisesIt", 1, false, true, {Off(stDisabled), On(stUp)}, 0, false},
        Transition{"DisabledIgnoresHoverAndPress",
                   0,
                   false,
                   false,
                   {Off(stDisabled), M(In, stDisabled), P(In, stDisabled), R(In, stDisabled),
                    M(Out, stDisabled)},
                   0,
                   false}));

TEST_F(ShineTest, NewButtonIs25SquareUpAndIgnoresDownOutsideAGroup) {
  CountingButton* b = AddButton(50, 20);
  EXPECT_EQ(b->Width(), 25);
  EXPECT_EQ(b->Height(), 25);
  EXPECT_EQ(b->Caption(), "");
  EXPECT_EQ(b->DrawState(), stUp);
  EXPECT_EQ(b->ControlStyle(), tk::csCaptureMouse | tk::csOpaque | tk::csDoubleClicks);
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(b->DrawState(), stUp);
}

TEST_F(ShineTest, EnterAndLeaveEventsFireForADisabledButtonWithoutChangingItsState) {
  CountingButton* b = AddButton(50, 20);
  std::vector<std::string> events;
  b->OnMouseEnter = tk::TMouseMoveEvent([&](tk::TObject* s, tk::TShiftState, int x, int y) {
    EXPECT_EQ(s, b);
    events.push_back("enter " + std::to_string(x) + "," + std::to_string(y));
  });
  b->OnMouseLeave = tk::TMouseMoveEvent([&](tk::TObject*, tk::TShiftState, int x, int y) {
    events.push_back("leave " + std::to_string(x) + "," + std::to_string(y));
  });
  b->SetEnabled(false);
  platform.MoveMouse(In);
  platform.MoveMouse(Out);
  // Client coordinates of the cursor at the time of each message.
  EXPECT_EQ(events, (std::vector<std::string>{"enter 10,10", "leave 100,60"}));
  EXPECT_EQ(b->DrawState(), stDisabled);
  EXPECT_FALSE(b->MouseInside());
}

TEST_F(ShineTest, TimerFiresTheLeaveOnceWhenTheCursorSlipsAway) {
  CountingButton* b = AddButton(50, 20);
  int leaves = 0;
  b->OnMouseLeave = tk::TMouseMoveEvent([&](tk::TObject*, tk::TShiftState, int, int) { ++leaves; });
  platform.MoveMouse(In);
  platform.SetCursor(Out);
  platform.AdvanceTime(1000);
  EXPECT_EQ(leaves, 1);
  EXPECT_EQ(b->DrawState(), stUp);
  EXPECT_FALSE(b->MouseInside());
}

TEST_F(ShineTest, ShiftStateOfTheEnterComesFromTheKeyboard) {
  CountingButton* b = AddButton(50, 20);
  tk::TShiftState seen = 0xFF;
  b->OnMouseEnter =
      tk::TMouseMoveEvent([&](tk::TObject*, tk::TShiftState s, int, int) { seen = s; });
  platform.PressButton(TMouseButton::mbLeft, In);  // the left button is down as it enters
  EXPECT_EQ(seen, tk::ssLeft);
}

TEST_F(ShineTest, WhileAnotherButtonHoldsTheMouseNoHoverLookIsTaken) {
  CountingButton* a = AddButton(50, 20);
  CountingButton* b = AddButton(100, 20);
  int bEnters = 0;
  b->OnMouseEnter =
      tk::TMouseMoveEvent([&](tk::TObject*, tk::TShiftState, int, int) { ++bEnters; });
  platform.PressButton(TMouseButton::mbLeft, In);
  platform.MoveMouse(Centre(*b));
  EXPECT_EQ(bEnters, 1);
  EXPECT_EQ(b->DrawState(), stUp);
  EXPECT_EQ(a->DrawState(), stUp);  // dragged out of A
  platform.ReleaseButton(TMouseButton::mbLeft, Centre(*b));
  EXPECT_EQ(b->DrawState(), stUp);  // no new enter message: the mouse was already over it
  platform.MoveMouse({Centre(*b).X + 1, Centre(*b).Y});
  EXPECT_EQ(b->DrawState(), stActive);
}

TEST_F(ShineTest, DoubleClickFiresOnlyOnADownButton) {
  CountingButton* loose = AddButton(20, 20);
  CountingButton* grouped = AddButton(100, 20);
  grouped->SetGroupIndex(1);
  int looseDbl = 0, groupedDbl = 0;
  loose->OnDblClick = tk::TNotifyEvent([&](tk::TObject*) { ++looseDbl; });
  grouped->OnDblClick = tk::TNotifyEvent([&](tk::TObject*) { ++groupedDbl; });
  platform.DoubleClick(Centre(*loose));
  platform.DoubleClick(Centre(*grouped));  // the first click puts it down
  EXPECT_EQ(looseDbl, 0);
  EXPECT_EQ(groupedDbl, 1);
  EXPECT_TRUE(grouped->Down());
}

}  // namespace
}  // namespace widgets::test
