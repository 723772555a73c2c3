// The gradient arithmetic relies on long double with a 64-bit significand. On 32-bit Windows
// long double is the x87 extended type, but the x87 precision-control field decides how many
// bits every operation keeps: Windows starts a thread at 53 bits, and only the C runtime's
// start-up (mingw-w64 links CRT_fp10.o by default; CRT_fp8.o would keep 53) widens it to 64.

#include <gtest/gtest.h>

#include <float.h>

#include <cmath>
#include <limits>
#include <ostream>

static_assert(sizeof(long double) > 8, "long double must be the x87 extended type");
static_assert(std::numeric_limits<long double>::digits == 64, "64-bit significand expected");

namespace tk {
namespace {

unsigned short X87ControlWord() {
  unsigned short word;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

struct TPrecisionReading {
  const char* Name;
  unsigned (*Read)();
  unsigned Expected;  // the reading for 64-bit precision
};

// The same field read straight from the FPU and through the C runtime's interface.
const TPrecisionReading kReadings[] = {
    {"fnstcw", [] { return unsigned{X87ControlWord()} & 0x0300u; }, 0x0300u},
    {"controlfp", [] { return _controlfp(0, 0) & _MCW_PC; }, unsigned{_PC_64}},
};

void PrintTo(const TPrecisionReading& reading, std::ostream* os) { *os << reading.Name; }

class X87Precision : public testing::TestWithParam<TPrecisionReading> {};

TEST_P(X87Precision, IsSixtyFourBitsWhenATestStarts) {
  EXPECT_EQ(GetParam().Read(), GetParam().Expected)
      << "control word " << std::hex << X87ControlWord();
}

INSTANTIATE_TEST_SUITE_P(Readings, X87Precision, testing::ValuesIn(kReadings),
                         [](const auto& info) { return std::string(info.param.Name); });

// 1 + 2^-k computed at run time: with 64 bits the sum differs from 1 up to k = 63 (k = 64 is a
// tie and rounds to the even 1); with 53 bits it would already be 1 from k = 53 on.
struct TSumCase {
  int Exponent;
  bool DiffersFromOne;
};

void PrintTo(const TSumCase& c, std::ostream* os) { *os << "1 + 2^-" << c.Exponent; }

class X87Sum : public testing::TestWithParam<TSumCase> {};

TEST_P(X87Sum, KeepsSixtyFourSignificantBits) {
  volatile long double one = 1.0L;
  volatile long double tiny = std::ldexp(1.0L, -GetParam().Exponent);
  volatile long double sum = one + tiny;
  EXPECT_EQ(sum != one, GetParam().DiffersFromOne) << "1 + 2^-" << GetParam().Exponent;
}

INSTANTIATE_TEST_SUITE_P(Exponents, X87Sum,
                         testing::Values(TSumCase{53, true}, TSumCase{60, true}, TSumCase{63, true},
                                         TSumCase{64, false}),
                         [](const auto& info) { return std::to_string(info.param.Exponent); });

}  // namespace
}  // namespace tk
