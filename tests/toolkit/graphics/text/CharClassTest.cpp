#include <gtest/gtest.h>

#include "toolkit/graphics/text/CharClass.h"

namespace tk {
namespace {

struct WidthCase {
  char32_t Code;
  bool Wide;
};

class WideCharacters : public testing::TestWithParam<WidthCase> {};

TEST_P(WideCharacters, AreThoseOfTwoCells) {
  EXPECT_EQ(IsWideCharacter(GetParam().Code), GetParam().Wide)
      << std::hex << static_cast<unsigned>(GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Text, WideCharacters,
                         testing::Values(WidthCase{U'a', false}, WidthCase{U'\u00E9', false},
                                         WidthCase{U'\u3000', true},   // ideographic space
                                         WidthCase{U'\u3042', true},   // hiragana a
                                         WidthCase{U'\u30FC', true},   // prolonged sound mark
                                         WidthCase{U'\u6708', true},   // 月
                                         WidthCase{U'\uFF2D', true},   // full-width M
                                         WidthCase{U'\uFF71', false},  // half-width katakana
                                         WidthCase{U'\uFF61', false},  // half-width full stop
                                         WidthCase{U'\u4DC0', false},  // hexagram symbol
                                         WidthCase{U'\U00020B9F', true}));

}  // namespace
}  // namespace tk
