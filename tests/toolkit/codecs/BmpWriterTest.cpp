// The bitmap writer: its files read back to the same pixels, and the header says what the
// pixels are.

#include <gtest/gtest.h>

#include "toolkit/codecs/BmpReader.h"
#include "toolkit/codecs/BmpWriter.h"

namespace tk {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& f, std::size_t at) {
  return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | std::uint32_t{f[at + 3]} << 24;
}

TEST(BmpWriterTest, HeaderOfA3By2Bitmap) {
  TBitmap b(3, 2);
  const std::vector<std::uint8_t> f = EncodeBmp(b);
  // Rows of 3 x 3 = 9 bytes padded to 12.
  ASSERT_EQ(f.size(), 14u + 40u + 24u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  EXPECT_EQ(U32(f, 2), 78u);
  EXPECT_EQ(U32(f, 10), 54u);
  EXPECT_EQ(U32(f, 14), 40u);
  EXPECT_EQ(U32(f, 18), 3u);
  EXPECT_EQ(U32(f, 22), 2u);
  EXPECT_EQ(f[28], 24);
  EXPECT_EQ(U32(f, 30), 0u);
  EXPECT_EQ(U32(f, 34), 24u);
}

TEST(BmpWriterTest, RowsAreStoredBottomUpInBlueGreenRedOrder) {
  TBitmap b(1, 2);
  b.ScanLine(0)[0] = 0x112233;
  b.ScanLine(1)[0] = 0x445566;
  const std::vector<std::uint8_t> f = EncodeBmp(b);
  EXPECT_EQ(std::vector<std::uint8_t>(f.begin() + 54, f.end()),
            (std::vector<std::uint8_t>{0x66, 0x55, 0x44, 0, 0x33, 0x22, 0x11, 0}));
}

class BmpRoundTripTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(BmpRoundTripTest, ReadsBackTheSamePixels) {
  const auto [w, h] = GetParam();
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 0x010305 + y * 0x070b0d) & 0xFFFFFF;
  const std::unique_ptr<TBitmap> back = ReadBmp(EncodeBmp(b));
  ASSERT_EQ(back->Width(), w);
  ASSERT_EQ(back->Height(), h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(back->PixelWord(x, y) & 0xFFFFFF, b.PixelWord(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpRoundTripTest,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 3}, std::pair{3, 1},
                                           std::pair{4, 4}, std::pair{16, 15}, std::pair{17, 2}));

TEST(BmpWriterTest, EmptyBitmapGivesNoFile) { EXPECT_TRUE(EncodeBmp(TBitmap()).empty()); }

}  // namespace
}  // namespace tk
