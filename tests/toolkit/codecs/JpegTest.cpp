#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

#include "tests/support/ExifBuilder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/graphics/Canvas.h"

namespace tk {
namespace {

// ---- libjpeg used directly, to state the expected results independently of our codec ----

struct LibjpegEncoder {
  jpeg_compress_struct cinfo{};
  TJpegErrorManager error;
  unsigned char* output = nullptr;
  unsigned long size = 0;
  LibjpegEncoder() {
    cinfo.err = UseJpegErrorManager(error);
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &output, &size);
  }
  ~LibjpegEncoder() {
    jpeg_destroy_compress(&cinfo);
    std::free(output);
  }
};

// An image of `components` samples per pixel in `space`, every row `rowSamples` or, with
// `grain`, samples of which no two neighbours are alike (so that a wrong sample shows); the
// settings a caller picks are applied by `configure` after jpeg_set_defaults.
template <class Configure>
std::vector<std::uint8_t> EncodeDirectly(int width, int height, J_COLOR_SPACE space,
                                         const std::vector<JSAMPLE>& rowSamples,
                                         Configure configure, bool grain = false) {
  LibjpegEncoder e;
  e.cinfo.image_width = static_cast<JDIMENSION>(width);
  e.cinfo.image_height = static_cast<JDIMENSION>(height);
  e.cinfo.input_components = static_cast<int>(rowSamples.size()) / width;
  e.cinfo.in_color_space = space;
  jpeg_set_defaults(&e.cinfo);
  configure(e.cinfo);
  jpeg_start_compress(&e.cinfo, TRUE);
  std::vector<JSAMPLE> row = rowSamples;
  while (e.cinfo.next_scanline < e.cinfo.image_height) {
    for (std::size_t i = 0; grain && i < row.size(); ++i)
      row[i] = static_cast<JSAMPLE>((i * 2654435761u ^ e.cinfo.next_scanline * 40503u) >> 3);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&e.cinfo, rows, 1);
  }
  jpeg_finish_compress(&e.cinfo);
  return {e.output, e.output + e.size};
}

std::vector<JSAMPLE> RgbRow(const TBitmap& b, int y) {
  std::vector<JSAMPLE> row;
  for (int x = 0; x < b.Width(); ++x) {
    const std::uint32_t p = b.PixelWord(x, y);
    row.insert(row.end(), {JSAMPLE(p >> 16), JSAMPLE(p >> 8), JSAMPLE(p)});
  }
  return row;
}

std::string JpegErrorText(int code) { return "JPEG エラー #" + std::to_string(code); }

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int worst = 0;
  for (int shift : {0, 8, 16})
    worst = std::max(worst, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
  return worst;
}

// Four flat quadrants: red, green, blue, pale yellow.
std::unique_ptr<TBitmap> Quadrants(int width, int height) {
  auto picture = std::make_unique<TBitmap>(width, height);
  TBitmap& b = *picture;
  const std::array<std::uint32_t, 4> colours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFEE88};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.ScanLine(y)[x] = colours[(y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1)];
  return picture;
}

// A stream over `file`, read as a file is.
TJpegStream StreamOf(const std::vector<std::uint8_t>& file) {
  auto at = std::make_shared<std::size_t>(0);
  return {[&file, at](std::uint8_t* data, std::size_t n) {
    const std::size_t count = std::min(n, file.size() - *at);
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(*at), count, data);
    *at += count;
    return static_cast<long long>(count);
  }};
}

// ---- writing ----

TEST(JpegWriterTest, StreamIsExactlyLibjpegWithTheBoardSettings) {
  TBitmap b(40, 24);  // a gradient: every coefficient matters, so any other setting shows
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      b.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 6) << 16 | (y * 10) << 8 | (x * y % 256);

  LibjpegEncoder e;
  e.cinfo.image_width = 40;
  e.cinfo.image_height = 24;
  e.cinfo.input_components = 3;
  e.cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&e.cinfo);
  e.cinfo.dct_method = JDCT_FLOAT;
  jpeg_set_quality(&e.cinfo, 80, TRUE);
  jpeg_start_compress(&e.cinfo, TRUE);
  for (int y = 0; y < b.Height(); ++y) {
    std::vector<JSAMPLE> row = RgbRow(b, y);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&e.cinfo, rows, 1);
  }
  jpeg_finish_compress(&e.cinfo);
  const std::vector<std::uint8_t> expected(e.output, e.output + e.size);

  EXPECT_EQ(EncodeJpeg(b, 80), expected);
  EXPECT_NE(EncodeJpeg(b, 90), expected);  // the quality is the caller's
}

