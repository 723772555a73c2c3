#pragma once
// Fractional drawing arithmetic runs in 80-bit extended precision: a 64-bit significand, round to
// nearest, ties to even. Where the processor has the x87 (i686 and x86_64, Windows and Linux)
// TExtended is its `long double`; elsewhere it is TSoftExtended, the same numbers computed in
// software, so that every processor draws the same pixels.
//
// On Windows the x87 precision control may stand at 53 bits (64-bit Windows starts every thread
// so, and a 32-bit runtime may lower it), so code that depends on the full width holds a
// TExtendedPrecision for as long as it computes.

#include <limits>

#include "toolkit/core/SoftExtended.h"

namespace tk {

#if defined(__i386__) || defined(__x86_64__)
using TExtended = long double;
static_assert(std::numeric_limits<TExtended>::digits == 64,
              "extended arithmetic needs a 64-bit significand (x87 long double)");

// Truncation toward zero, as the drawing code converts to whole pixels and colour values.
inline long long Trunc(TExtended x) { return static_cast<long long>(x); }
#else
using TExtended = TSoftExtended;
#endif

class TExtendedPrecision {
 public:
#if defined(_WIN32) && (defined(__i386__) || defined(__x86_64__))
  static constexpr bool kGuardsX87 = true;

  // Precision control (bits 8-9) 11: 64-bit significand; rounding control (bits 10-11) 00: to
  // nearest. Set on the FPU itself: the C runtime's _controlfp ignores precision on x86_64.
  TExtendedPrecision() : FSaved(X87ControlWord()) {
    SetX87ControlWord(static_cast<unsigned short>((FSaved & ~0x0F00u) | 0x0300u));
  }
  ~TExtendedPrecision() { SetX87ControlWord(FSaved); }

  static unsigned short X87ControlWord() {
    unsigned short word;
    __asm__ __volatile__("fnstcw %0" : "=m"(word));
    return word;
  }
  static void SetX87ControlWord(unsigned short word) {
    __asm__ __volatile__("fldcw %0" : : "m"(word));
  }

 private:
  unsigned short FSaved;
#else
  static constexpr bool kGuardsX87 = false;

  TExtendedPrecision() {}  // nothing to guard; user-provided so that holders are not "unused"
#endif
 public:
  TExtendedPrecision(const TExtendedPrecision&) = delete;
  TExtendedPrecision& operator=(const TExtendedPrecision&) = delete;
};

}  // namespace tk
