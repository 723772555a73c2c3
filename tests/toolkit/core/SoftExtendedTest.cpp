// The software extended number against the x87, bit for bit: millions of operations on random
// operands and on the edges (ties, carries into the exponent, subnormal and overflowing results,
// zeros and infinities), and the chains of operations the gradient performs. Only a processor
// with the x87 has something to compare with; elsewhere the tests are skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "toolkit/core/ExtendedPrecision.h"
#include "toolkit/core/SoftExtended.h"

namespace tk {
namespace {

#if defined(__i386__) || defined(__x86_64__)
constexpr bool kHasX87 = true;
using X87 = long double;
// The x87 keeps its 80 bits in the first ten bytes: significand, then sign and exponent.
X87 ToX87(TSoftExtended s) {
  X87 x = 0;
  const std::uint64_t significand = s.Significand();
  const std::uint16_t signExponent = s.SignExponent();
  std::memcpy(&x, &significand, 8);
  std::memcpy(reinterpret_cast<char*>(&x) + 8, &signExponent, 2);
  return x;
}
TSoftExtended FromX87(X87 x) {
  std::uint64_t significand;
  std::uint16_t signExponent;
  std::memcpy(&significand, &x, 8);
  std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
  return TSoftExtended::FromBits(signExponent, significand);
}
#else
constexpr bool kHasX87 = false;
using X87 = TSoftExtended;  // only to compile: the tests skip before computing
X87 ToX87(TSoftExtended s) { return s; }
TSoftExtended FromX87(X87 x) { return x; }
#endif

using Rng = std::mt19937_64;
using Pair = std::pair<TSoftExtended, TSoftExtended>;
constexpr std::uint64_t kLead = std::uint64_t{1} << 63;
constexpr int kBias = 16383;

std::string Hex(TSoftExtended x) {
  char text[32];
  std::snprintf(text, sizeof text, "%04X:%016llX", x.SignExponent(),
                static_cast<unsigned long long>(x.Significand()));
  return text;
}

// A number with the given exponent field (0: subnormal) and significand bits below the lead.
TSoftExtended Make(Rng& rng, int field, std::uint64_t fraction) {
  const std::uint16_t sign = (rng() & 1) ? 0x8000 : 0;
  return TSoftExtended::FromBits(static_cast<std::uint16_t>(sign | field),
                                 (field ? kLead : 0) | (fraction & ~kLead));
}
int Field(Rng& rng, int low, int high) { return std::uniform_int_distribution(low, high)(rng); }
// Significands with only a few bits set, whose sums and products are often exact or ties.
std::uint64_t Sparse(Rng& rng) { return rng() & rng() & rng() & rng() & rng() & rng(); }
// Significands near all ones, where rounding carries into the exponent.
std::uint64_t NearAllOnes(Rng& rng) { return ~(rng() & 0xFF); }

struct OperandCase {
  const char* Name;
  std::function<Pair(Rng&)> Draw;
};

void PrintTo(const OperandCase& c, std::ostream* os) { *os << c.Name; }

const OperandCase kOperandCases[] = {
    {"AnyExponent",
     [](Rng& r) {
       return Pair{Make(r, Field(r, 0, 0x7FFE), r()), Make(r, Field(r, 0, 0x7FFE), r())};
     }},
    {"CloseExponents",
     [](Rng& r) {
       const int base = Field(r, 70, 0x7FFE - 70);
       return Pair{Make(r, base, r()), Make(r, base + Field(r, -70, 70), r())};
     }},
    {"SparseSignificandsTies",
     [](Rng& r) {
       const int base = Field(r, kBias - 40, kBias + 40);
       return Pair{Make(r, base, Sparse(r)), Make(r, base - Field(r, 0, 66), Sparse(r))};
     }},
    {"CarriesIntoTheExponent",
     [](Rng& r) {
       const int base = Field(r, kBias - 40, kBias + 40);
       return Pair{Make(r, base, NearAllOnes(r)),
                   Make(r, base - Field(r, 0, 70), (r() & 1) ? NearAllOnes(r) : r())};
     }},
    {"SubnormalResults",
     [](Rng& r) {
       const int a = Field(r, 0, 200);
       return Pair{Make(r, a, r()),
                   Make(r, (r() & 1) ? Field(r, 0, 200) : kBias + Field(r, -70, 70), r())};
     }},
    {"ProductsAndQuotientsAtTheLimits",
     [](Rng& r) {
       const int a = Field(r, 1, 0x7FFE), edge = (r() & 1) ? 0x7FFE + kBias : kBias;
       const int b = std::clamp(edge - a + Field(r, -66, 66), 0, 0x7FFE);
       return Pair{Make(r, a, (r() & 1) ? r() : NearAllOnes(r)),
                   Make(r, (r() & 1) ? b : 2 * kBias - b, r())};
     }},
    {"WholeNumbersAndZeros",
     [](Rng& r) {
       auto whole = [&] { return TSoftExtended(static_cast<long long>(r() % 1021) - 510); };
       return Pair{whole(), (r() % 4) ? whole() : TSoftExtended(255)};
     }},
    {"InfinitiesAndNaN",
     [](Rng& r) {
       auto special = [&] {
         switch (r() % 4) {
           case 0: return TSoftExtended::FromBits((r() & 1) ? 0xFFFF : 0x7FFF, kLead);
           case 1: return TSoftExtended::FromBits(0xFFFF, kLead | kLead >> 1);
           case 2: return TSoftExtended::FromBits((r() & 1) ? 0x8000 : 0, 0);
           default: return Make(r, Field(r, 0, 0x7FFE), r());
         }
       };
       return Pair{special(), special()};
     }},
};

enum class Op { kAdd, kSubtract, kMultiply, kDivide };
constexpr Op kOps[] = {Op::kAdd, Op::kSubtract, Op::kMultiply, Op::kDivide};
constexpr const char* kOpSigns[] = {" + ", " - ", " * ", " / "};

template <class T>
T Apply(Op op, T a, T b) {
  switch (op) {
    case Op::kAdd: return a + b;
    case Op::kSubtract: return a - b;
    case Op::kMultiply: return a * b;
    case Op::kDivide: return a / b;
  }
  return a;
}

// Compares results with the x87's; a description of the operation is made only for a mismatch.
class SoftExtendedTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!kHasX87) GTEST_SKIP() << "no x87 on this processor to compare with";
  }
  void TearDown() override { EXPECT_EQ(FMismatches, 0) << "of " << FCount << " results"; }

  template <class Describe>
  void Check(TSoftExtended soft, X87 x87, Describe describe) {
    const TSoftExtended expected = FromX87(x87);
    Count(soft.SignExponent() == expected.SignExponent() &&
              soft.Significand() == expected.Significand(),
          [&] { return describe() + " = " + Hex(soft) + ", the x87 gives " + Hex(expected); });
  }
  template <class Describe>
  void Check(long long soft, long long x87, Describe describe) {
    Count(soft == x87, [&] {
      return describe() + " = " + std::to_string(soft) + ", the x87 gives " + std::to_string(x87);
    });
  }

 private:
  template <class Report>
  void Count(bool same, Report report) {
    ++FCount;
    if (!same && ++FMismatches <= 10) ADD_FAILURE() << report();
  }

  TExtendedPrecision FPrecision;  // the x87 at its full 64 bits, also on Windows
  long FCount = 0;
  long FMismatches = 0;
};

