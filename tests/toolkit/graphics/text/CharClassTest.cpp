#include <gtest/gtest.h>

#include "toolkit/graphics/text/CharClass.h"

namespace tk {
namespace {

struct TWidthCase {
  char32_t Code;
  bool Wide;
};

class WideCharacters : public testing::TestWithParam<TWidthCase> {};

TEST_P(WideCharacters, AreThoseOfTwoCells) {
  EXPECT_EQ(IsWideCharacter(GetParam().Code), GetParam().Wide)
      << std::hex << static_cast<unsigned>(GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Text, WideCharacters,
                         testing::Values(TWidthCase{U'a', false}, TWidthCase{U'\u00E9', false},
                                         TWidthCase{U'\u3000', true},   // ideographic space
                                         TWidthCase{U'\u3042', true},   // hiragana a
                                         TWidthCase{U'\u30FC', true},   // prolonged sound mark
                                         TWidthCase{U'\u6708', true},   // 月
                                         TWidthCase{U'\uFF2D', true},   // full-width M
                                         TWidthCase{U'\uFF71', false},  // half-width katakana
                                         TWidthCase{U'\uFF61', false},  // half-width full stop
                                         TWidthCase{U'\u4DC0', false},  // hexagram symbol
                                         TWidthCase{U'\U00020B9F', true}));

}  // namespace
}  // namespace tk
