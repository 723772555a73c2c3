// Frames and faces in pixels, worked out line by line from the frame table on a 6 x 5 button:
// every line leaves out its end point, so some corner pixels keep the face colour.

#include <cmath>

#include "tests/widgets/shinespdbtn/ShineFixture.h"

namespace widgets::test {
namespace {

using test::PrintTo;

// Raised set: upper case; pressed set: lower case. Faces F and f.
const std::map<char, std::uint32_t> kPixels = {{'H', 0xFF0000}, {'S', 0x00FF00}, {'D', 0x0000FF},
                                               {'F', 0x808080}, {'h', 0xFFFF00}, {'s', 0xFF00FF},
                                               {'d', 0x00FFFF}, {'f', 0x404040}};

class FrameTest : public ShineTest {
 protected:
  CountingButton* Button6x5() {
    CountingButton* b = AddButton(20, 20, 6, 5);
    TShineBtnColors& raised = b->Colors();
    raised.SetHighlight(0x0000FF);  // colours are 0x00BBGGRR, pixels 0x00RRGGBB
    raised.SetShadow(0x00FF00);
    raised.SetDarkShadow(0xFF0000);
    raised.SetColor(0x808080);
    TShineBtnColors& pressed = b->PressedColors();
    pressed.SetHighlight(0x00FFFF);
    pressed.SetShadow(0xFF00FF);
    pressed.SetDarkShadow(0xFFFF00);
    pressed.SetColor(0x404040);
    platform.Idle();
    return b;
  }
  void ExpectArt(const tk::TControl& b, const std::vector<std::string>& art) {
    platform.Idle();
    for (int y = 0; y < static_cast<int>(art.size()); ++y)
      for (int x = 0; x < static_cast<int>(art[0].size()); ++x)
        EXPECT_EQ(Pixel(b.Left() + x, b.Top() + y), kPixels.at(art[y][x])) << x << "," << y;
  }
};

struct FrameCase {
  const char* name;
  TFrameType type;
  TShineDrawState state;
  std::vector<std::string> art;
};

using FrameTypeTest = ShineCaseTest<FrameCase, FrameTest>;

TEST_P(FrameTypeTest, LinesAsTheTableDrawsThem) {
  CountingButton* b = Button6x5();
  b->SetFrameType(GetParam().type);
  Reach(*b, GetParam().state);
  ExpectArt(*b, GetParam().art);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameTypeTest,
    ::testing::Values(
        FrameCase{
            "FlatRaised", ftFlatFrame, stUp, {"HHHHHF", "HFFFFS", "HFFFFS", "HFFFFS", "FSSSSS"}},
        FrameCase{
            "FlatPressed", ftFlatFrame, stDown, {"sssssf", "sffffh", "sffffh", "sffffh", "fhhhhh"}},
        FrameCase{"NormalRaised",
                  ftNormalFrame,
                  stUp,
                  {"HHHHHF", "HFFFSD", "HFFFSD", "HSSSSD", "FDDDDD"}},
        FrameCase{"NormalPressed",
                  ftNormalFrame,
                  stDown,
                  {"dddddf", "dssssh", "dsfffh", "dsfffh", "fhhhhh"}},
        // The enclosing outline always takes DarkShadow of the raised set.
        FrameCase{"EnclosedRaised",
                  ftEnclosedFrame,
                  stUp,
                  {"DDDDDD", "DHHHFD", "DHFFSD", "DFSSSD", "DDDDDD"}},
        FrameCase{"EnclosedPressed",
                  ftEnclosedFrame,
                  stDown,
                  {"DDDDDD", "DsssfD", "DsffhD", "DfhhhD", "DDDDDD"}}));

struct FrameSwitchCase {
  const char* name;
  TShineDrawState state;
  bool activeFrame, upFrame, downFrame;
  char look;  // 'R' raised frame, 'P' pressed frame, 'F' / 'f' plain face
};

using FrameSwitchTest = ShineCaseTest<FrameSwitchCase, FrameTest>;

TEST_P(FrameSwitchTest, EachLookHasItsSwitch) {
  const FrameSwitchCase& c = GetParam();
  CountingButton* b = Button6x5();
  b->SetActiveFrame(c.activeFrame);
  b->SetUpFrame(c.upFrame);
  b->SetDownFrame(c.downFrame);
  Reach(*b, c.state);
  switch (c.look) {
    case 'R': ExpectArt(*b, {"HHHHHF", "HFFFSD", "HFFFSD", "HSSSSD", "FDDDDD"}); break;
    case 'P': ExpectArt(*b, {"dddddf", "dssssh", "dsfffh", "dsfffh", "fhhhhh"}); break;
    default: ExpectArt(*b, std::vector<std::string>(5, std::string(6, c.look))); break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Switches, FrameSwitchTest,
    ::testing::Values(
        FrameSwitchCase{"UpWithUpFrame", stUp, false, true, false, 'R'},
        FrameSwitchCase{"UpWithoutUpFrame", stUp, true, false, true, 'F'},
        FrameSwitchCase{"ActiveWithActiveFrame", stActive, true, false, false, 'R'},
        FrameSwitchCase{"ActiveWithoutActiveFrame", stActive, false, true, true, 'F'},
        FrameSwitchCase{"DisabledWithUpFrame", stDisabled, false, true, false, 'R'},
        FrameSwitchCase{"DisabledWithoutUpFrame", stDisabled, true, false, true, 'F'},
        FrameSwitchCase{"DownWithDownFrame", stDown, false, false, true, 'P'},
        FrameSwitchCase{"DownWithoutDownFrame", stDown, true, true, false, 'f'},
        FrameSwitchCase{"ActiveDownWithActiveFrame", stActiveDown, true, false, false, 'P'},
        FrameSwitchCase{"ActiveDownWithoutActiveFrame", stActiveDown, false, true, true, 'f'}));

TEST_F(ShineTest, DefaultButtonHasTheRaisedNormalFrameInSystemColours) {
  CountingButton* b = AddButton(20, 20);
  const std::uint32_t face = tk::ColorToPixel(tk::clBtnFace);
  const std::uint32_t light = tk::ColorToPixel(tk::clBtnHighlight);
  const std::uint32_t shadow = tk::ColorToPixel(tk::clBtnShadow);
  const std::uint32_t dark = tk::ColorToPixel(tk::clWindowFrame);
  const std::uint32_t pressedFace = tk::ColorToPixel(tk::clBtnHighlight);
  EXPECT_EQ(Pixel(20, 20), light);
  EXPECT_EQ(Pixel(44, 20), face);  // (W-1, 0): no line reaches it
  EXPECT_EQ(Pixel(20, 44), face);  // (0, H-1)
  EXPECT_EQ(Pixel(44, 44), dark);
  EXPECT_EQ(Pixel(43, 43), shadow);
  EXPECT_EQ(Pixel(32, 32), face);
  Reach(*b, stActiveDown);
  EXPECT_EQ(Pixel(32, 32), pressedFace);
  EXPECT_EQ(Pixel(20, 20), tk::ColorToPixel(tk::clWindowFrame));
  EXPECT_EQ(Pixel(21, 21), shadow);
  EXPECT_EQ(Pixel(44, 44), light);
}

// The face: a solid colour or a 256-entry ramp stretched over the button.

class FaceTest : public ShineTest {
 protected:
  FaceTest() { form->SetBounds(0, 0, 300, 300); }
  CountingButton* Plain(int w, int h) {
    CountingButton* b = AddButton(10, 10, w, h);
    b->SetUpFrame(false);
    b->SetDownFrame(false);
    b->SetActiveFrame(false);
    return b;
  }
  // Per channel: from + (to - from) * i / 255, the fraction cut toward zero.
  static std::uint32_t Entry(std::uint32_t from, std::uint32_t to, int i) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const double f = (from >> shift) & 0xFF, t = (to >> shift) & 0xFF;
      out |= static_cast<std::uint32_t>(f + std::trunc((t - f) * i / 255.0)) << shift;
    }
    return out;
  }
};

TEST_F(FaceTest, RampEntriesCutTowardZero) {
  // Pixel channels: red 200 -> 10 falls (1 * -190 / 255 is cut to 0), green 0 -> 255 rises,
  // blue 255 -> 0.
  EXPECT_EQ(Entry(0xC800FF, 0x0AFF00, 1), 0xC801FEu);
  EXPECT_EQ(Entry(0xC800FF, 0x0AFF00, 128), 0x69807Fu);
  CountingButton* b = Plain(256, 20);
  b->Colors().SetColor(0xFF00C8);      // pixel 0xC800FF
  b->Colors().SetGradColor(0x00FF0A);  // pixel 0x0AFF00
  b->Colors().SetGradation(true);
  platform.Idle();
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(Pixel(10 + i, 10), Entry(0xC800FF, 0x0AFF00, i)) << i;
    ASSERT_EQ(Pixel(10 + i, 29), Entry(0xC800FF, 0x0AFF00, i)) << i;
  }
}