TEST(JpegWriterTest, LuminanceTableIsTheStandardOneScaledForQuality80) {
  // Quality 80 scales the standard table by 40 %: (entry * 40 + 50) / 100.
  const std::vector<std::uint8_t> file = EncodeJpeg(*Quadrants(16, 16), 80);
  jpeg_decompress_struct d{};
  TJpegErrorManager error;
  d.err = UseJpegErrorManager(error);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&d, TRUE);
  EXPECT_FALSE(d.progressive_mode);
  EXPECT_FALSE(d.arith_code);
  EXPECT_EQ(d.num_components, 3);
  EXPECT_EQ(d.jpeg_color_space, JCS_YCbCr);
  ASSERT_NE(d.quant_tbl_ptrs[0], nullptr);
  EXPECT_EQ(d.quant_tbl_ptrs[0]->quantval[0], (16 * 40 + 50) / 100);   // 6
  EXPECT_EQ(d.quant_tbl_ptrs[0]->quantval[63], (99 * 40 + 50) / 100);  // 40
  EXPECT_EQ(d.quant_tbl_ptrs[1]->quantval[0], (17 * 40 + 50) / 100);   // 7
  jpeg_destroy_decompress(&d);
}

TEST(JpegWriterTest, EmptyBitmapIsRefusedWithLibjpegsNumber) {
  try {
    EncodeJpeg(TBitmap(), 80);
    FAIL() << "no error";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Message(), JpegErrorText(JERR_EMPTY_IMAGE));
  }
}

// ---- reading ----

TEST(JpegReaderTest, RoundTripKeepsSizeAndColours) {
  const auto original = Quadrants(64, 48);
  const TJpegDecoded decoded = DecodeJpeg(EncodeJpeg(*original, 80));
  ASSERT_EQ(decoded.Bitmap->Width(), 64);
  ASSERT_EQ(decoded.Bitmap->Height(), 48);
  EXPECT_EQ(decoded.ImageWidth, 64);
  for (auto [x, y] : {std::pair{12, 10}, {50, 10}, {12, 38}, {50, 38}})
    EXPECT_LE(ChannelDistance(decoded.Bitmap->PixelWord(x, y), original->PixelWord(x, y)), 12)
        << "at " << x << "," << y;
  EXPECT_EQ(decoded.Bitmap->PixelWord(12, 10) >> 24, 0u);  // no stray high byte
}

struct ColourSpaceCase {
  const char* name;
  J_COLOR_SPACE space;
  std::vector<JSAMPLE> pixel;
  bool adobeMarker;
  std::uint32_t expected;
};

void PrintTo(const ColourSpaceCase& c, std::ostream* os) { *os << c.name; }

class JpegColourSpaceTest : public testing::TestWithParam<ColourSpaceCase> {};

TEST_P(JpegColourSpaceTest, GivesRgb) {
  const ColourSpaceCase& c = GetParam();
  std::vector<JSAMPLE> row;
  for (int x = 0; x < 16; ++x) row.insert(row.end(), c.pixel.begin(), c.pixel.end());
  const auto file = EncodeDirectly(16, 16, c.space, row, [&](jpeg_compress_struct& cinfo) {
    cinfo.write_Adobe_marker = c.adobeMarker;
  });
  const TJpegDecoded decoded = DecodeJpeg(file);
  EXPECT_LE(ChannelDistance(decoded.Bitmap->PixelWord(8, 8), c.expected), 3)
      << std::hex << decoded.Bitmap->PixelWord(8, 8);
}

