#pragma once
// Fractional drawing arithmetic runs in 80-bit extended precision: a 64-bit significand,
// round to nearest. `long double` is that type on x86 with GCC; on 32-bit Windows the runtime
// may lower the x87 precision control to 53 bits, so code that depends on the full width
// holds a TExtendedPrecision for as long as it computes.

#include <limits>

#if defined(_WIN32) && (defined(__i386__) || defined(_M_IX86))
#include <float.h>
#endif

namespace tk {

using TExtended = long double;
static_assert(std::numeric_limits<TExtended>::digits == 64,
              "extended arithmetic needs a 64-bit significand (x87 long double)");

class TExtendedPrecision {
 public:
#if defined(_WIN32) && (defined(__i386__) || defined(_M_IX86))
  TExtendedPrecision() : FSaved(_controlfp(0, 0)) {
    _controlfp(_PC_64 | _RC_NEAR, _MCW_PC | _MCW_RC);
  }
  ~TExtendedPrecision() { _controlfp(FSaved, _MCW_PC | _MCW_RC); }

 private:
  unsigned int FSaved;
#else
  TExtendedPrecision() = default;
#endif
 public:
  TExtendedPrecision(const TExtendedPrecision&) = delete;
  TExtendedPrecision& operator=(const TExtendedPrecision&) = delete;
};

// Truncation toward zero, as the drawing code converts to whole pixels and colour values.
inline long long Trunc(TExtended x) { return static_cast<long long>(x); }

}  // namespace tk
