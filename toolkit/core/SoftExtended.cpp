#include "toolkit/core/SoftExtended.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <utility>

#include "toolkit/core/UInt128.h"

namespace tk {

namespace {

constexpr int kBias = 16383;
constexpr int kInfiniteField = 0x7FFF;
constexpr std::uint16_t kSignBit = 0x8000;
constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;
// Weight of the significand's last bit for the smallest exponents, subnormals included.
constexpr int kMinScale = 1 - kBias - 63;

// A finite number as significand x 2^scale; the significand is not necessarily normalised.
struct Unpacked {
  bool negative;
  int scale;
  std::uint64_t significand;
};

Unpacked Unpack(TSoftExtended x) {
  const int field = x.SignExponent() & kInfiniteField;
  return {(x.SignExponent() & kSignBit) != 0, std::max(field, 1) - kBias - 63, x.Significand()};
}

bool Greater(const Unpacked& a, const Unpacked& b) {
  return a.scale != b.scale ? a.scale > b.scale : a.significand > b.significand;
}

// v / 2^n, with every bit shifted out folded into the lowest bit, so that rounding later still
// sees whether anything was lost.
TUInt128 ShiftRightSticky(TUInt128 v, int n) {
  if (n <= 0) return v;
  if (n >= 128) return TUInt128(v ? 1 : 0);
  return (v >> n) | TUInt128((v << (128 - n)) ? 1 : 0);
}

// v / 2^n rounded to nearest, ties to even.
TUInt128 RoundShift(TUInt128 v, int n) {
  if (n <= 0) return v << -n;
  const TUInt128 kept = n >= 2 ? ShiftRightSticky(v, n - 2) : v << 1;  // two bits below the last
  const unsigned below = kept.Low() & 3;
  TUInt128 rounded = kept >> 2;
  if (below > 2 || (below == 2 && (rounded.Low() & 1))) rounded = rounded + 1;
  return rounded;
}

TSoftExtended Zero(bool negative) { return TSoftExtended::FromBits(negative ? kSignBit : 0, 0); }
TSoftExtended Infinity(bool negative) {
  return TSoftExtended::FromBits((negative ? kSignBit : 0) | kInfiniteField, kLeadingBit);
}
TSoftExtended DefaultNaN() {
  return TSoftExtended::FromBits(kSignBit | kInfiniteField, kLeadingBit | kLeadingBit >> 1);
}

bool IsSpecial(TSoftExtended x) { return (x.SignExponent() & kInfiniteField) == kInfiniteField; }
bool IsNaN(TSoftExtended x) { return IsSpecial(x) && x.Significand() != kLeadingBit; }
bool IsZero(TSoftExtended x) { return x.Significand() == 0 && !IsSpecial(x); }
bool IsNegative(TSoftExtended x) { return (x.SignExponent() & kSignBit) != 0; }

// The number nearest to magnitude x 2^scale, with the given sign.
TSoftExtended Round(bool negative, TUInt128 magnitude, int scale) {
  if (!magnitude) return Zero(negative);
  // Keep 64 bits, but no bit below the subnormals' last one.
  const int highest = BitWidth(magnitude) - 1;
  int dropped = std::max(highest - 63, kMinScale - scale);
  TUInt128 significand = RoundShift(magnitude, dropped);
  if (BitWidth(significand) > 64) {  // rounding carried into a new leading bit
    significand >>= 1;
    ++dropped;
  }
  const std::uint64_t bits = significand.Low();
  const int field = (bits & kLeadingBit) ? scale + dropped + 63 + kBias : 0;
  if (field >= kInfiniteField) return Infinity(negative);
  return TSoftExtended::FromBits(static_cast<std::uint16_t>((negative ? kSignBit : 0) | field),
                                 bits);
}

TSoftExtended Add(TSoftExtended x, TSoftExtended y, bool subtract) {
  if (IsNaN(x) || IsNaN(y)) return DefaultNaN();
  const bool yNegative = IsNegative(y) != subtract;
  if (IsSpecial(x) || IsSpecial(y)) {
    if (IsSpecial(x) && IsSpecial(y) && IsNegative(x) != yNegative) return DefaultNaN();
    return IsSpecial(x) ? x : Infinity(yNegative);
  }
  Unpacked a = Unpack(x), b = Unpack(y);
  b.negative = yNegative;
  if (Greater(b, a)) std::swap(a, b);
  // One spare bit above for a carry, 63 below for the smaller operand's bits.
  const TUInt128 larger = TUInt128(a.significand) << 63;
  const TUInt128 smaller = ShiftRightSticky(TUInt128(b.significand) << 63, a.scale - b.scale);
  if (a.negative == b.negative) return Round(a.negative, larger + smaller, a.scale - 63);
  return Round(a.negative && larger != smaller, larger - smaller, a.scale - 63);
}

Unpacked Normalised(TSoftExtended x) {
  Unpacked u = Unpack(x);
  const int shift = std::countl_zero(u.significand);
  u.significand <<= shift;
  u.scale -= shift;
  return u;
}

}  // namespace

TSoftExtended TSoftExtended::FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  TSoftExtended x;
  x.FSignExponent = signExponent;
  x.FSignificand = significand;
  return x;
}