INSTANTIATE_TEST_SUITE_P(
    Spaces, JpegColourSpaceTest,
    testing::Values(
        ColourSpaceCase{"Grey", JCS_GRAYSCALE, {200}, false, 0xC8C8C8},
        // Adobe's inverted inks: 255 is no ink. No cyan, full magenta, no yellow, no black.
        ColourSpaceCase{"AdobeCmyk", JCS_CMYK, {255, 0, 255, 255}, true, 0xFF00FF},
        // Plain inks: 255 is full ink. The same magenta.
        ColourSpaceCase{"PlainCmyk", JCS_CMYK, {0, 255, 0, 0}, false, 0xFF00FF},
        // Half black over no ink: every channel 255 * 128 / 255.
        ColourSpaceCase{"AdobeCmykHalfBlack", JCS_CMYK, {255, 255, 255, 128}, true, 0x808080}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeErrorCase {
  const char* name;
  std::vector<std::uint8_t> data;
  int messageCode;
};

void PrintTo(const DecodeErrorCase& c, std::ostream* os) { *os << c.name; }

// `file` with its frame header (FF `frameMarker`, length, precision, height, width) claiming
// `width` x `height`.
std::vector<std::uint8_t> Claiming(std::vector<std::uint8_t> file, std::uint8_t frameMarker,
                                   int width, int height) {
  for (std::size_t i = 0; i + 8 < file.size(); ++i)
    if (file[i] == 0xFF && file[i + 1] == frameMarker) {
      file[i + 5] = std::uint8_t(height >> 8), file[i + 6] = std::uint8_t(height);
      file[i + 7] = std::uint8_t(width >> 8), file[i + 8] = std::uint8_t(width);
      return file;
    }
  ADD_FAILURE() << "no frame header";
  return file;
}

std::vector<std::uint8_t> Progressive(int width, int height) {
  return EncodeDirectly(width, height, JCS_RGB, std::vector<JSAMPLE>(width * 3, 255),
                        [](jpeg_compress_struct& cinfo) { jpeg_simple_progression(&cinfo); });
}

std::vector<DecodeErrorCase> DecodeErrors() {
  const std::vector<std::uint8_t> small = EncodeJpeg(*Quadrants(16, 16), 80);
  return {{"Text", {'h', 'e', 'l', 'l', 'o'}, JERR_NO_SOI},
          {"Bitmap", {'B', 'M', 0, 0, 0, 0}, JERR_NO_SOI},
          {"Nothing", {}, JERR_INPUT_EMPTY},
          {"OverTheMegapixelLimit", Claiming(small, 0xC0, 20000, 20000), JERR_IMAGE_TOO_BIG},
          // About 190 MB of coefficients, far more than its few hundred bytes could fill.
          {"ProgressiveClaimingFarMoreThanItHolds",
           Claiming(Progressive(16, 16), 0xC2, 10240, 6144), JERR_IMAGE_TOO_BIG}};
}

class JpegDecodeErrorTest : public testing::TestWithParam<DecodeErrorCase> {};

TEST_P(JpegDecodeErrorTest, RaisesLibjpegsMessageNumber) {
  try {
    DecodeJpeg(GetParam().data, 120, 90);
    FAIL() << "no error";
  } catch (const EJPEG& e) {
    EXPECT_EQ(e.Message(), JpegErrorText(GetParam().messageCode));
  }
}

INSTANTIATE_TEST_SUITE_P(Data, JpegDecodeErrorTest, testing::ValuesIn(DecodeErrors()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegReaderTest, EveryTruncationEndsInAPictureOrAnError) {
  const std::vector<std::uint8_t> whole = EncodeJpeg(*Quadrants(32, 16), 80);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + n);
    try {
      const TJpegDecoded decoded = DecodeJpeg(prefix, 120, 90);
      EXPECT_EQ(decoded.Bitmap->Width(), 32);  // data cut short decodes as far as it goes
    } catch (const EJPEG&) {
    }
  }
}

TEST(JpegReaderTest, RowsPastTheEndOfACutStreamStayWhite) {
  TBitmap grain(64, 256);  // dark grain everywhere, so the data runs evenly through the file
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 64; ++x)
      grain.ScanLine(y)[x] =
          0x202020 + (static_cast<std::uint32_t>(x * 7 + y * 13) % 48) * 0x010101;
  std::vector<std::uint8_t> file = EncodeJpeg(grain, 80);
  file.resize(file.size() * 6 / 10);
  const TJpegDecoded decoded = DecodeJpeg(file);
  ASSERT_EQ(decoded.Bitmap->Height(), 256);
  EXPECT_LE(ChannelDistance(decoded.Bitmap->PixelWord(5, 0), grain.PixelWord(5, 0)), 40);
  for (int x = 0; x < 64; ++x) EXPECT_EQ(decoded.Bitmap->PixelWord(x, 255), 0xFFFFFFu);
}

