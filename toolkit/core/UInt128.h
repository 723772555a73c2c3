#pragma once

// An unsigned 128-bit integer for exact arithmetic wider than 64 bits. 32-bit targets (the
// Windows build) have no unsigned __int128, and every target must compute the same way.

#include <bit>
#include <compare>
#include <cstdint>

namespace tk {

class TUInt128 {
 public:
  constexpr TUInt128() = default;
  constexpr TUInt128(std::uint64_t low) : FLow(low) {}  // NOLINT: converts like a built-in type

  constexpr explicit operator bool() const { return (FHigh | FLow) != 0; }
  constexpr explicit operator long long() const { return static_cast<long long>(FLow); }
  constexpr std::uint64_t Low() const { return FLow; }

  // The number of bits up to the highest one (0 for zero).
  friend constexpr int BitWidth(TUInt128 v) {
    return v.FHigh ? 64 + std::bit_width(v.FHigh) : std::bit_width(v.FLow);
  }

  friend constexpr bool operator==(const TUInt128&, const TUInt128&) = default;
  // Members are declared high word first, so the member-wise order is the numeric order.
  friend constexpr std::strong_ordering operator<=>(const TUInt128&, const TUInt128&) = default;

  friend constexpr TUInt128 operator<<(TUInt128 v, int shift) {
    if (shift >= 128) return {};
    if (shift >= 64) return Make(v.FLow << (shift - 64), 0);
    if (shift == 0) return v;
    return Make((v.FHigh << shift) | (v.FLow >> (64 - shift)), v.FLow << shift);
  }
  friend constexpr TUInt128 operator>>(TUInt128 v, int shift) {
    if (shift >= 128) return {};
    if (shift >= 64) return Make(0, v.FHigh >> (shift - 64));
    if (shift == 0) return v;
    return Make(v.FHigh >> shift, (v.FLow >> shift) | (v.FHigh << (64 - shift)));
  }
  friend constexpr TUInt128 operator&(TUInt128 a, TUInt128 b) {
    return Make(a.FHigh & b.FHigh, a.FLow & b.FLow);
  }
  friend constexpr TUInt128 operator|(TUInt128 a, TUInt128 b) {
    return Make(a.FHigh | b.FHigh, a.FLow | b.FLow);
  }
  friend constexpr TUInt128 operator+(TUInt128 a, TUInt128 b) {
    const std::uint64_t low = a.FLow + b.FLow;
    return Make(a.FHigh + b.FHigh + (low < a.FLow ? 1 : 0), low);
  }
  friend constexpr TUInt128 operator-(TUInt128 a, TUInt128 b) {
    return Make(a.FHigh - b.FHigh - (a.FLow < b.FLow ? 1 : 0), a.FLow - b.FLow);
  }
  // The low 128 bits of the product, from 32-bit limbs.
  friend constexpr TUInt128 operator*(TUInt128 a, TUInt128 b) {
    TUInt128 product;
    for (int i = 0; i < 4; ++i)
      for (int j = 0; i + j < 4; ++j)
        product = product + (TUInt128(a.Limb(i) * b.Limb(j)) << (32 * (i + j)));
    return product;
  }
  friend constexpr TUInt128 operator/(TUInt128 a, TUInt128 b) {
    TUInt128 remainder;
    return Divide(a, b, remainder);
  }
  friend constexpr TUInt128 operator%(TUInt128 a, TUInt128 b) {
    TUInt128 remainder;
    Divide(a, b, remainder);
    return remainder;
  }
  // Schoolbook binary long division; the divisor must not be zero.
  static constexpr TUInt128 Divide(TUInt128 dividend, TUInt128 divisor, TUInt128& remainder) {
    TUInt128 quotient;
    remainder = {};
    for (int bit = 127; bit >= 0; --bit) {
      remainder = (remainder << 1) | ((dividend >> bit) & 1);
      if (remainder >= divisor) {
        remainder = remainder - divisor;
        quotient = quotient | (TUInt128(1) << bit);
      }
    }
    return quotient;
  }

  constexpr TUInt128& operator>>=(int shift) { return *this = *this >> shift; }
  constexpr TUInt128& operator<<=(int shift) { return *this = *this << shift; }

 private:
  static constexpr TUInt128 Make(std::uint64_t high, std::uint64_t low) {
    TUInt128 v;
    v.FHigh = high;
    v.FLow = low;
    return v;
  }
  constexpr std::uint64_t Limb(int i) const {
    return ((i < 2 ? FLow : FHigh) >> (32 * (i % 2))) & 0xFFFFFFFFu;
  }

  std::uint64_t FHigh = 0;
  std::uint64_t FLow = 0;
};

}  // namespace tk
