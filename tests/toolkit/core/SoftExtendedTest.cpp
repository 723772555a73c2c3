// The software extended number against the x87, bit for bit: millions of operations on random
// operands and on the edges (ties, carries into the exponent, subnormal and overflowing results,
// zeros, infinities, NaN), and the gradient's own chains of operations. Only a processor with the
// x87 has something to compare with; elsewhere the tests are skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <utility>

#include "toolkit/core/ExtendedPrecision.h"

namespace tk {
namespace {

// The 80 bits as the x87 keeps them in its first ten bytes: significand, then sign and exponent.
struct Bits {
  std::uint64_t significand;
  std::uint16_t signExponent;
  bool operator==(const Bits&) const = default;
};
void PrintTo(const Bits& b, std::ostream* os) {
  *os << std::hex << b.signExponent << ':' << b.significand;
}
Bits BitsOf(TSoftExtended x) { return {x.Significand(), x.SignExponent()}; }

#if defined(__i386__) || defined(__x86_64__)
constexpr bool kHasX87 = true;
using X87 = long double;
Bits BitsOf(X87 x) {
  Bits b;
  std::memcpy(&b, &x, 10);
  return b;
}
X87 ToX87(TSoftExtended s) {
  X87 x{};
  const Bits b = BitsOf(s);
  std::memcpy(&x, &b, 10);
  return x;
}
#else
constexpr bool kHasX87 = false;
using X87 = TSoftExtended;  // the tests skip before computing with it
X87 ToX87(TSoftExtended s) { return s; }
#endif

using Rng = std::mt19937_64;
constexpr std::uint64_t kLead = std::uint64_t{1} << 63;
constexpr int kBias = 16383, kTop = 0x7FFE;  // kTop: the largest finite exponent field

// Where the second operand's exponent field lies: anywhere, near the first's, or where the
// product or quotient of the two lands at the overflow or the subnormal edge.
enum class Partner { kAnywhere, kNear, kAtTheEdges };
// Significands: random; few bits set (exact results and ties); near all ones (rounding carries
// into the exponent); whole numbers of the drawing's range; zeros, infinities and NaN among them.
enum class Digits { kRandom, kSparse, kNearAllOnes, kWhole, kSpecial };

struct OperandCase {
  const char* Name;
  int low, high;  // the first operand's exponent field (0: subnormal)
  Partner partner;
  int spread;  // how far the second's field strays
  Digits digits;
};
void PrintTo(const OperandCase& c, std::ostream* os) { *os << c.Name; }

const OperandCase kOperandCases[] = {
    {"AnyExponent", 0, kTop, Partner::kAnywhere, 0, Digits::kRandom},
    {"CloseExponents", 70, kTop - 70, Partner::kNear, 70, Digits::kRandom},
    {"Ties", kBias - 40, kBias + 40, Partner::kNear, 66, Digits::kSparse},
    {"Carries", kBias - 40, kBias + 40, Partner::kNear, 70, Digits::kNearAllOnes},
    {"Subnormals", 0, 200, Partner::kNear, 200, Digits::kRandom},
    {"Limits", 1, kTop, Partner::kAtTheEdges, 66, Digits::kNearAllOnes},
    {"WholeNumbers", 0, 0, Partner::kAnywhere, 0, Digits::kWhole},
    {"Specials", 0, kTop, Partner::kAnywhere, 0, Digits::kSpecial},
};

int Field(Rng& r, int low, int high) { return std::uniform_int_distribution(low, high)(r); }

TSoftExtended Draw(Rng& r, Digits digits, int field) {
  const auto make = [&](std::uint64_t significand) {
    return TSoftExtended::FromBits(static_cast<std::uint16_t>((r() & 0x8000) | field),
                                   (field ? kLead : 0) | (significand & ~kLead));
  };
  switch (digits) {
    case Digits::kSparse: return make(r() & r() & r() & r() & r() & r());
    case Digits::kNearAllOnes: return make((r() & 1) ? ~(r() & 0xFF) : r());
    case Digits::kWhole: return (r() & 3) ? TSoftExtended(static_cast<int>(r() % 1021) - 510) : 255;
    case Digits::kSpecial:  // zeros, infinities and the NaN among finite numbers
      switch (r() % 4) {
        case 0: field = 0; return make(0);
        case 1: field = 0x7FFF; return make(kLead);
        case 2: return TSoftExtended(0) / 0;
      }
      [[fallthrough]];
    default: return make(r());
  }
}

std::pair<TSoftExtended, TSoftExtended> DrawPair(Rng& r, const OperandCase& c) {
  const int first = Field(r, c.low, c.high);
  int second = Field(r, c.low, c.high);
  if (c.partner == Partner::kNear) second = first + Field(r, -c.spread, c.spread);
  if (c.partner == Partner::kAtTheEdges) {
    second = ((r() & 1) ? kTop + kBias : kBias) - first + Field(r, -c.spread, c.spread);
    if (r() & 1) second = 2 * kBias - second;  // the same edge for the quotient
  }
  return {Draw(r, c.digits, first), Draw(r, c.digits, std::clamp(second, 0, kTop))};
}

class SoftExtendedTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!kHasX87) GTEST_SKIP() << "no x87 on this processor to compare with";
  }
  TExtendedPrecision FPrecision;  // the x87 at its full 64 bits, also on Windows
};
class OperationsTest : public SoftExtendedTest, public testing::WithParamInterface<OperandCase> {};

