// The group protocol: shine buttons and standard speed buttons of one parent and group index
// are one group; a member going down raises the others; AllowAllUp travels to every member.

#include "tests/widgets/shinespdbtn/ShineFixture.h"
#include "toolkit/controls/SpeedButton.h"

namespace widgets::test {
namespace {

using test::PrintTo;

using tk::TMouseButton;

class GroupTest : public ShineTest {
 protected:
  GroupTest() {
    a = AddButton(10, 10);
    b = AddButton(40, 10);
    standard = new tk::TSpeedButton(form.get());
    standard->SetParent(form.get());
    standard->SetBounds(70, 10, 23, 22);
    for (TShineSpeedButton* s : {a, b}) s->SetGroupIndex(1);
    standard->SetGroupIndex(1);
    a->OnClick = tk::TNotifyEvent([this](tk::TObject*) { ++aClicks; });
    b->OnClick = tk::TNotifyEvent([this](tk::TObject*) { ++bClicks; });
    platform.Idle();
  }
  void ClickOn(const tk::TControl& c) {
    platform.PressButton(TMouseButton::mbLeft, Centre(c));
    platform.ReleaseButton(TMouseButton::mbLeft, Centre(c));
    platform.MoveMouse(kOutside);
  }

  CountingButton* a;
  CountingButton* b;
  tk::TSpeedButton* standard;
  int aClicks = 0, bClicks = 0;
};

TEST_F(GroupTest, ClickingMembersMovesTheDownButtonAndClickingItAgainKeepsIt) {
  ClickOn(*a);
  EXPECT_TRUE(a->Down());
  ClickOn(*b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->DrawState(), stUp);
  ClickOn(*b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->DrawState(), stDown);
  EXPECT_EQ(aClicks, 1);
  EXPECT_EQ(bClicks, 2);
}

TEST_F(GroupTest, WithAllowAllUpClickingTheDownButtonRaisesIt) {
  a->SetAllowAllUp(true);
  ClickOn(*a);
  ASSERT_TRUE(a->Down());
  ClickOn(*a);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->DrawState(), stUp);
}

TEST_F(GroupTest, AllowAllUpTravelsToEveryMemberOfTheGroupInTheParentOnly) {
  CountingButton* other = AddButton(10, 50);
  other->SetGroupIndex(2);
  TShineSpeedButton orphan(nullptr);
  orphan.SetGroupIndex(1);

  b->SetAllowAllUp(true);
  EXPECT_TRUE(a->AllowAllUp());
  EXPECT_TRUE(standard->AllowAllUp());
  EXPECT_FALSE(other->AllowAllUp());
  EXPECT_FALSE(orphan.AllowAllUp());

  standard->SetAllowAllUp(false);
  EXPECT_FALSE(a->AllowAllUp());
  EXPECT_FALSE(b->AllowAllUp());
}

TEST_F(GroupTest, StandardAndShineButtonsRaiseEachOther) {
  a->SetDown(true);
  standard->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_EQ(a->DrawState(), stUp);
  b->SetDown(true);
  EXPECT_FALSE(standard->Down());
  EXPECT_TRUE(b->Down());
}

TEST_F(GroupTest, TheTemporarySenderIsGoneAfterTheBroadcast) {
  const int controls = form->ControlCount(), components = form->ComponentCount();
  a->SetDown(true);
  a->SetAllowAllUp(true);
  a->SetGroupIndex(3);
  EXPECT_EQ(form->ControlCount(), controls);
  EXPECT_EQ(form->ComponentCount(), components);
}

TEST_F(GroupTest, MessagesForAnotherGroupWithoutSenderOrFromTheOwnSenderChangeNothing) {
  b->SetDown(true);
  tk::TSpeedButton sender(nullptr);
  sender.SetGroupIndex(1);
  sender.SetAllowAllUp(true);
  // A down sender is needed to raise b; it is not in the form, so it broadcast nothing itself.
  sender.SetDown(true);
  ASSERT_TRUE(sender.Down());
  auto lp = reinterpret_cast<std::intptr_t>(static_cast<tk::TObject*>(&sender));

  b->Perform(tk::CM_BUTTONPRESSED, 2, lp);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(b->AllowAllUp());
  b->Perform(tk::CM_BUTTONPRESSED, 1, 0);
  EXPECT_TRUE(b->Down());

  b->Perform(tk::CM_BUTTONPRESSED, 1, lp);
  EXPECT_FALSE(b->Down());
  EXPECT_TRUE(b->AllowAllUp());
  EXPECT_EQ(b->DrawState(), stUp);
}

TEST_F(GroupTest, RaisingByTheGroupDoesNotBroadcastAgain) {
  // If the raised member told the group, the standard button would copy its AllowAllUp back.
  a->SetDown(true);
  int broadcasts = 0;
  struct Listener : tk::TSpeedButton {
    int* count;
    Listener(tk::TComponent* o, int* c) : TSpeedButton(o), count(c) {}
    void Dispatch(tk::TMessage& m) override {
      if (m.Msg == tk::CM_BUTTONPRESSED) ++*count;
      TSpeedButton::Dispatch(m);
    }
  };
  auto* listener = new Listener(form.get(), &broadcasts);
  listener->SetParent(form.get());
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
  // b's temporary sender: group index, AllowAllUp unchanged (false), Down -> two messages from
  // the sender setting itself up plus b's own broadcast; nothing from a.
  EXPECT_EQ(broadcasts, 3);
}

TEST_F(GroupTest, ButtonWithoutParentOnlyStoresTheIndex) {
  TShineSpeedButton loose(nullptr);
  loose.SetGroupIndex(5);
  EXPECT_EQ(loose.GroupIndex(), 5);
  loose.SetDown(true);
  EXPECT_TRUE(loose.Down());
  EXPECT_EQ(loose.DrawState(), stDown);
  EXPECT_TRUE(a->Down() == false && b->Down() == false);
}

struct SetDownCase {
  const char* name;
  int group;
  bool allowAllUp;
  bool startDown;
  bool value;
  bool downAfter;
  TShineDrawState stateAfter;
  int immediatePaints;
};

using SetDownTest = ShineCaseTest<SetDownCase>;

TEST_P(SetDownTest, FollowsTheGroupRules) {
  const SetDownCase& c = GetParam();
  CountingButton* button = AddButton(50, 20);
  button->SetGroupIndex(c.group);
  button->SetAllowAllUp(c.allowAllUp);
  if (c.startDown) {
    button->SetDown(true);
    ASSERT_TRUE(button->Down());
  }
  platform.Idle();
  const int before = button->paints;
  button->SetDown(c.value);
  EXPECT_EQ(button->paints - before, c.immediatePaints);
  EXPECT_EQ(button->Down(), c.downAfter);
  EXPECT_EQ(button->DrawState(), c.stateAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SetDownTest,
    ::testing::Values(
        SetDownCase{"OutsideAGroupIgnored", 0, true, false, true, false, stUp, 0},
        SetDownCase{"SameValueIgnored", 1, false, true, true, true, stDown, 0},
        SetDownCase{"GoesDownAndRepaintsAtOnce", 1, false, false, true, true, stDown, 1},
        SetDownCase{"DownWithoutAllUpCannotBeRaised", 1, false, true, false, true, stDown, 0},
        SetDownCase{"AllUpRaisesAndRepaintsAtOnce", 1, true, true, false, false, stUp, 1}));

}  // namespace
}  // namespace widgets::test
