// The save dialog's preview: a picture scaled down to fit its box, and nothing for what is not
// a readable picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/BmpBuilder.h"
#include "tests/support/TempFolder.h"
#include "toolkit/controls/PicturePreview.h"

namespace tk {
namespace {

struct FitCase {
  int Width, Height, Box;
  TPreviewSize Expected;
};

class FitWithinBox : public testing::TestWithParam<FitCase> {};

TEST_P(FitWithinBox, ShrinksTheLongerSideToTheBoxKeepingProportions) {
  const FitCase& c = GetParam();
  EXPECT_EQ(FitWithin(c.Width, c.Height, c.Box), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FitWithinBox,
                         testing::Values(FitCase{40, 30, 160, {40, 30}},        // fits: as is
                                         FitCase{160, 160, 160, {160, 160}},    // just fits
                                         FitCase{652, 593, 160, {160, 145}},    // 145.5
                                         FitCase{6000, 4000, 160, {160, 106}},  // 106.7
                                         FitCase{1, 1000, 160, {1, 160}},
                                         FitCase{10000, 1, 160, {160, 1}}));  // never 0

class PicturePreview : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = folder.Path(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  test::TempFolder folder;
};

TEST_F(PicturePreview, ABitmapIsScaledToTheBoxWithItsOwnSizeAsCaption) {
  // 200 x 100: the left half red, the right half blue.
  std::vector<std::uint32_t> row(200, 0x0000FFu);
  std::fill(row.begin(), row.begin() + 100, 0xFF0000u);
  test::BmpFields f;
  f.width = 200;
  f.height = 100;
  f.pixels = test::PackRows(std::vector(100, row), 24);
  const auto preview = LoadPicturePreview(Write("two.bmp", test::BuildBmp(f)), 160);
  ASSERT_TRUE(preview.has_value());
  ASSERT_EQ(preview->Image->Width(), 160);
  ASSERT_EQ(preview->Image->Height(), 80);
  EXPECT_EQ(preview->Image->PixelWord(10, 40), 0xFF0000u);
  EXPECT_EQ(preview->Image->PixelWord(150, 40), 0x0000FFu);
  EXPECT_EQ(preview->Caption, "200 × 100");
}

TEST_F(PicturePreview, NothingForOtherFilesFoldersAndBrokenPictures) {
  const std::string text = Write("notes.txt", {'h', 'i'});
  const std::string broken = Write("broken.bmp", {'B', 'M', 0, 0});
  const std::string folderNamedLikeAPicture = folder.Path("photos.jpg");
  std::filesystem::create_directory(folderNamedLikeAPicture);
  for (const std::string& path : {text, broken, folderNamedLikeAPicture, folder.Path("gone.bmp")})
    EXPECT_FALSE(LoadPicturePreview(path, 160).has_value()) << path;
}

}  // namespace
}  // namespace tk
