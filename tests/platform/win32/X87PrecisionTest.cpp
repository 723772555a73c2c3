// The gradient arithmetic relies on long double with a 64-bit significand. On Windows, 32-bit
// and 64-bit alike, long double is the x87 extended type, but the x87 precision-control field
// decides how many bits every operation keeps: 64-bit Windows starts each thread at 53 bits, and
// a 32-bit runtime may lower it so. TExtendedPrecision must give the full 64 bits from any
// starting state and put the caller's state back.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "toolkit/core/ExtendedPrecision.h"

static_assert(tk::TExtendedPrecision::kGuardsX87,
              "the precision guard must act on Windows for x86");

namespace tk {
namespace {

constexpr unsigned kPrecisionBits = 0x0300u;
constexpr unsigned kPrecision53 = 0x0200u;
constexpr unsigned kPrecision64 = 0x0300u;

unsigned Precision() { return TExtendedPrecision::X87ControlWord() & kPrecisionBits; }

// Lowers the x87 to double precision for a test's lifetime, as a 64-bit Windows thread starts.
class TDoublePrecisionThread {
 public:
  TDoublePrecisionThread() : FSaved(TExtendedPrecision::X87ControlWord()) {
    TExtendedPrecision::SetX87ControlWord(
        static_cast<unsigned short>((FSaved & ~kPrecisionBits) | kPrecision53));
  }
  ~TDoublePrecisionThread() { TExtendedPrecision::SetX87ControlWord(FSaved); }

 private:
  unsigned short FSaved;
};

bool SumDiffersFromOne(int exponent) {
  volatile long double one = 1.0L;
  volatile long double tiny = std::ldexp(1.0L, -exponent);
  volatile long double sum = one + tiny;
  return sum != one;
}

// 1 + 2^-k computed at run time: with 64 bits the sum differs from 1 up to k = 63 (k = 64 is a
// tie and rounds to the even 1); with 53 bits it is already 1 from k = 53 on.
struct TSumCase {
  int Exponent;
  bool DiffersAt64Bits;
  bool DiffersAt53Bits;
};

void PrintTo(const TSumCase& c, std::ostream* os) { *os << "1 + 2^-" << c.Exponent; }

class X87Precision : public testing::TestWithParam<TSumCase> {};

TEST_P(X87Precision, GuardGivesSixtyFourBitsAndRestoresTheCallers) {
  TDoublePrecisionThread thread;
  ASSERT_EQ(Precision(), kPrecision53);
  EXPECT_EQ(SumDiffersFromOne(GetParam().Exponent), GetParam().DiffersAt53Bits);
  {
    TExtendedPrecision guard;
    EXPECT_EQ(Precision(), kPrecision64);
    EXPECT_EQ(SumDiffersFromOne(GetParam().Exponent), GetParam().DiffersAt64Bits);
  }
  EXPECT_EQ(Precision(), kPrecision53);
}

INSTANTIATE_TEST_SUITE_P(Exponents, X87Precision,
                         testing::Values(TSumCase{52, true, true}, TSumCase{53, true, false},
                                         TSumCase{60, true, false}, TSumCase{63, true, false},
                                         TSumCase{64, false, false}),
                         [](const auto& info) { return std::to_string(info.param.Exponent); });

}  // namespace
}  // namespace tk