TSoftExtended::TSoftExtended(long long value) {
  if (value == 0) return;
  const bool negative = value < 0;
  // The magnitude in unsigned arithmetic, where the smallest value has one too.
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                           : static_cast<std::uint64_t>(value);
  *this = Round(negative, magnitude, 0);
}

TSoftExtended operator+(TSoftExtended a, TSoftExtended b) { return Add(a, b, false); }
TSoftExtended operator-(TSoftExtended a, TSoftExtended b) { return Add(a, b, true); }

TSoftExtended operator*(TSoftExtended x, TSoftExtended y) {
  if (IsNaN(x) || IsNaN(y)) return DefaultNaN();
  const bool negative = IsNegative(x) != IsNegative(y);
  if (IsSpecial(x) || IsSpecial(y))
    return IsZero(x) || IsZero(y) ? DefaultNaN() : Infinity(negative);
  const Unpacked a = Unpack(x), b = Unpack(y);
  return Round(negative, TUInt128(a.significand) * TUInt128(b.significand), a.scale + b.scale);
}

TSoftExtended operator/(TSoftExtended x, TSoftExtended y) {
  if (IsNaN(x) || IsNaN(y)) return DefaultNaN();
  const bool negative = IsNegative(x) != IsNegative(y);
  if (IsSpecial(x)) return IsSpecial(y) ? DefaultNaN() : Infinity(negative);
  if (IsSpecial(y)) return Zero(negative);
  if (IsZero(y)) return IsZero(x) ? DefaultNaN() : Infinity(negative);
  if (IsZero(x)) return Zero(negative);
  const Unpacked a = Normalised(x), b = Normalised(y);
  // A quotient of 64 or 65 bits; the remainder against half the divisor gives the two bits
  // that rounding needs below it.
  TUInt128 remainder;
  const TUInt128 quotient =
      TUInt128::Divide(TUInt128(a.significand) << 64, b.significand, remainder);
  const TUInt128 twice = remainder << 1;
  const TUInt128 below((twice >= b.significand ? 2u : 0u) |
                       (twice && twice != b.significand ? 1u : 0u));
  return Round(negative, quotient << 2 | below, a.scale - b.scale - 66);
}

long long Trunc(TSoftExtended x) {
  const Unpacked u = Unpack(x);
  if (u.scale >= 0) return std::numeric_limits<long long>::min();  // 2^63 or more, or special
  if (u.scale <= -64) return 0;
  const auto magnitude = static_cast<long long>(u.significand >> -u.scale);
  return u.negative ? -magnitude : magnitude;
}

}  // namespace tk
