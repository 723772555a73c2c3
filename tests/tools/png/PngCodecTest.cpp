// The driver's PNG shots: written and read back pixel for pixel.

#include <gtest/gtest.h>

#include "tools/png/PngCodec.h"

namespace png {
namespace {

using Bytes = std::vector<std::uint8_t>;
using tk::TBitmap;

TEST(PngCodecTest, RoundTripIsExact) {
  TBitmap b(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      b.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 50) << 16 | y * 90 << 8 | 7;
  const auto back = DecodePng(EncodePng(b));
  ASSERT_EQ(back->Width(), 5);
  ASSERT_EQ(back->Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back->PixelWord(x, y), b.PixelWord(x, y));
}

TEST(PngCodecTest, NonPngIsRefused) {
  EXPECT_THROW(DecodePng(Bytes{'n', 'o', 'p', 'e'}), EPNG);
  EXPECT_THROW(DecodePng(Bytes{}), EPNG);
}

}  // namespace
}  // namespace png
