#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gtk/DoubleClick.h"

namespace gtkui {
namespace {

struct Press {
  unsigned button;
  std::uint32_t time;
  int x;
  int y;
};

struct ClickCase {
  const char* name;
  std::vector<Press> presses;
  std::vector<bool> doubles;  // what each press is, with a 400 ms time and a 5-pixel distance
};

class DoubleClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(DoubleClickTest, TellsWhichPressesAreDoubleClicks) {
  TDoubleClickDetector detector(400, 5);
  std::vector<bool> seen;
  for (const Press& p : GetParam().presses)
    seen.push_back(detector.Press(p.button, p.time, p.x, p.y));
  EXPECT_EQ(seen, GetParam().doubles);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DoubleClickTest,
    ::testing::Values(
        ClickCase{"Pair", {{1, 1000, 10, 10}, {1, 1200, 10, 10}}, {false, true}},
        ClickCase{"AtTheTimeLimit", {{1, 1000, 10, 10}, {1, 1400, 10, 10}}, {false, true}},
        ClickCase{"TooSlow", {{1, 1000, 10, 10}, {1, 1401, 10, 10}}, {false, false}},
        ClickCase{"AtTheDistanceLimit", {{1, 0, 10, 10}, {1, 100, 15, 5}}, {false, true}},
        ClickCase{"TooFarAcross", {{1, 0, 10, 10}, {1, 100, 16, 10}}, {false, false}},
        ClickCase{"TooFarDown", {{1, 0, 10, 10}, {1, 100, 10, 4}}, {false, false}},
        ClickCase{"OtherButton", {{1, 0, 10, 10}, {3, 100, 10, 10}}, {false, false}},
        ClickCase{"RightButtonPair", {{3, 0, 10, 10}, {3, 100, 10, 10}}, {false, true}},
        // A third quick press starts a new pair; the fourth completes it.
        ClickCase{"FourQuickPresses",
                  {{1, 0, 10, 10}, {1, 100, 10, 10}, {1, 200, 10, 10}, {1, 300, 10, 10}},
                  {false, true, false, true}},
        // The slow press becomes the first of a new pair.
        ClickCase{
            "SlowThenQuick", {{1, 0, 1, 1}, {1, 900, 1, 1}, {1, 1000, 1, 1}}, {false, false, true}},
        // The server's millisecond clock wraps around after 49 days.
        ClickCase{"AcrossTheClockWrap", {{1, 0xFFFFFF00u, 0, 0}, {1, 0x50, 0, 0}}, {false, true}},
        ClickCase{"TimeGoingBack", {{1, 1000, 0, 0}, {1, 900, 0, 0}}, {false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DoubleClickDetectorTest, ResetForgetsThePreviousPress) {
  TDoubleClickDetector detector(400, 5);
  EXPECT_FALSE(detector.Press(1, 0, 0, 0));
  detector.Reset();
  EXPECT_FALSE(detector.Press(1, 50, 0, 0));
  EXPECT_TRUE(detector.Press(1, 100, 0, 0));
}

TEST(DoubleClickDetectorTest, NewLimitsApplyToTheNextPress) {
  TDoubleClickDetector detector(400, 5);
  detector.SetLimits(200, 1);
  EXPECT_FALSE(detector.Press(1, 0, 0, 0));
  EXPECT_FALSE(detector.Press(1, 300, 0, 0));
  EXPECT_FALSE(detector.Press(1, 400, 2, 0));
  EXPECT_TRUE(detector.Press(1, 500, 3, 1));
}

}  // namespace
}  // namespace gtkui
