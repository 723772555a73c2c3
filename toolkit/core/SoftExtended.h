#pragma once
// The x87's 80-bit extended number computed in software, for processors without the x87: the
// same format (sign, 15-bit biased exponent, 64-bit significand with its leading bit stored) and
// the same results bit for bit, every operation rounded once to nearest with ties to even,
// subnormal results and overflow to infinity included. It offers what the drawing code uses:
// whole numbers in, the four basic operations, and truncation toward zero.
//
// The only NaN it makes is the x87's default one (negative, quiet), and every operation with a
// NaN operand gives that NaN back; other NaNs and unnormals are not expected as operands.

#include <concepts>
#include <cstdint>

namespace tk {

class TSoftExtended {
 public:
  TSoftExtended() = default;  // +0
  // Exact, and implicit, as a whole number converts to long double.
  TSoftExtended(long long value);  // NOLINT
  // No floating-point value may slip in through a conversion to a whole number.
  TSoftExtended(std::floating_point auto) = delete;

  static TSoftExtended FromBits(std::uint16_t signExponent, std::uint64_t significand);
  std::uint16_t SignExponent() const { return FSignExponent; }
  std::uint64_t Significand() const { return FSignificand; }

  friend TSoftExtended operator+(TSoftExtended a, TSoftExtended b);
  friend TSoftExtended operator-(TSoftExtended a, TSoftExtended b);
  friend TSoftExtended operator*(TSoftExtended a, TSoftExtended b);
  friend TSoftExtended operator/(TSoftExtended a, TSoftExtended b);
  TSoftExtended& operator-=(TSoftExtended b) { return *this = *this - b; }

  // Toward zero. A value outside the 64-bit range, an infinity or a NaN gives the smallest
  // 64-bit number, as the x87 does.
  friend long long Trunc(TSoftExtended x);

 private:
  std::uint64_t FSignificand = 0;
  std::uint16_t FSignExponent = 0;
};

}  // namespace tk
