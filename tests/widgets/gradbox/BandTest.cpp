// Band positions of the fill for every size from 0 to 1000, against a model of the arithmetic
// that does not use the machine's extended type: step = size / 255 rounded to a 64-bit
// significand (nearest, ties to even), each offset i x step rounded the same way and
// truncated. The table runs from 0 to 255 in red, so a pixel's red value names its band.

#include <gtest/gtest.h>

#include "tests/support/HeadlessFixture.h"
#include "toolkit/core/UInt128.h"
#include "widgets/gradbox/Gradbox.h"

namespace widgets {
namespace {

// Exact integers wider than the extended significand (32-bit targets have no __int128).
using u128 = tk::TUInt128;

int BitLength(u128 v) {
  int n = 0;
  while (v) {
    v >>= 1;
    ++n;
  }
  return n;
}

// v / 2^shift rounded to nearest, ties to even.
u128 RoundShift(u128 v, int shift) {
  if (shift <= 0) return v << -shift;
  const u128 q = v >> shift, rem = v & ((u128{1} << shift) - 1), half = u128{1} << (shift - 1);
  return (rem > half || (rem == half && (q & 1))) ? q + 1 : q;
}

// A positive number as significand x 2^-scale with the significand in [2^63, 2^64).
struct Extended {
  u128 significand = 0;
  int scale = 0;
};

Extended Normalise(u128 significand, int scale) {
  const int excess = BitLength(significand) - 64;
  if (excess > 0) {
    significand = RoundShift(significand, excess);
    scale -= excess;
    if (BitLength(significand) > 64) {
      significand >>= 1;
      --scale;
    }
  }
  return {significand, scale};
}

Extended Quotient(unsigned numerator, unsigned denominator) {
  // Enough bits that the quotient has 64 significant bits plus a rounding remainder.
  int scale = 80;
  const u128 scaled = (u128{numerator} << scale);
  u128 q = scaled / denominator;
  const u128 rem = scaled % denominator;
  // Fold the remainder into a sticky bit below the kept bits so ties are decided correctly.
  q = (q << 1) | (rem != 0);
  return Normalise(q, scale + 1);
}

long long TruncProduct(unsigned i, const Extended& step) {
  if (i == 0 || step.significand == 0) return 0;
  const Extended p = Normalise(step.significand * i, step.scale);
  return static_cast<long long>(p.significand >> p.scale);
}

// The band index (0..255) the model puts at each pixel along an axis of `size` pixels.
std::vector<int> ModelBands(int size) {
  std::vector<int> bands(static_cast<std::size_t>(size), -1);
  const Extended step = size > 0 ? Quotient(static_cast<unsigned>(size), 255) : Extended{};
  const int band = size / 255 + 1;
  for (int i = 0; i <= 255; ++i) {
    const long long start = i == 0 ? 0 : TruncProduct(static_cast<unsigned>(i - 1), step);
    for (long long p = start; p < start + band && p < size; ++p)
      bands[static_cast<std::size_t>(p)] = i;
  }
  return bands;
}

TEST(BandModelTest, AgreesWithTheKnownFiguresOfTheArithmetic) {
  // Up to 554 pixels the offsets are (i x size) div 255; 555 falls one short at i = 221.
  for (int size = 1; size <= 554; ++size) {
    const Extended step = Quotient(static_cast<unsigned>(size), 255);
    for (unsigned i = 0; i <= 255; ++i)
      ASSERT_EQ(TruncProduct(i, step), static_cast<long long>(i) * size / 255) << size << " " << i;
  }
  EXPECT_EQ(TruncProduct(221, Quotient(555, 255)), 480);
  EXPECT_EQ(TruncProduct(254, Quotient(1000, 255)), 996);  // the last band of a 1000-pixel box
}

class BandTest : public tk::testing::HeadlessTest {
 protected:
  BandTest() {
    form->SetBounds(0, 0, 1000, 1000);
    box = new TGradBox(form.get());
    box->SetParent(form.get());
    box->SetTopColor(0x000000);
    box->SetLastColor(0x0000FF);  // red runs 0..255: entry i has red i
  }
  TGradBox* box;
};

TEST_F(BandTest, HorizontalFillMatchesTheModelForEverySizeUpTo1000) {
  box->SetGradStyle(gsLeftRight);
  for (int size = 0; size <= 1000; ++size) {
    box->SetBounds(0, 0, size, 1);
    platform.Idle();
    const std::vector<int> bands = ModelBands(size);
    for (int x = 0; x < size; ++x)
      ASSERT_EQ(static_cast<int>(Pixel(x, 0) >> 16), bands[static_cast<std::size_t>(x)])
          << "width " << size << ", column " << x;
  }
}

TEST_F(BandTest, VerticalFillMatchesTheModel) {
  box->SetGradStyle(gsTopBottom);
  for (int size : {0, 1, 90, 254, 255, 509, 510, 555, 764, 765, 1000}) {
    box->SetBounds(0, 0, 1, size);
    platform.Idle();
    const std::vector<int> bands = ModelBands(size);
    for (int y = 0; y < size; ++y)
      ASSERT_EQ(static_cast<int>(Pixel(0, y) >> 16), bands[static_cast<std::size_t>(y)])
          << "height " << size << ", row " << y;
  }
}

}  // namespace
}  // namespace widgets
