#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "tests/support/TextCase.h"
#include "toolkit/controls/Application.h"
#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

using test::TextCase;

class ErrorReportTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorReportTextTest, AddsADotAfterCharactersAboveTheDot) {
  EXPECT_EQ(ErrorReportText(GetParam().Input), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Endings, ErrorReportTextTest,
                         ::testing::Values(TextCase{"", ""}, TextCase{"done.", "done."},
                                           TextCase{"abc", "abc."}, TextCase{"code 7", "code 7."},
                                           TextCase{"really?", "really?."},
                                           TextCase{"(x)", "(x)"},  // ')' is 0x29, below '.'
                                           TextCase{"a-", "a-"},    // '-' is 0x2D
                                           TextCase{"a/", "a/."},   // '/' is 0x2F
                                           TextCase{"不正です", "不正です."},
                                           TextCase{"終わり。", "終わり。."}));

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
