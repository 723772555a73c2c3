#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/TempFolder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/Picture.h"
#include "toolkit/core/FileIO.h"

namespace tk {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stream over `bytes` that hands out at most `piece` bytes a call and fails once `failAt`
// bytes were read.
TJpegStream Pieces(const Bytes& bytes, std::size_t piece, std::size_t failAt = SIZE_MAX) {
  auto at = std::make_shared<std::size_t>(0);
  return {[&bytes, piece, failAt, at](std::uint8_t* data, std::size_t n) -> long long {
    if (*at >= failAt) return -1;
    const std::size_t count = std::min({n, piece, bytes.size() - *at});
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(*at), count, data);
    *at += count;
    return static_cast<long long>(count);
  }};
}

// Grain that keeps the entropy-coded data dense, with a comment block of 70000 bytes in front
// when `comment` is set: libjpeg skips it through the source, and what it holds would be a
// second start marker were it read.
Bytes Photo(bool comment) {
  TBitmap grain(200, 150);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x)
      grain.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
  Bytes file = EncodeJpeg(grain, 90);
  if (!comment) return file;
  Bytes block;
  for (int segment = 0; segment < 2; ++segment) {  // a segment holds at most 65533 bytes
    const std::size_t length = 35002;
    block.insert(block.end(), {0xFF, 0xFE, std::uint8_t(length >> 8), std::uint8_t(length)});
    for (std::size_t i = 2; i < length; i += 2) block.insert(block.end(), {0xFF, 0xD8});
  }
  file.insert(file.begin() + 2, block.begin(), block.end());  // after the start marker
  return file;
}

struct StreamCase {
  const char* name;
  bool comment;
  std::size_t keep;  // bytes of the file kept, SIZE_MAX for all
  std::size_t piece;
};

void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class JpegStreamTest : public testing::TestWithParam<StreamCase> {};

TEST_P(JpegStreamTest, DecodesAsTheSameBytesInMemory) {
  const StreamCase& c = GetParam();
  Bytes file = Photo(c.comment);
  file.resize(std::min(file.size(), c.keep));
  const TJpegDecoded fromMemory = DecodeJpeg(file, 30, 20);
  const TBitmap& whole = *fromMemory.Bitmap;
  const TJpegDecoded fromStream = DecodeJpeg(Pieces(file, c.piece), 30, 20);
  ASSERT_EQ(fromStream.ImageWidth, 200);
  ASSERT_EQ(fromStream.Bitmap->Width(), whole.Width());
  ASSERT_EQ(fromStream.Bitmap->Height(), whole.Height());
  for (int y = 0; y < whole.Height(); ++y)
    for (int x = 0; x < whole.Width(); ++x)
      ASSERT_EQ(fromStream.Bitmap->PixelWord(x, y), whole.PixelWord(x, y)) << x << "," << y;

  // Keeping only what a 30 x 20 stretch shows: column x of the whole 200 x 150 picture is
  // x * 200 / 30, row y is y * 150 / 20.
  const TJpegDecoded full = DecodeJpeg(file);
  const TJpegDecoded samples = DecodeJpeg(Pieces(file, c.piece), 30, 20, true);
  ASSERT_EQ(samples.ImageWidth, 200);
  ASSERT_EQ(samples.Bitmap->Width(), 30);
  ASSERT_EQ(samples.Bitmap->Height(), 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(samples.Bitmap->PixelWord(x, y), full.Bitmap->PixelWord(x * 200 / 30, y * 150 / 20))
          << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Streams, JpegStreamTest,
    testing::Values(StreamCase{"Whole", false, SIZE_MAX, SIZE_MAX},
                    StreamCase{"ByteByByte", false, SIZE_MAX, 1},
                    StreamCase{"CommentSkippedAcrossPieces", true, SIZE_MAX, 7},
                    StreamCase{"CommentSkippedWhole", true, SIZE_MAX, SIZE_MAX},
                    StreamCase{"CutShort", false, 9000, 1000}),  // the rest stays white
    [](const auto& info) { return std::string(info.param.name); });

struct StreamErrorCase {
  const char* name;
  Bytes bytes;
  std::size_t failAt;
  int messageCode;
};

void PrintTo(const StreamErrorCase& c, std::ostream* os) { *os << c.name; }

class JpegStreamErrorTest : public testing::TestWithParam<StreamErrorCase> {};

TEST_P(JpegStreamErrorTest, RaisesLibjpegsMessageNumber) {
  const StreamErrorCase& c = GetParam();
  try {
    DecodeJpeg(Pieces(c.bytes, 4096, c.failAt), 120, 90);
    FAIL() << "no error";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Message(), "JPEG エラー #" + std::to_string(c.messageCode));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, JpegStreamErrorTest,
    testing::Values(StreamErrorCase{"Nothing", {}, SIZE_MAX, JERR_INPUT_EMPTY},
                    StreamErrorCase{"Text", {'h', 'e', 'l', 'l', 'o'}, SIZE_MAX, JERR_NO_SOI},
                    StreamErrorCase{"FailsAtOnce", Photo(false), 0, JERR_FILE_READ},
                    StreamErrorCase{"FailsInTheMiddle", Photo(false), 8192, JERR_FILE_READ}),
    [](const auto& info) { return std::string(info.param.name); });

#ifdef __linux__
TEST(JpegFileTest, FileThatCannotBeReadGivesTheOpenError) {
  // The process's own memory opens as a plain file, but reading it from the start fails.
  test::TempFolder folder;
  const std::string path = folder.Path("memory.jpg");
  std::filesystem::create_symlink("/proc/self/mem", path);
  TPicture picture;
  try {
    picture.LoadFromFile(path);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), Format(kFileOpenError, path));
  }
  EXPECT_EQ(picture.Graphic(), nullptr);
}
#endif

}  // namespace
}  // namespace tk