TEST(JpegReaderTest, PlainProgressivePictureOfManyBlocksStillDecodes) {
  // One colour compresses best: 180,000 blocks (23 MB of coefficients) in a file of some
  // 50 kB, which still pays the bit per block that every block of a complete file costs.
  const std::vector<std::uint8_t> file = Progressive(3200, 2400);
  const TJpegDecoded decoded = DecodeJpeg(file, 120, 90);
  EXPECT_EQ(decoded.ImageWidth, 3200);
  EXPECT_LE(ChannelDistance(decoded.Bitmap->PixelWord(100, 100), 0xFFFFFF), 2);
}

// ---- decoding scaled down ----

struct ScaleCase {
  int width, height, coverWidth, coverHeight, numerator;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
  *os << c.width << "x" << c.height << " for " << c.coverWidth << "x" << c.coverHeight;
}

class JpegScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(JpegScaleTest, PicksTheSmallestScaleThatCovers) {
  const ScaleCase& c = GetParam();
  EXPECT_EQ(JpegScaleNumerator(c.width, c.height, c.coverWidth, c.coverHeight), c.numerator);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, JpegScaleTest,
    testing::Values(ScaleCase{6000, 4000, 120, 90, 1},  // 750 x 500
                    ScaleCase{960, 720, 120, 90, 1},    // exactly 120 x 90
                    ScaleCase{953, 720, 120, 90, 1},    // 119.1 rounds up to 120
                    ScaleCase{952, 720, 120, 90, 2},    // 119 is short: 238 x 180
                    ScaleCase{800, 600, 120, 90, 2},    // 100 x 75 short, 200 x 150
                    ScaleCase{480, 360, 120, 90, 2},    // 120 x 90 at 2/8
                    ScaleCase{300, 2000, 120, 90, 4},   // the narrow side decides: 150
                    ScaleCase{120, 90, 120, 90, 8},     // no smaller scale covers
                    ScaleCase{60, 40, 120, 90, 8},      // smaller than the cell: full size
                    ScaleCase{6000, 4000, 0, 0, 8}));   // no cover size asked

TEST(JpegReaderTest, TwentyFourMegapixelPhotoDecodesAtOneEighthToCover120x90) {
  TBitmap big(6000, 4000);  // white
  const std::vector<std::uint8_t> file = EncodeJpeg(big, 80);
  big.ReleaseImage();
  const TJpegDecoded decoded = DecodeJpeg(file, 120, 90);
  EXPECT_EQ(decoded.Bitmap->Width(), 750);
  EXPECT_EQ(decoded.Bitmap->Height(), 500);
  EXPECT_EQ(decoded.ImageWidth, 6000);
  EXPECT_EQ(decoded.ImageHeight, 4000);
  EXPECT_LE(ChannelDistance(decoded.Bitmap->PixelWord(375, 250), 0xFFFFFF), 2);
}

// ---- Exif orientation ----

// Six flat 16 x 16 blocks, three across and two down, named by letter.
constexpr std::array<std::pair<char, std::uint32_t>, 6> kBlockColours = {{{'R', 0xFF0000},
                                                                          {'G', 0x00FF00},
                                                                          {'B', 0x0000FF},
                                                                          {'C', 0x00FFFF},
                                                                          {'M', 0xFF00FF},
                                                                          {'Y', 0xFFFF00}}};

std::vector<std::uint8_t> StoredBlocks() {
  TBitmap b(48, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) b.ScanLine(y)[x] = kBlockColours[y / 16 * 3 + x / 16].second;
  return EncodeJpeg(b, 80);
}

