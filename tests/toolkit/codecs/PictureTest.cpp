#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/BmpBuilder.h"
#include "tests/support/TempFolder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/codecs/Picture.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/core/FileIO.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {
namespace {

using Bytes = std::vector<std::uint8_t>;

static_assert(JERR_NO_SOI == 53, "the text below names libjpeg's number for a non-JPEG start");

// ---- which reader a path names ----

struct KindCase {
  const char* path;
  std::optional<TPictureFileKind> kind;
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << c.path; }

class PictureKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(PictureKindTest, ExtensionOfTheLastComponentCaseIgnored) {
  EXPECT_EQ(PictureFileKindOf(GetParam().path), GetParam().kind) << GetParam().path;
}

constexpr auto kBmp = TPictureFileKind::kBitmap;
constexpr auto kJpeg = TPictureFileKind::kJpeg;

INSTANTIATE_TEST_SUITE_P(
    Paths, PictureKindTest,
    testing::Values(KindCase{"frame.bmp", kBmp}, KindCase{"frame.BMP", kBmp},
                    KindCase{"/p/frame.Bmp", kBmp}, KindCase{"cat.jpg", kJpeg},
                    KindCase{"X.JPG", kJpeg}, KindCase{"x.Jpg", kJpeg}, KindCase{"x.jpeg", kJpeg},
                    KindCase{"x.JPEG", kJpeg}, KindCase{"x.jpe", std::nullopt},
                    KindCase{"x.gif", std::nullopt}, KindCase{"x.png", std::nullopt},
                    KindCase{"x", std::nullopt}, KindCase{"a.bmp.txt", std::nullopt},
                    KindCase{"x.bmpx", std::nullopt}, KindCase{"x.bm", std::nullopt},
                    KindCase{"my.pics/photo", std::nullopt},
                    KindCase{"C:\\my.pics\\photo", std::nullopt}, KindCase{"", std::nullopt}));

// ---- loading ----

Bytes SmallBmp() {
  test::BmpFields f;
  f.width = 3;
  f.height = 2;
  f.bitCount = 24;
  f.pixels = test::PackRows({{0x0000FF, 0x00FF00, 0xFF0000}, {1, 2, 3}}, 24);
  return test::BuildBmp(f);
}

Bytes SmallBmpLessItsLastByte() {
  Bytes file = SmallBmp();
  file.pop_back();
  return file;
}

Bytes SmallJpeg(int width, int height) {
  TBitmap b(width, height);
  return EncodeJpeg(b, 80);
}

class PictureLoadTest : public testing::Test {
 protected:
  PictureLoadTest() {
    picture.OnChange = TNotifyEvent([this](TObject*) { ++changes; });
  }
  std::string Put(const std::string& name, const Bytes& content) {
    const std::string path = folder.Path(name);
    WriteFileBytes(path, content);
    return path;
  }

