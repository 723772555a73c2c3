#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "toolkit/controls/Application.h"
#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

struct DotCase {
  const char* message;
  const char* shown;
};

void PrintTo(const DotCase& c, std::ostream* os) { *os << c.message; }

class ErrorReportTextTest : public ::testing::TestWithParam<DotCase> {};

TEST_P(ErrorReportTextTest, AddsADotAfterCharactersAboveTheDot) {
  EXPECT_EQ(ErrorReportText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Endings, ErrorReportTextTest,
                         ::testing::Values(DotCase{"", ""}, DotCase{"done.", "done."},
                                           DotCase{"abc", "abc."}, DotCase{"code 7", "code 7."},
                                           DotCase{"really?", "really?."},
                                           DotCase{"(x)", "(x)"},  // ')' is 0x29, below '.'
                                           DotCase{"a-", "a-"},    // '-' is 0x2D
                                           DotCase{"a/", "a/."},   // '/' is 0x2F
                                           DotCase{"不正です", "不正です."},
                                           DotCase{"終わり。", "終わり。."}));

class TopLevelReportTest : public ::testing::Test {
 protected:
  TopLevelReportTest() {
    SetPlatform(&platform);
    Application().SetTitle("ぽてりんこ");
  }
  ~TopLevelReportTest() override { SetPlatform(nullptr); }
  headless::THeadlessPlatform platform;
};

TEST_F(TopLevelReportTest, HandlerErrorIsReportedAndTheLoopGoesOn) {
  bool after = false;
  Application().Guard([] { throw Exception("ビットマップイメージが不正です"); });
  Application().Guard([&] { after = true; });
  ASSERT_EQ(platform.Lines().size(), 1u);
  EXPECT_EQ(platform.Lines()[0],
            "error caption=\"ぽてりんこ\" text=\"ビットマップイメージが不正です.\"");
  EXPECT_TRUE(after);
}

TEST_F(TopLevelReportTest, NonStandardThrownValueShowsAnEmptyTextAndExitCodeIsZero) {
  const int code = RunGuarded([] { throw 42; });
  EXPECT_EQ(code, 0);
  ASSERT_EQ(platform.Lines().size(), 1u);
  EXPECT_EQ(platform.Lines()[0], "error caption=\"ぽてりんこ\" text=\"\"");
}

}  // namespace
}  // namespace tk