// The letters of the blocks as shown, top row first.
std::vector<std::string> BlockLetters(const TBitmap& b) {
  std::vector<std::string> rows(static_cast<std::size_t>(b.Height() / 16));
  for (int y = 0; y < b.Height() / 16; ++y)
    for (int x = 0; x < b.Width() / 16; ++x) {
      char letter = '?';
      for (auto [name, colour] : kBlockColours)
        if (ChannelDistance(b.PixelWord(x * 16 + 8, y * 16 + 8), colour) <= 48) letter = name;
      rows[y] += letter;
    }
  return rows;
}

// What each orientation shows of the stored blocks RGB over CMY.
const std::vector<std::string> kShown[9] = {
    {},
    {"RGB", "CMY"},       // as stored
    {"BGR", "YMC"},       // mirrored left to right
    {"YMC", "BGR"},       // turned half round
    {"CMY", "RGB"},       // mirrored top to bottom
    {"RC", "GM", "BY"},   // mirrored along the main diagonal
    {"CR", "MG", "YB"},   // turned a quarter clockwise
    {"YB", "MG", "CR"},   // mirrored along the other diagonal
    {"BY", "GM", "RC"}};  // turned a quarter anticlockwise

struct OrientationCase {
  std::string name;
  std::vector<std::vector<std::uint8_t>> segments;
  int shownAs;
};

void PrintTo(const OrientationCase& c, std::ostream* os) { *os << c.name; }

std::vector<OrientationCase> OrientationCases() {
  std::vector<OrientationCase> cases = {{"NoExif", {}, 1}};
  for (int o = 1; o <= 8; ++o)
    for (bool big : {false, true})
      cases.push_back({std::to_string(o) + (big ? "BigEndian" : "LittleEndian"),
                       {test::ExifOrientationBlock(o, big)},
                       o});
  // Damaged or unusual blocks of a 6 (a quarter turn) leave the picture as stored.
  auto damaged = [&](const char* name, auto change) {
    std::vector<std::uint8_t> block = test::ExifOrientationBlock(6, false);
    change(block);
    cases.push_back({name, {block}, 1});
  };
  damaged("NotExif", [](auto& b) { b[5] = 'x'; });
  damaged("UnknownByteOrder", [](auto& b) { b[7] = 'M'; });
  damaged("NotTiff", [](auto& b) { b[8] = 43; });
  damaged("IfdPastTheEnd", [](auto& b) { b[10] = b[11] = b[12] = b[13] = 0xFF; });
  damaged("EntriesPastTheEnd", [](auto& b) { b[14] = b[15] = 0xFF, b.resize(30); });
  damaged("CutInTheEntry", [](auto& b) { b.resize(34); });
  damaged("LongType", [](auto& b) { b[30] = 4; });
  damaged("TwoValues", [](auto& b) { b[32] = 2; });
  damaged("ValueNine", [](auto& b) { b[36] = 9; });
  damaged("ValueZero", [](auto& b) { b[36] = 0; });
  // An XMP block before the Exif block does not hide it.
  const std::string xmp = "http://ns.adobe.com/xap/1.0/";
  cases.push_back({"AfterXmp", {{xmp.begin(), xmp.end()}, test::ExifOrientationBlock(8, true)}, 8});
  return cases;
}

class JpegOrientationTest : public testing::TestWithParam<OrientationCase> {};

TEST_P(JpegOrientationTest, ShowsThePictureUpright) {
  const OrientationCase& c = GetParam();
  const TJpegDecoded decoded = DecodeJpeg(test::WithApp1Segments(StoredBlocks(), c.segments));
  const std::vector<std::string>& shown = kShown[c.shownAs];
  EXPECT_EQ(BlockLetters(*decoded.Bitmap), shown);
  EXPECT_EQ(decoded.ImageWidth, static_cast<int>(shown[0].size()) * 16);
  EXPECT_EQ(decoded.ImageHeight, static_cast<int>(shown.size()) * 16);
}