  test::TempFolder folder;
  TPicture picture;
  int changes = 0;
};

TEST_F(PictureLoadTest, BitmapFileGivesABitmap) {
  picture.LoadFromFile(Put("frame.BMP", SmallBmp()));
  auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(bitmap->PixelWord(2, 1) & 0xFFFFFF, 0xFF0000u);  // bottom-up: first row is y = 1
  EXPECT_EQ(changes, 1);
}

TEST_F(PictureLoadTest, JpegFileIsDecodedToCoverTheDecodeSize) {
  picture.SetDecodeSize(120, 90);
  picture.LoadFromFile(Put("photo.jpeg", SmallJpeg(1920, 1440)));
  auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(picture.Width(), 1920);
  EXPECT_EQ(picture.Height(), 1440);
  EXPECT_EQ(jpeg->DecodedBitmap().Width(), 240);  // 1/8 of 1920 x 1440 covers 120 x 90
  EXPECT_EQ(changes, 1);
}

TEST_F(PictureLoadTest, JpegFileKeepsOnlyThePixelsItsStretchSizeShows) {
  TBitmap grain(1920, 1440);  // no two neighbours alike, so every sample shows
  for (int y = 0; y < 1440; ++y)
    for (int x = 0; x < 1920; ++x)
      grain.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
  const std::string path = Put("photo.jpg", EncodeJpeg(grain, 90));
  TPicture whole;  // decoded at its own size
  whole.LoadFromFile(path);
  picture.SetStretchSize(120, 90);
  picture.LoadFromFile(path);

  auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(picture.Width(), 1920);
  EXPECT_EQ(picture.Height(), 1440);
  EXPECT_EQ(jpeg->DecodedBitmap().Width(), 120);
  EXPECT_EQ(jpeg->DecodedBitmap().Height(), 90);
  EXPECT_EQ(changes, 1);
  TBitmap shown(120, 90), wholeShown(120, 90);
  shown.Canvas().StretchDraw({0, 0, 120, 90}, *jpeg);
  wholeShown.Canvas().StretchDraw({0, 0, 120, 90}, *whole.Graphic());
  for (int y = 0; y < 90; ++y)
    for (int x = 0; x < 120; ++x)
      ASSERT_EQ(shown.PixelWord(x, y), wholeShown.PixelWord(x, y)) << x << "," << y;
}

struct FailedLoadCase {
  const char* name;
  const char* fileName;  // created with `content` unless null content
  std::optional<Bytes> content;
  const char* expectedText;  // %s: the path
};

void PrintTo(const FailedLoadCase& c, std::ostream* os) { *os << c.name; }

class PictureFailedLoadTest : public PictureLoadTest,
                              public testing::WithParamInterface<FailedLoadCase> {};

TEST_P(PictureFailedLoadTest, KeepsTheOldPictureAndRaisesTheText) {
  const FailedLoadCase& c = GetParam();
  picture.LoadFromFile(Put("old.bmp", SmallBmp()));
  TGraphic* old = picture.Graphic();
  changes = 0;
  std::string path = folder.Path(c.fileName);
  if (c.content) Put(c.fileName, *c.content);
  else if (std::string(c.name) == "FolderNamedJpg") std::filesystem::create_directory(path);
  try {
    picture.LoadFromFile(path);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), Format(c.expectedText, path));
  }
  EXPECT_EQ(picture.Graphic(), old);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(changes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureFailedLoadTest,
    testing::Values(
        FailedLoadCase{"Missing", "gone.jpg", std::nullopt, "ファイル %s は開けません"},
        FailedLoadCase{"FolderNamedJpg", "x.jpg", std::nullopt, "ファイル %s は開けません"},
        FailedLoadCase{"JpegInBmp", "frame.bmp", SmallJpeg(8, 8), "ビットマップイメージが不正です"},
        FailedLoadCase{"TruncatedBmp", "frame.bmp", SmallBmpLessItsLastByte(),
                       "ビットマップイメージが不正です"},
        FailedLoadCase{"TextInJpg", "photo.jpg", Bytes{'h', 'i', '!', '!'}, "JPEG エラー #53"},
        FailedLoadCase{"Unknown", "photo.png", Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'},
                       "ファイル %s は読み込める画像ではありません"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- holding, emptying and the bitmap on demand ----

TEST_F(PictureLoadTest, FileLongerThanAnyPictureIsRefusedBeforeItIsRead) {
  // Sparse files: they claim 600 MiB but take no disk space.
  const std::pair<const char*, std::string> files[] = {
      {"huge.bmp", "ビットマップイメージが不正です"},
      {"huge.jpg", "JPEG エラー #" + std::to_string(JERR_IMAGE_TOO_BIG)}};
  for (const auto& [name, text] : files) {
    const std::string path = Put(name, SmallBmp());
    std::filesystem::resize_file(path, std::uintmax_t{600} << 20);
    try {
      picture.LoadFromFile(path);
      FAIL() << name << " accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(std::string(e.what()), text) << name;
    }
  }
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(changes, 0);
}

TEST_F(PictureLoadTest, ClearFiresOnlyWhenSomethingWasHeld) {
  picture.Clear();
  EXPECT_EQ(changes, 0);
  picture.SetGraphic(std::make_unique<TBitmap>(2, 2));
  picture.Clear();
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  EXPECT_EQ(changes, 2);
}

TEST_F(PictureLoadTest, BitmapReplacesAnythingElseByAnEmptyBitmap) {
  TBitmap& made = picture.Bitmap();  // from nothing
  EXPECT_EQ(made.Width(), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(&picture.Bitmap(), &made);  // held: returned as it is
  EXPECT_EQ(changes, 1);
  picture.SetGraphic(std::make_unique<TJPEGImage>());
  TBitmap& replaced = picture.Bitmap();
  EXPECT_EQ(dynamic_cast<TBitmap*>(picture.Graphic()), &replaced);
  EXPECT_EQ(changes, 3);
}

TEST_F(PictureLoadTest, ChangesOfTheHeldGraphicAreReported) {
  picture.Bitmap().SetSize(652, 593);
  EXPECT_EQ(changes, 2);  // the new bitmap, then its new size
  EXPECT_EQ(picture.Width(), 652);
}

TEST_F(PictureLoadTest, AssignCopiesTheGraphic) {
  TPicture source;
  source.Bitmap().SetSize(4, 3);
  source.Bitmap().ScanLine(0)[0] = 0x123456;
  picture.Assign(source);
  auto* copy = dynamic_cast<TBitmap*>(picture.Graphic());
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, source.Graphic());
  EXPECT_EQ(copy->PixelWord(0, 0), 0x123456u);
  picture.Assign(TPicture());
  EXPECT_EQ(picture.Graphic(), nullptr);
}

}  // namespace
}  // namespace tk
