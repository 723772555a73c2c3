#include "tests/support/HeadlessFixture.h"
#include "tests/support/TempFolder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Shape.h"
#include "toolkit/core/FileIO.h"

namespace tk {
namespace {

struct PixelAt {
  int x, y;
  std::uint32_t colour;
};

class PixelTest : public testing::HeadlessTest {
 protected:
  // Checks the form's pixels at each point, naming the point that differs.
  void ExpectPixels(std::initializer_list<PixelAt> expected) {
    for (const PixelAt& p : expected)
      EXPECT_EQ(Pixel(p.x, p.y), p.colour) << "at " << p.x << ", " << p.y;
  }
};

using ImageShapeTest = PixelTest;

TEST_F(ImageShapeTest, DefaultShapeIsABlackOutlineAroundWhite) {
  form->SetColor(clRed);
  auto* shape = new TShape(form.get());
  shape->SetParent(form.get());
  shape->SetBounds(10, 10, 5, 4);
  platform.Idle();
  for (int x = 10; x < 15; ++x) {
    EXPECT_EQ(Pixel(x, 10), 0u);
    EXPECT_EQ(Pixel(x, 13), 0u);
  }
  ExpectPixels(
      {{10, 11, 0u}, {14, 12, 0u}, {11, 11, 0xFFFFFFu}, {13, 12, 0xFFFFFFu}, {15, 11, 0xFF0000u}});
}

TEST_F(ImageShapeTest, WidePenOutlineRunsAlongTheOuterPixels) {
  auto* shape = new TShape(form.get());
  shape->SetParent(form.get());
  shape->SetBounds(0, 0, 200, 100);
  shape->Pen().SetWidth(2);
  platform.Idle();
  for (int x : {0, 1, 198, 199}) EXPECT_EQ(Pixel(x, 50), 0u) << x;
  for (int y : {0, 1, 98, 99}) EXPECT_EQ(Pixel(100, y), 0u) << y;
  ExpectPixels({{0, 0, 0u}, {199, 99, 0u}, {2, 2, 0xFFFFFFu}, {197, 97, 0xFFFFFFu}});
}

class ImageTest : public PixelTest {
 protected:
  ImageTest() {
    form->SetColor(clBlue);
    image = new TImage(form.get());
    image->SetParent(form.get());
    image->SetBounds(10, 10, 4, 2);
    image->SetStretch(true);
  }
  // A 2 x 1 bitmap: red at the left, `right` at the right (its bottom-left pixel is red).
  std::unique_ptr<TBitmap> TwoPixels(std::uint32_t right) {
    auto b = std::make_unique<TBitmap>(2, 1);
    b->ScanLine(0)[0] = 0xFF0000;
    b->ScanLine(0)[1] = right;
    return b;
  }
  TImage* image;
};

TEST_F(ImageTest, EmptyImageDrawsNothing) {
  platform.Idle();
  EXPECT_EQ(Pixel(11, 11), 0x0000FFu);
}

TEST_F(ImageTest, StretchedPictureFillsTheWidget) {
  image->Picture().SetGraphic(TwoPixels(0x00FF00));
  platform.Idle();
  ExpectPixels({{10, 10, 0xFF0000u},
                {11, 11, 0xFF0000u},
                {12, 10, 0x00FF00u},
                {13, 11, 0x00FF00u},
                {14, 11, 0x0000FFu}});
}

TEST_F(ImageTest, TransparencyIsAppliedToEveryNewPicture) {
  image->SetTransparent(true);
  image->Picture().SetGraphic(TwoPixels(0x00FF00));
  platform.Idle();
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu);  // red is the bottom-left colour: left out
  EXPECT_EQ(Pixel(12, 10), 0x00FF00u);
  EXPECT_TRUE(image->Picture().Graphic()->Transparent());
}

TEST_F(ImageTest, StretchedPhotoKeepsNoMorePixelsThanTheWidgetShows) {
  test::TempFolder folder;
  const std::string path = folder.Path("photo.jpg");
  WriteFileBytes(path, EncodeJpeg(TBitmap(64, 32), 80));
  image->Picture().LoadFromFile(path);
  const auto* jpeg = dynamic_cast<const TJPEGImage*>(image->Picture().Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 64);
  EXPECT_EQ(jpeg->DecodedBitmap().Width(), 4);
  EXPECT_EQ(jpeg->DecodedBitmap().Height(), 2);
}

TEST_F(ImageTest, CanvasOfAnEmptyImageIsABitmapOfTheWidgetsSize) {
  TCanvas& c = image->Canvas();
  ASSERT_NE(image->Picture().Graphic(), nullptr);
  EXPECT_EQ(image->Picture().Width(), 4);
  EXPECT_EQ(image->Picture().Height(), 2);
  EXPECT_EQ(&c, &image->Canvas());  // kept: no new bitmap the second time
}

}  // namespace
}  // namespace tk