class OperationsTest : public SoftExtendedTest, public testing::WithParamInterface<OperandCase> {};

TEST_P(OperationsTest, EveryResultIsTheX87s) {
  Rng rng(0x5EED);
  for (int n = 0; n < 250'000; ++n) {
    const auto [a, b] = GetParam().Draw(rng);
    const X87 xa = ToX87(a), xb = ToX87(b);
    for (Op op : kOps)
      Check(Apply(op, a, b), Apply(op, xa, xb),
            [&] { return Hex(a) + kOpSigns[static_cast<int>(op)] + Hex(b); });
  }
}

INSTANTIATE_TEST_SUITE_P(Operands, OperationsTest, testing::ValuesIn(kOperandCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Whole numbers in over the whole 64-bit range, and truncation of fractions of either sign.
TEST_F(SoftExtendedTest, WholeNumbersAndTruncation) {
  Rng rng(0x7E57);
  for (int n = 0; n < 250'000; ++n) {
    const auto whole = static_cast<long long>(rng() >> (rng() % 64));
    const long long value = (n % 2) ? -whole : whole;
    Check(TSoftExtended(value), static_cast<X87>(value), [&] { return std::to_string(value); });
    const TSoftExtended x = Make(rng, Field(rng, kBias - 70, kBias + 62), rng());  // below 2^63
    Check(Trunc(x), static_cast<long long>(ToX87(x)), [&] { return "Trunc(" + Hex(x) + ")"; });
  }
  constexpr long long kSmallest = std::numeric_limits<long long>::min();
  Check(TSoftExtended(kSmallest), static_cast<X87>(kSmallest), [] { return std::string("-2^63"); });
}

// Every colour table component: from each start to each end, 254 subtractions of
// (start - end) / 255, each result also truncated.
TEST_F(SoftExtendedTest, GradientColourTables) {
  for (int start = 0; start <= 255; ++start)
    for (int end = 0; end <= 255; ++end) {
      auto what = [&] { return std::to_string(start) + " to " + std::to_string(end); };
      const TSoftExtended delta = TSoftExtended(start - end) / 255;
      const X87 x87Delta = static_cast<X87>(start - end) / 255;
      Check(delta, x87Delta, what);
      TSoftExtended acc = start;
      X87 x87Acc = start;
      for (int i = 1; i <= 254; ++i) {
        acc -= delta;
        x87Acc -= x87Delta;
        Check(acc, x87Acc, what);
        Check(Trunc(acc), static_cast<long long>(x87Acc), what);
      }
    }
}

// Every band of boxes up to 8192 pixels: step = size / 255, band = Trunc(step + 1), offsets
// Trunc(i x step).
TEST_F(SoftExtendedTest, GradientBands) {
  for (int size = 0; size <= 8192; ++size) {
    auto what = [&] { return "size " + std::to_string(size); };
    const TSoftExtended step = TSoftExtended(size) / 255;
    const X87 x87Step = static_cast<X87>(size) / 255;
    Check(Trunc(step + 1), static_cast<long long>(x87Step + 1), what);
    for (int i = 0; i <= 255; ++i)
      Check(TSoftExtended(i) * step, static_cast<X87>(i) * x87Step, what);
  }
}

}  // namespace
}  // namespace tk