INSTANTIATE_TEST_SUITE_P(Blocks, JpegOrientationTest, testing::ValuesIn(OrientationCases()),
                         [](const auto& info) { return info.param.name; });

TEST(JpegOrientationTest, CoverAppliesToThePictureAsShown) {
  // 960 x 240 stored, 240 x 960 shown. Covering 120 x 90 as shown takes 4/8 (120 x 480); the
  // stored size alone would pick 3/8, which shows only 90 wide.
  const std::vector<std::uint8_t> file = test::WithApp1Segments(
      EncodeJpeg(TBitmap(960, 240), 80), {test::ExifOrientationBlock(6, false)});
  const TJpegDecoded decoded = DecodeJpeg(file, 120, 90);
  EXPECT_EQ(decoded.Bitmap->Width(), 120);
  EXPECT_EQ(decoded.Bitmap->Height(), 480);
  EXPECT_EQ(decoded.ImageWidth, 240);
  EXPECT_EQ(decoded.ImageHeight, 960);
}

// ---- a photo in its cell ----

// A file of every kind the board reads: its samplings (per component, across and down; {}:
// libjpeg's 2x2 1x1 1x1), what it stores, how it is coded and turned, how much of it arrived.
enum class Coding { kBaseline, kProgressive, kArithmetic, kRestarts };

struct CellCase {
  const char* name;
  int width, height;
  std::vector<std::pair<int, int>> sampling = {};
  J_COLOR_SPACE stored = JCS_YCbCr;
  Coding coding = Coding::kBaseline;
  int orientation = 1;
  int keptPercent = 100;  // of the file, the rest cut off
};

void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }

std::vector<std::uint8_t> CellFile(const CellCase& c) {
  const J_COLOR_SPACE input = c.stored == JCS_GRAYSCALE                      ? JCS_GRAYSCALE
                              : c.stored == JCS_CMYK || c.stored == JCS_YCCK ? JCS_CMYK
                                                                             : JCS_RGB;
  const int components = input == JCS_GRAYSCALE ? 1 : input == JCS_CMYK ? 4 : 3;
  const auto configure = [&](jpeg_compress_struct& cinfo) {
    jpeg_set_colorspace(&cinfo, c.stored);
    jpeg_set_quality(&cinfo, 90, TRUE);
    for (std::size_t i = 0; i < c.sampling.size(); ++i)
      cinfo.comp_info[i].h_samp_factor = c.sampling[i].first,
      cinfo.comp_info[i].v_samp_factor = c.sampling[i].second;
    if (c.coding == Coding::kProgressive) jpeg_simple_progression(&cinfo);
    cinfo.arith_code = c.coding == Coding::kArithmetic;
    cinfo.restart_in_rows = c.coding == Coding::kRestarts;
  };
  std::vector<std::uint8_t> file = EncodeDirectly(
      c.width, c.height, input, std::vector<JSAMPLE>(c.width * components), configure, true);
  if (c.orientation != 1)
    file = test::WithApp1Segments(file, {test::ExifOrientationBlock(c.orientation, false)});
  file.resize(file.size() * static_cast<std::size_t>(c.keptPercent) / 100);
  return file;
}

class JpegCellTest : public testing::TestWithParam<CellCase> {};

// A cell shows exactly what the whole picture, decoded at its own size and turned upright, shows
// stretched to the cell: not one pixel different, whatever the decoder leaves out.
TEST_P(JpegCellTest, ShowsTheWholeDecodeStretched) {
  const std::vector<std::uint8_t> file = CellFile(GetParam());
  const TJpegDecoded whole = DecodeJpeg(file);
  for (const auto& [width, height] : {std::pair{120, 90}, {37, 23}, {1000, 7}}) {
    TJPEGImage photo;
    photo.LoadFromStream(StreamOf(file), width, height, true);
    EXPECT_LE(photo.DecodedBitmap().Width() * photo.DecodedBitmap().Height(), width * height);
    TBitmap cell(width, height), expected(width, height);
    cell.Canvas().StretchDraw({0, 0, width, height}, photo);
    expected.Canvas().StretchDraw({0, 0, width, height}, *whole.Bitmap);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        ASSERT_EQ(cell.PixelWord(x, y), expected.PixelWord(x, y))
            << width << "x" << height << " at " << x << "," << y;
  }
}