template <class T>
T Apply(int op, T a, T b) {
  return op == 0 ? a + b : op == 1 ? a - b : op == 2 ? a * b : a / b;
}

TEST_P(OperationsTest, EveryResultIsTheX87s) {
  Rng rng(0x5EED);
  for (int n = 0; n < 250'000; ++n) {
    const auto [a, b] = DrawPair(rng, GetParam());
    const auto operands = [&] {
      return testing::PrintToString(BitsOf(a)) + " and " + testing::PrintToString(BitsOf(b));
    };
    for (int op = 0; op < 4; ++op)
      ASSERT_EQ(BitsOf(Apply(op, a, b)), BitsOf(Apply(op, ToX87(a), ToX87(b))))
          << "+-*/"[op] << " of " << operands();
    if ((a.SignExponent() & 0x7FFF) < kBias + 63) {  // below 2^63
      ASSERT_EQ(Trunc(a), Trunc(ToX87(a))) << operands();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Operands, OperationsTest, testing::ValuesIn(kOperandCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SoftExtendedTest, WholeNumbersConvertExactly) {
  Rng rng(0x7E57);
  for (int n = 0; n < 100'000; ++n) {
    const auto whole = static_cast<long long>(rng() >> (rng() % 64));
    ASSERT_EQ(BitsOf(TSoftExtended(whole)), BitsOf(static_cast<X87>(whole))) << whole;
  }
  constexpr long long kSmallest = std::numeric_limits<long long>::min();
  EXPECT_EQ(BitsOf(TSoftExtended(kSmallest)), BitsOf(static_cast<X87>(kSmallest)));
}

// Every colour table component from each start to each end: 254 subtractions of
// (start - end) / 255, each also truncated; every band of boxes up to 8192 pixels.
TEST_F(SoftExtendedTest, TheGradientsOwnArithmetic) {
  for (int start = 0; start <= 255; ++start)
    for (int end = 0; end <= 255; ++end) {
      const TSoftExtended delta = TSoftExtended(start - end) / 255;
      const X87 x87Delta = static_cast<X87>(start - end) / 255;
      TSoftExtended acc = start;
      X87 x87Acc = start;
      for (int i = 1; i <= 254; ++i) {
        acc -= delta;
        x87Acc -= x87Delta;
        ASSERT_EQ(BitsOf(acc), BitsOf(x87Acc)) << start << " to " << end << ", entry " << i;
        ASSERT_EQ(Trunc(acc), Trunc(x87Acc)) << start << " to " << end << ", entry " << i;
      }
    }
  for (int size = 0; size <= 8192; ++size) {
    const TSoftExtended step = TSoftExtended(size) / 255;
    const X87 x87Step = static_cast<X87>(size) / 255;
    ASSERT_EQ(Trunc(step + 1), Trunc(x87Step + 1)) << size;
    for (int i = 0; i <= 255; ++i)
      ASSERT_EQ(BitsOf(TSoftExtended(i) * step), BitsOf(static_cast<X87>(i) * x87Step)) << size;
  }
}

}  // namespace
}  // namespace tk