// Form text may make a button of any size; painting composes only what the form shows (a
// whole face of 256 x 20,000,000 pixels would not fit in memory).
TEST_F(FaceTest, ButtonFarLargerThanTheFormPaintsWhatTheFormShows) {
  CountingButton* b = Plain(256, 20'000'000);
  b->Colors().SetColor(0xFF00C8);
  b->Colors().SetGradColor(0x00FF0A);
  b->Colors().SetGradation(true);
  platform.Idle();
  for (int i = 0; i < 256; i += 15) {
    ASSERT_EQ(Pixel(10 + i, 10), Entry(0xC800FF, 0x0AFF00, i)) << i;
    ASSERT_EQ(Pixel(10 + i, 299), Entry(0xC800FF, 0x0AFF00, i)) << i;
  }
}

TEST_F(FaceTest, VerticalRampRunsTopToBottom) {
  CountingButton* b = Plain(7, 256);
  b->Colors().SetColor(0x000000);
  b->Colors().SetGradColor(0x3050F0);  // pixel 0xF05030
  b->Colors().SetGradVertical(true);
  b->Colors().SetGradation(true);
  platform.Idle();
  for (int i = 0; i < 256; ++i) ASSERT_EQ(Pixel(13, 10 + i), Entry(0, 0xF05030, i)) << i;
  EXPECT_EQ(Pixel(10, 10), Pixel(16, 10));
}