using enum Coding;

INSTANTIATE_TEST_SUITE_P(
    Kinds, JpegCellTest,
    testing::Values(
        // Samplings: fancy upsampling across, down and both; replication for other ratios
        // and for components two samples wide; luma subsampled against chroma.
        CellCase{"Baseline420", 999, 333},
        CellCase{"Baseline422", 999, 333, {{2, 1}, {1, 1}, {1, 1}}},
        CellCase{"Baseline440", 333, 999, {{1, 2}, {1, 1}, {1, 1}}},
        CellCase{"Baseline411", 999, 333, {{4, 1}, {1, 1}, {1, 1}}},
        CellCase{"ThreeAcrossTwoDown", 500, 301, {{3, 2}, {1, 1}, {1, 1}}},
        CellCase{"FourTwoOneAcross", 301, 500, {{4, 1}, {2, 1}, {1, 1}}},
        CellCase{"FourTwoOneDown", 500, 301, {{1, 4}, {1, 2}, {1, 1}}},
        CellCase{"ChromaFinerThanLuma", 500, 301, {{1, 1}, {2, 2}, {1, 2}}},
        CellCase{"FourWide420", 4, 700}, CellCase{"FourWide422", 4, 700, {{2, 1}, {1, 1}, {1, 1}}},
        CellCase{"OneRow420", 700, 1},
        // Colour spaces.
        CellCase{"Grey", 333, 999, {}, JCS_GRAYSCALE}, CellCase{"Rgb", 999, 333, {}, JCS_RGB},
        CellCase{"Cmyk", 999, 333, {}, JCS_CMYK},
        CellCase{"Ycck", 999, 333, {{2, 2}, {1, 1}, {1, 1}, {2, 2}}, JCS_YCCK},
        // Codings.
        CellCase{"Progressive", 101, 1001, {}, JCS_YCbCr, kProgressive},
        CellCase{"Arithmetic", 101, 1001, {}, JCS_YCbCr, kArithmetic},
        CellCase{"RestartMarkers", 101, 1001, {}, JCS_YCbCr, kRestarts},
        // Exif turns and mirrors: only which stored pixel a cell pixel takes changes.
        CellCase{"HalfTurn", 999, 333, {}, JCS_YCbCr, kBaseline, 3},
        CellCase{"PhoneQuarterTurn", 999, 333, {}, JCS_YCbCr, kBaseline, 6},
        CellCase{"Transversed", 333, 999, {}, JCS_YCbCr, kBaseline, 7},
        // Data cut short: rows from where it ended on stay white in both.
        CellCase{"Cut420", 101, 1001, {}, JCS_YCbCr, kBaseline, 1, 47},
        CellCase{"Cut422", 999, 333, {{2, 1}, {1, 1}, {1, 1}}, JCS_YCbCr, kBaseline, 1, 53},
        CellCase{"CutTurned", 999, 333, {}, JCS_YCbCr, kBaseline, 6, 58},
        CellCase{"CutArithmetic", 101, 1001, {}, JCS_YCbCr, kArithmetic, 1, 61},
        CellCase{"CutRestartMarkers", 101, 1001, {}, JCS_YCbCr, kRestarts, 1, 44},
        CellCase{"CutProgressive", 101, 1001, {}, JCS_YCbCr, kProgressive, 1, 70}),
    [](const auto& info) { return std::string(info.param.name); });

