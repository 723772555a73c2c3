#include <gtest/gtest.h>

#include "toolkit/controls/Control.h"

namespace tk {
namespace {

struct AccelCase {
  const char* caption;
  unsigned charCode;
  bool expected;
};

void PrintTo(const AccelCase& c, std::ostream* os) { *os << c.caption << " / " << c.charCode; }

class AcceleratorTest : public ::testing::TestWithParam<AccelCase> {};

TEST_P(AcceleratorTest, MatchesTheCharacterAfterTheAmpersand) {
  const auto& c = GetParam();
  EXPECT_EQ(TControl::IsAccel(c.charCode, c.caption), c.expected)
      << c.caption << " / " << c.charCode;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AcceleratorTest,
    ::testing::Values(AccelCase{"&Save", 'S', true}, AccelCase{"&Save", 's', true},
                      AccelCase{"Save", 'S', false}, AccelCase{"&&Save", 'S', false},
                      AccelCase{"A&&&B", 'B', true},  // "&&" literal, then "&B"
                      AccelCase{"&A&B", 'A', false},  // a later one replaces an earlier
                      AccelCase{"&A&B", 'B', true}, AccelCase{"Save&", '&', false},
                      AccelCase{"保存(&S)...", 'S', true},
                      AccelCase{"保&存", U'存', true},  // a multi-byte character taken whole
                      AccelCase{"&ä", U'Ä', false}));   // only ASCII letters ignore case

}  // namespace
}  // namespace tk