TEST_F(FaceTest, ShrunkRampStartsWithColorAndEndsWithGradColor) {
  CountingButton* b = Plain(25, 25);
  b->Colors().SetColor(tk::clBlack);
  b->Colors().SetGradColor(tk::clWhite);
  b->Colors().SetGradation(true);
  platform.Idle();
  EXPECT_EQ(Pixel(10, 20), 0x000000u);
  EXPECT_EQ(Pixel(34, 20), 0xFFFFFFu);
  // In between, ramp entries in rising order, repeated or dropped but never blended.
  std::uint32_t last = 0;
  for (int x = 10; x < 35; ++x) {
    const std::uint32_t p = Pixel(x, 20);
    EXPECT_TRUE((p & 0xFF) == (p >> 8 & 0xFF) && (p & 0xFF) == (p >> 16)) << x;
    EXPECT_GE(p, last) << x;
    last = p;
  }
}

TEST_F(FaceTest, PressedLookTakesThePressedSetsGradient) {
  CountingButton* b = Plain(25, 25);
  b->Colors().SetGradation(true);
  b->PressedColors().SetColor(0x0000FF);
  b->PressedColors().SetGradColor(0xFF0000);
  b->PressedColors().SetGradVertical(true);
  b->PressedColors().SetGradation(true);
  Reach(*b, stDown);
  EXPECT_EQ(Pixel(20, 10), 0xFF0000u);
  EXPECT_EQ(Pixel(20, 34), 0x0000FFu);
}

TEST_F(FaceTest, TransparentButtonLeavesTheFormShowingAndKeepsItsFrame) {
  CountingButton* b = AddButton(10, 10, 6, 5);
  b->Colors().SetColor(0x808080);
  b->Colors().SetHighlight(0x0000FF);
  b->SetTransparent(true);
  platform.Idle();
  EXPECT_EQ(Pixel(12, 12), 0xFFFFFFu);  // the form's white
  EXPECT_EQ(Pixel(10, 10), 0xFF0000u);  // the frame's highlight
}

}  // namespace
}  // namespace widgets::test