// Found by fuzzing: libjpeg's own row skipping went round for ever on this file (components in
// separate scans, one sampled four times vertically); the file must end in a picture or an error.
TEST(JpegCellTest, SeparateScansWithTallSamplingEnd) {
  const std::vector<std::uint8_t> file = {
      0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 0x4A, 0x46, 0x49, 0x46, 0x00, 0x01, 0x01, 0x00, 0x00,
      0x01, 0x00, 0x01, 0x00, 0x00, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x08, 0x06, 0x06, 0x07, 0x06,
      0x05, 0x1A, 0x1F, 0x1E, 0x1D, 0x1A, 0x1C, 0x1C, 0x20, 0x24, 0x2E, 0x28, 0x20, 0x22, 0x2C,
      0x23, 0x1C, 0x29, 0x2C, 0x1C, 0x01, 0x21, 0x00, 0x00, 0x01, 0x32, 0x32, 0x32, 0x32, 0x32,
      0x32, 0x32, 0x3A, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x2F, 0x32, 0x32, 0x32, 0x32, 0x32,
      0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32, 0x32,
      0x32, 0x32, 0x32, 0x32, 0x34, 0x34, 0x34, 0x34, 0x34, 0x34, 0x34, 0x34, 0xFF, 0xC9, 0x00,
      0x11, 0x08, 0x08, 0x18, 0x00, 0x28, 0x03, 0x01, 0x32, 0x00, 0x02, 0x11, 0x01, 0x13, 0x14,
      0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x01, 0x05, 0x02, 0x62, 0x4D, 0xB8, 0xD4, 0xF1,
      0x8F, 0x20, 0xC0, 0x5B, 0x76, 0x31, 0x28, 0xE0, 0xFF, 0xCC, 0x00, 0x04, 0x10, 0x05, 0xFF,
      0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x01, 0x05, 0x02, 0x14, 0x00, 0x83, 0x71, 0xEB, 0x47,
      0x64, 0x0E, 0x79, 0x11, 0x65, 0x5F, 0x31, 0x23, 0xA7, 0x5C, 0xA3, 0xA0, 0x7A, 0x96, 0xD8,
      0x2C, 0x57, 0x18, 0x33, 0x21, 0x51, 0xA7, 0xBF, 0x47, 0xF7, 0xBE, 0xE3, 0x16, 0x63, 0x5E,
      0xB1, 0x9D, 0x98, 0x86, 0x90, 0x1B, 0x28, 0x0B, 0x3E, 0x0B, 0xFF,
  };
  try {
    const TJpegDecoded kept = DecodeJpeg(StreamOf(file), 120, 90, true);
    EXPECT_EQ(kept.Bitmap->Width(), 40);
  } catch (const EJPEG&) {
  }
}

// ---- the JPEG picture ----

TEST(JpegImageTest, ReportsItsOwnSizeAndStretchesTheScaledPixels) {
  TJPEGImage image;
  image.LoadFromBytes(EncodeJpeg(*Quadrants(64, 32), 80), 8, 4);
  EXPECT_EQ(image.Width(), 64);
  EXPECT_EQ(image.Height(), 32);
  EXPECT_EQ(image.DecodedBitmap().Width(), 8);  // 1/8 covers 8 x 4

  TBitmap target(16, 8);
  image.Draw(target.Canvas(), {0, 0, 16, 8});
  EXPECT_LE(ChannelDistance(target.PixelWord(1, 1), 0xFF0000), 40);
  EXPECT_LE(ChannelDistance(target.PixelWord(14, 1), 0x00FF00), 40);
  EXPECT_LE(ChannelDistance(target.PixelWord(1, 6), 0x0000FF), 40);
  EXPECT_LE(ChannelDistance(target.PixelWord(14, 6), 0xFFEE88), 40);
}

TEST(JpegImageTest, IsNeverTransparent) {
  TJPEGImage image;
  image.SetTransparent(true);
  EXPECT_FALSE(image.Transparent());
}

TEST(JpegImageTest, FailedLoadKeepsWhatItHeld) {
  TJPEGImage image;
  image.LoadFromBytes(EncodeJpeg(*Quadrants(16, 8), 80));
  EXPECT_THROW(image.LoadFromBytes(std::vector<std::uint8_t>{'x'}), EJPEG);
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(image.DecodedBitmap().Width(), 16);
}

TEST(JpegImageTest, AssignedBitmapIsEncodedAtTheSetQuality) {
  const auto board = Quadrants(48, 40);
  TJPEGImage image;
  image.Assign(*board);
  image.SetCompressionQuality(80);
  EXPECT_EQ(image.Width(), 48);
  EXPECT_EQ(image.SaveToBytes(), EncodeJpeg(*board, 80));
}

}  // namespace
}  // namespace tk
