// The icon theme's pictures: resampling the pixel art, and the PNG files that carry them.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

#include "packaging/icons/IconScale.h"
#include "platform/icon/MainIconArt.h"
#include "tests/support/TempFolder.h"
#include "toolkit/core/FileIO.h"
#include "tools/png/PngCodec.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

struct ScaleCase {
  const char* name;
  int from, to;
  Pixels pixels, expected;
};

class IconScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(IconScaleTest, CoversEachNewPixelWithTheOldPixelsUnderIt) {
  const ScaleCase& c = GetParam();
  EXPECT_EQ(appicon::ScaleIcon(c.pixels, c.from, c.to), c.expected);
}

constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0x00000000;

// Expected values by hand: each new pixel's share of every old pixel, colours weighted by alpha.
INSTANTIATE_TEST_SUITE_P(
    Cases, IconScaleTest,
    testing::Values(
        ScaleCase{"DoublingRepeatsPixels",
                  2,
                  4,
                  {kRed, kBlue, kClear, 0x80102030},
                  {kRed, kRed, kBlue, kBlue, kRed, kRed, kBlue, kBlue,  //
                   kClear, kClear, 0x80102030, 0x80102030, kClear, kClear, 0x80102030, 0x80102030}},
        // Black and white halves average to grey; 127.5 rounds up.
        ScaleCase{"HalvingAveragesBlocks",
                  2,
                  1,
                  {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF},
                  {0xFF808080}},
        // Half see-through: half the alpha, but the colour stays pure red, not darkened.
        ScaleCase{"SeeThroughPixelsLendNoColour", 2, 1, {kRed, kClear, kClear, kRed}, {0x80FF0000}},
        // 2 -> 3: the middle column takes half of each old column, the others one each.
        ScaleCase{"ThreeHalvesSharesTheMiddle",
                  2,
                  3,
                  {0xFF000000, 0xFFC8C8C8, 0xFF000000, 0xFFC8C8C8},
                  {0xFF000000, 0xFF646464, 0xFFC8C8C8, 0xFF000000, 0xFF646464, 0xFFC8C8C8,
                   0xFF000000, 0xFF646464, 0xFFC8C8C8}}),
    [](const auto& info) { return info.param.name; });

TEST(IconScale, WindowIconSizeKeepsTheArtAsItIs) {
  const auto art = appicon::MainIconPixels();
  EXPECT_EQ(appicon::ScaleIcon(art, appicon::kMainIconSize, appicon::kMainIconSize),
            Pixels(art.begin(), art.end()));
}

// The file's pixels as 0xAARRGGBB words, read with libpng's own reader.
Pixels ReadRgba(const std::string& path, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGBA;
  std::vector<png_byte> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) return {};
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  Pixels pixels;
  for (std::size_t i = 0; i < rgba.size(); i += 4)
    pixels.push_back(std::uint32_t{rgba[i + 3]} << 24 | std::uint32_t{rgba[i]} << 16 |
                     std::uint32_t{rgba[i + 1]} << 8 | rgba[i + 2]);
  return pixels;
}

class IconPngTest : public testing::TestWithParam<int> {};

TEST_P(IconPngTest, FileHoldsTheScaledArtWithItsAlpha) {
  const int size = GetParam();
  const Pixels pixels = appicon::ScaleIcon(appicon::MainIconPixels(), appicon::kMainIconSize, size);
  tk::test::TempFolder folder;
  tk::WriteFileBytes(folder.Path("icon.png"), png::EncodePng(pixels, size, size));
  int width = 0, height = 0;
  EXPECT_EQ(ReadRgba(folder.Path("icon.png"), width, height), pixels);
  EXPECT_EQ(width, size);
  EXPECT_EQ(height, size);
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconPngTest, testing::Values(16, 32, 48));

}  // namespace
