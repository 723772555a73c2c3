#pragma once

// An unsigned 128-bit integer for exact reference arithmetic in tests. 32-bit targets (the
// Windows build) have no unsigned __int128, and the models that check the extended-precision
// arithmetic must not use the floating-point type they check.

#include <compare>
#include <cstdint>

namespace tk::testing {

class UInt128 {
 public:
  constexpr UInt128() = default;
  constexpr UInt128(std::uint64_t low) : lo_(low) {}  // NOLINT: converts like a built-in type

  constexpr explicit operator bool() const { return (hi_ | lo_) != 0; }
  constexpr explicit operator long long() const { return static_cast<long long>(lo_); }

  friend constexpr bool operator==(const UInt128&, const UInt128&) = default;
  // Members are declared high word first, so the member-wise order is the numeric order.
  friend constexpr std::strong_ordering operator<=>(const UInt128&, const UInt128&) = default;

  friend constexpr UInt128 operator<<(UInt128 v, int shift) {
    if (shift >= 128) return {};
    if (shift >= 64) return Make(v.lo_ << (shift - 64), 0);
    if (shift == 0) return v;
    return Make((v.hi_ << shift) | (v.lo_ >> (64 - shift)), v.lo_ << shift);
  }
  friend constexpr UInt128 operator>>(UInt128 v, int shift) {
    if (shift >= 128) return {};
    if (shift >= 64) return Make(0, v.hi_ >> (shift - 64));
    if (shift == 0) return v;
    return Make(v.hi_ >> shift, (v.lo_ >> shift) | (v.hi_ << (64 - shift)));
  }
  friend constexpr UInt128 operator&(UInt128 a, UInt128 b) {
    return Make(a.hi_ & b.hi_, a.lo_ & b.lo_);
  }
  friend constexpr UInt128 operator|(UInt128 a, UInt128 b) {
    return Make(a.hi_ | b.hi_, a.lo_ | b.lo_);
  }
  friend constexpr UInt128 operator+(UInt128 a, UInt128 b) {
    const std::uint64_t lo = a.lo_ + b.lo_;
    return Make(a.hi_ + b.hi_ + (lo < a.lo_ ? 1 : 0), lo);
  }
  friend constexpr UInt128 operator-(UInt128 a, UInt128 b) {
    return Make(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), a.lo_ - b.lo_);
  }
  // The low 128 bits of the product, from 32-bit limbs.
  friend constexpr UInt128 operator*(UInt128 a, UInt128 b) {
    UInt128 product;
    for (int i = 0; i < 4; ++i)
      for (int j = 0; i + j < 4; ++j)
        product = product + (UInt128(a.Limb(i) * b.Limb(j)) << (32 * (i + j)));
    return product;
  }
  friend constexpr UInt128 operator/(UInt128 a, UInt128 b) {
    UInt128 remainder;
    return Divide(a, b, remainder);
  }
  friend constexpr UInt128 operator%(UInt128 a, UInt128 b) {
    UInt128 remainder;
    Divide(a, b, remainder);
    return remainder;
  }

  constexpr UInt128& operator>>=(int shift) { return *this = *this >> shift; }
  constexpr UInt128& operator<<=(int shift) { return *this = *this << shift; }

 private:
  static constexpr UInt128 Make(std::uint64_t high, std::uint64_t low) {
    UInt128 v;
    v.hi_ = high;
    v.lo_ = low;
    return v;
  }
  constexpr std::uint64_t Limb(int i) const {
    return ((i < 2 ? lo_ : hi_) >> (32 * (i % 2))) & 0xFFFFFFFFu;
  }

  // Schoolbook binary long division; the divisor must not be zero.
  static constexpr UInt128 Divide(UInt128 dividend, UInt128 divisor, UInt128& remainder) {
    UInt128 quotient;
    remainder = {};
    for (int bit = 127; bit >= 0; --bit) {
      remainder = (remainder << 1) | ((dividend >> bit) & 1);
      if (remainder >= divisor) {
        remainder = remainder - divisor;
        quotient = quotient | (UInt128(1) << bit);
      }
    }
    return quotient;
  }

  std::uint64_t hi_ = 0;
  std::uint64_t lo_ = 0;
};

}  // namespace tk::testing
