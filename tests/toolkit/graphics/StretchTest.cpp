#include <gtest/gtest.h>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/Stretch.h"

namespace tk {
namespace {

// Every pixel names its own place: column in the upper bits, row in the lower.
std::uint32_t PlaceWord(int x, int y) { return static_cast<std::uint32_t>(x) << 12 | y; }

std::unique_ptr<TBitmap> Places(int width, int height) {
  auto b = std::make_unique<TBitmap>(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b->ScanLine(y)[x] = PlaceWord(x, y);
  return b;
}

std::unique_ptr<TBitmap> Stretched(const TBitmap& source, int width, int height) {
  auto target = std::make_unique<TBitmap>(width, height);
  StretchPixels(target->Canvas(), {0, 0, width, height}, source,
                {0, 0, source.Width(), source.Height()}, std::nullopt);
  return target;
}

struct SampleCase {
  int sourceWidth, sourceHeight, width, height;
  int keptWidth, keptHeight;
};

void PrintTo(const SampleCase& c, std::ostream* os) {
  *os << c.sourceWidth << "x" << c.sourceHeight << " for " << c.width << "x" << c.height;
}

class StretchSamplesTest : public testing::TestWithParam<SampleCase> {};

TEST_P(StretchSamplesTest, KeepTheSampledPixelsAndShowWhatTheSourceShowsAtThatSize) {
  const SampleCase& c = GetParam();
  const auto source = Places(c.sourceWidth, c.sourceHeight);
  const auto samples = StretchSamples(*source, c.width, c.height);
  ASSERT_EQ(samples->Width(), c.keptWidth);
  ASSERT_EQ(samples->Height(), c.keptHeight);
  // A shrunk axis keeps source index i * source / kept, a longer one keeps every index.
  for (int y = 0; y < c.keptHeight; ++y)
    for (int x = 0; x < c.keptWidth; ++x)
      ASSERT_EQ(samples->PixelWord(x, y),
                PlaceWord(x * c.sourceWidth / c.keptWidth, y * c.sourceHeight / c.keptHeight))
          << x << "," << y;
  // Stretched to the size asked, they show what the source shows there: column x of the
  // target takes source column x * source / target, rows alike.
  const auto shown = Stretched(*samples, c.width, c.height);
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x)
      ASSERT_EQ(shown->PixelWord(x, y),
                PlaceWord(x * c.sourceWidth / c.width, y * c.sourceHeight / c.height))
          << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StretchSamplesTest,
    testing::Values(SampleCase{750, 500, 120, 90, 120, 90},  // a photo at 1/8 for a cell
                    SampleCase{121, 91, 120, 90, 120, 90},   // one more than the cell
                    SampleCase{120, 90, 120, 90, 120, 90},   // the cell's own size
                    SampleCase{100, 50, 120, 90, 100, 50},   // smaller: kept whole
                    SampleCase{150, 3000, 120, 90, 120, 90},
                    SampleCase{3000, 40, 120, 90, 120, 40},  // only the longer axis shrinks
                    SampleCase{7, 5, 3, 2, 3, 2}));

}  // namespace
}  // namespace tk
