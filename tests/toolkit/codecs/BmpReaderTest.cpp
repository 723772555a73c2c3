#include <gtest/gtest.h>

#include <string>

#include "tests/support/BmpBuilder.h"
#include "toolkit/codecs/BmpReader.h"
#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

using test::BmpFields;
using test::BuildBmp;
using test::PackRows;
using Rows = std::vector<std::vector<std::uint32_t>>;

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

std::unique_ptr<TBitmap> Decoded(const std::vector<std::uint8_t>& file) {
  auto result = DecodeBmp(file);
  if (auto* error = std::get_if<TBmpError>(&result)) {
    ADD_FAILURE() << "refused with reason " << static_cast<int>(*error);
    return nullptr;
  }
  return std::move(std::get<std::unique_ptr<TBitmap>>(result));
}

std::optional<TBmpError> ErrorOf(const std::vector<std::uint8_t>& file) {
  auto result = DecodeBmp(file);
  if (auto* error = std::get_if<TBmpError>(&result)) return *error;
  return std::nullopt;
}

Rows PixelWords(const TBitmap& b) {
  Rows rows(static_cast<std::size_t>(b.Height()));
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) rows[y].push_back(b.PixelWord(x, y) & 0xFFFFFF);
  return rows;
}

// Stored rows of an image given top row first: reversed unless the file is top-down.
Rows InFileOrder(Rows rows, bool topDown) {
  if (!topDown) std::reverse(rows.begin(), rows.end());
  return rows;
}

// ---- every header kind, depth and row order on one 5 x 3 image ----

struct Layout {
  std::uint32_t headerSize;
  int bits;
  bool topDown;
};

void PrintTo(const Layout& c, std::ostream* os) {
  *os << c.headerSize << "-byte header, " << c.bits << " bits, "
      << (c.topDown ? "top-down" : "bottom-up");
}

std::string LayoutName(const testing::TestParamInfo<Layout>& info) {
  return "Header" + std::to_string(info.param.headerSize) + "_" + std::to_string(info.param.bits) +
         "bit_" + (info.param.topDown ? "TopDown" : "BottomUp");
}

std::vector<Layout> AllLayouts() {
  std::vector<Layout> layouts;
  for (int bits : {1, 4, 8, 24}) layouts.push_back({12, bits, false});
  for (std::uint32_t header : {40u, 52u, 56u, 108u, 124u})
    for (int bits : {1, 4, 8, 16, 24, 32})
      for (bool topDown : {false, true}) layouts.push_back({header, bits, topDown});
  return layouts;
}

class BmpLayoutTest : public testing::TestWithParam<Layout> {};

// A palette whose entries all differ, so a wrong index shows.
std::uint32_t PaletteEntry(std::uint32_t i) {
  return (i * 37 % 256) << 16 | (i * 91 % 256) << 8 | (255 - i * 13 % 256);
}

TEST_P(BmpLayoutTest, DecodesEveryPixelInPlace) {
  const Layout l = GetParam();
  constexpr int kWidth = 5, kHeight = 3;  // odd width: every depth needs row padding
  Rows stored(kHeight), expected(kHeight);
  BmpFields f;
  f.headerSize = l.headerSize;
  f.width = kWidth;
  f.height = l.topDown ? -kHeight : kHeight;
  f.bitCount = static_cast<std::uint16_t>(l.bits);
  if (l.bits <= 8) {
    for (std::uint32_t i = 0; i < (1u << l.bits); ++i) f.palette.push_back(PaletteEntry(i));
    if (l.bits == 1) f.palette = {kBlack, kWhite};
  }
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const std::uint32_t v = static_cast<std::uint32_t>(x * 3 + y * 7);
      switch (l.bits) {
        case 1:
        case 4:
        case 8: {
          const std::uint32_t index = v % (1u << l.bits);
          stored[y].push_back(index);
          expected[y].push_back(f.palette[index]);
          break;
        }
        case 16: {  // 5-5-5: each 5-bit value scales to v * 255 / 31, rounded
          const std::uint32_t r = v % 32, g = (v * 5) % 32, b = 31 - v % 32;
          stored[y].push_back(r << 10 | g << 5 | b);
          auto scale = [](std::uint32_t c) { return (c * 255 + 15) / 31; };
          expected[y].push_back(scale(r) << 16 | scale(g) << 8 | scale(b));
          break;
        }
        default: {  // 24 and 32: B, G, R (, a fourth byte that means nothing)
          const std::uint32_t word = (v * 9) << 16 | (v * 5) << 8 | (200 - v);
          stored[y].push_back(l.bits == 32 ? word | 0xAB000000 : word);
          expected[y].push_back(word);
        }
      }
    }
  f.pixels = PackRows(InFileOrder(stored, l.topDown), l.bits);
  auto bitmap = Decoded(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->Width(), kWidth);
  EXPECT_EQ(bitmap->Height(), kHeight);
  EXPECT_EQ(PixelWords(*bitmap), expected);
  EXPECT_EQ(bitmap->Monochrome(), l.bits == 1);
}

INSTANTIATE_TEST_SUITE_P(AllHeaders, BmpLayoutTest, testing::ValuesIn(AllLayouts()), LayoutName);

// ---- bit fields ----

struct BitFieldCase {
  const char* name;
  std::uint32_t headerSize;
  int bits;
  std::array<std::uint32_t, 3> masks;
  std::uint32_t stored;
  std::uint32_t expected;  // worked out by hand: channel * 255 / channel maximum, rounded
};

void PrintTo(const BitFieldCase& c, std::ostream* os) { *os << c.name; }

class BmpBitFieldTest : public testing::TestWithParam<BitFieldCase> {};

TEST_P(BmpBitFieldTest, ScalesEachChannelToEightBits) {
  const BitFieldCase& c = GetParam();
  BmpFields f;
  f.headerSize = c.headerSize;
  f.width = 1;
  f.height = 1;
  f.bitCount = static_cast<std::uint16_t>(c.bits);
  f.compression = 3;
  f.writeMasks = true;
  f.masks = c.masks;
  f.pixels = PackRows({{c.stored}}, c.bits);
  auto bitmap = Decoded(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->PixelWord(0, 0) & 0xFFFFFF, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, BmpBitFieldTest,
    testing::Values(
        // 5-6-5: red 31 -> 255, green 32 of 63 -> 129.5 -> 130, blue 1 of 31 -> 8.2 -> 8
        BitFieldCase{"RGB565", 40, 16, {0xF800, 0x07E0, 0x001F}, 0xFC01, 0xFF8208},
        // 5-5-5 stated explicitly in a V4 header: 16, 0, 31 -> 132, 0, 255
        BitFieldCase{"RGB555InV4", 108, 16, {0x7C00, 0x03E0, 0x001F}, 0x401F, 0x8400FF},
        // 32-bit in the other byte order: R in the low byte
        BitFieldCase{"XBGR32", 124, 32, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0x00332211, 0x112233},
        // 10-10-10: 1023 -> 255, 512 -> 127.6 -> 128, 0 -> 0
        BitFieldCase{
            "RGB101010", 56, 32, {0x3FF00000, 0x000FFC00, 0x000003FF}, 0x3FF80000, 0xFF8000},
        // 4-bit channels: 15 -> 255, 8 -> 136, 1 -> 17; no mask for blue gives 0
        BitFieldCase{"Four4AndNoBlue", 40, 16, {0xF000, 0x0F00, 0}, 0xF8FF, 0xFF8800},
        // a full 32-bit mask: 0x80000000 of 0xFFFFFFFF -> 127.5 -> 128
        BitFieldCase{"Whole32BitMask", 52, 32, {0xFFFFFFFF, 0, 0}, 0x80000000, 0x800000}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- palettes ----

TEST(BmpPaletteTest, ShortPaletteAndIndexBeyondItGivesBlack) {
  const BmpFields f{.width = 4,
                    .height = 1,
                    .bitCount = 8,
                    .colorsUsed = 2,
                    .palette = {0x102030, 0x405060},
                    .pixels = PackRows({{1, 0, 2, 255}}, 8)};
  auto bitmap = Decoded(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(PixelWords(*bitmap), (Rows{{0x405060, 0x102030, kBlack, kBlack}}));
}

TEST(BmpPaletteTest, PixelDataAtTheOffsetTheHeaderGivesNotAfterThePalette) {
  const BmpFields f{
      .width = 1,
      .height = 1,
      .bitCount = 8,
      .colorsUsed = 1,
      .palette = {0x123456},
      .pixels = {0xEE, 0xEE, 0x00, 0x00, 0x00, 0x00},  // two stray bytes, then the row
      .pixelOffset = 14 + 40 + 4 + 2};
  auto bitmap = Decoded(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->PixelWord(0, 0) & 0xFFFFFF, 0x123456u);
}

struct MonochromeCase {
  const char* name;
  std::uint32_t colour0, colour1;
  std::uint32_t ink;  // the darker entry, entry 0 on a tie
};

void PrintTo(const MonochromeCase& c, std::ostream* os) { *os << c.name; }

class BmpMonochromeTest : public testing::TestWithParam<MonochromeCase> {};

TEST_P(BmpMonochromeTest, TwoColoursKeepTheirPaletteAndTheDarkerIsTheInk) {
  const MonochromeCase& c = GetParam();
  const BmpFields f{.width = 2,
                    .height = 1,
                    .bitCount = 1,
                    .palette = {c.colour0, c.colour1},
                    .pixels = PackRows({{0, 1}}, 1)};
  auto bitmap = Decoded(BuildBmp(f));
  ASSERT_TRUE(bitmap);
  EXPECT_TRUE(bitmap->Monochrome());
  EXPECT_EQ(PixelWords(*bitmap), (Rows{{c.colour0, c.colour1}}));
  EXPECT_EQ(bitmap->MonochromeInk(), c.ink);
  EXPECT_EQ(bitmap->TransparentColor(), clWhite);  // whatever the bottom-left pixel
}

// 0x0000E8 and 0x062A00 are equally bright: 114 * 232 == 299 * 6 + 587 * 42.
INSTANTIATE_TEST_SUITE_P(
    Palettes, BmpMonochromeTest,
    testing::Values(MonochromeCase{"BlackWhite", kBlack, kWhite, kBlack},
                    MonochromeCase{"WhiteBlack", kWhite, kBlack, kBlack},
                    MonochromeCase{"BlueOnYellow", 0x0000FF, 0xFFFF00, 0x0000FF},
                    MonochromeCase{"LightGreyOnDarkRed", 0xC0C0C0, 0x800000, 0x800000},
                    MonochromeCase{"EquallyBrightBlueFirst", 0x0000E8, 0x062A00, 0x0000E8},
                    MonochromeCase{"EquallyBrightGreenFirst", 0x062A00, 0x0000E8, 0x062A00}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- RLE ----

constexpr std::uint32_t A = 0x0000AA, B = 0x00BB00, C = 0xCC0000, Z = 0x111111;  // Z: entry 0

BmpFields RleFile(int bits, int width, int height, std::vector<std::uint8_t> stream) {
  BmpFields f;
  f.width = width;
  f.height = height;
  f.bitCount = static_cast<std::uint16_t>(bits);
  f.compression = bits == 8 ? 1 : 2;
  f.palette = {Z, A, B, C};
  f.colorsUsed = 4;
  f.pixels = std::move(stream);
  return f;
}

TEST(BmpRleTest, Rle8RunsAbsoluteRunsDeltaAndEscapes) {
  // Bottom-up: the stream starts with the bottom row.
  const std::vector<std::uint8_t> stream = {
      3, 1,              // bottom row: A A A
      0, 3, 2, 3, 1, 0,  // absolute run of 3: B C A, padded to an even length
      0, 0,              // end of line
      0, 2, 2, 1,        // delta: 2 right, 1 up -> middle row skipped, top row at x = 2
      2, 3,              // C C
      0, 1,              // end of bitmap
  };
  auto bitmap = Decoded(BuildBmp(RleFile(8, 6, 3, stream)));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(PixelWords(*bitmap), (Rows{{Z, Z, C, C, Z, Z},  //
                                       {Z, Z, Z, Z, Z, Z},
                                       {A, A, A, B, C, A}}));
}

TEST(BmpRleTest, Rle4AlternatesNibblesAndPadsAbsoluteRuns) {
  const std::vector<std::uint8_t> stream = {
      5, 0x12,              // bottom row: A B A B A
      0, 0,                 // end of line
      0, 3,    0x31, 0x20,  // absolute run of 3 nibbles: C A B (2 bytes, already even)
      0, 1,                 // end of bitmap: the rest of the row stays entry 0
  };
  auto bitmap = Decoded(BuildBmp(RleFile(4, 5, 2, stream)));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(PixelWords(*bitmap), (Rows{{C, A, B, Z, Z}, {A, B, A, B, A}}));
}

TEST(BmpRleTest, SparseStreamMayDescribeUpToSixteenMegapixels) {
  // 4000 x 4000 from six bytes: one run at the bottom left, the rest entry 0.
  auto bitmap = Decoded(BuildBmp(RleFile(8, 4000, 4000, {2, 3, 0, 0, 0, 1})));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->PixelWord(1, 3999) & 0xFFFFFF, C);
  EXPECT_EQ(bitmap->PixelWord(2, 3999) & 0xFFFFFF, Z);
  EXPECT_EQ(bitmap->PixelWord(3999, 0) & 0xFFFFFF, Z);
}

TEST(BmpRleTest, PixelsPastTheRowEndAreDropped) {
  auto bitmap = Decoded(BuildBmp(RleFile(8, 2, 1, {5, 3, 0, 1})));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(PixelWords(*bitmap), (Rows{{C, C}}));
}

// ---- refused files ----

BmpFields SmallGood() {
  return {.width = 3,
          .height = 2,
          .bitCount = 8,
          .colorsUsed = 2,
          .palette = {kBlack, kWhite},
          .pixels = PackRows({{0, 1, 0}, {1, 0, 1}}, 8)};
}

struct RefusalCase {
  const char* name;
  std::vector<std::uint8_t> file;
  TBmpError reason;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

std::vector<RefusalCase> Refusals() {
  std::vector<RefusalCase> cases;
  auto with = [&](const char* name, auto change, TBmpError reason) {
    BmpFields f = SmallGood();
    change(f);
    cases.push_back({name, BuildBmp(f), reason});
  };
  with(
      "HeaderSize20", [](BmpFields& f) { f.headerSize = 20; }, TBmpError::kUnsupportedHeader);
  with(
      "ZeroWidth", [](BmpFields& f) { f.width = 0; }, TBmpError::kBadDimensions);
  with(
      "NegativeWidth", [](BmpFields& f) { f.width = -3; }, TBmpError::kBadDimensions);
  with(
      "ZeroHeight", [](BmpFields& f) { f.height = 0; }, TBmpError::kBadDimensions);
  with(
      "MostNegativeHeight", [](BmpFields& f) { f.height = INT32_MIN; }, TBmpError::kTooManyPixels);
  with(
      "TwoPlanes", [](BmpFields& f) { f.planes = 2; }, TBmpError::kBadDimensions);
  with(
      "SevenBits", [](BmpFields& f) { f.bitCount = 7; }, TBmpError::kUnsupportedFormat);
  with(
      "Rle8OnFourBits", [](BmpFields& f) { f.bitCount = 4, f.compression = 1; },
      TBmpError::kUnsupportedFormat);
  with(
      "TopDownRle", [](BmpFields& f) { f.compression = 1, f.height = -2; },
      TBmpError::kUnsupportedFormat);
  with(
      "BitFieldsOn24Bits", [](BmpFields& f) { f.bitCount = 24, f.compression = 3; },
      TBmpError::kUnsupportedFormat);
  with(
      "EmbeddedJpeg", [](BmpFields& f) { f.compression = 4; }, TBmpError::kUnsupportedFormat);
  with(
      "PixelsInsideHeader", [](BmpFields& f) { f.pixelOffset = 20; }, TBmpError::kBadPixelOffset);
  with(
      "PixelsPastTheEnd", [](BmpFields& f) { f.pixelOffset = 100000; }, TBmpError::kTruncated);
  with(
      "HundredThousandSquared", [](BmpFields& f) { f.width = f.height = 100000; },
      TBmpError::kTooManyPixels);
  // Within the pixel limit, but the 300 MB of rows it claims are not in the file.
  with(
      "TenThousandSquaredInSixBytes", [](BmpFields& f) { f.width = f.height = 10000; },
      TBmpError::kTruncated);
  // 20000 x 1000 (20 megapixels) from a 4-byte stream: end of bitmap after one run.
  with(
      "SparseRleOverSixteenMegapixels",
      [](BmpFields& f) {
        f.compression = 1, f.width = 20000, f.height = 1000, f.pixels = {2, 1, 0, 1};
      },
      TBmpError::kRleTooShort);
  with(
      "RleWithoutEndOfBitmap",
      [](BmpFields& f) { f.compression = 1, f.pixels = {2, 1, 0, 0, 2, 0}; },
      TBmpError::kCorruptRle);
  with(
      "RleAbsoluteRunPastTheEnd",
      [](BmpFields& f) {
        f.compression = 1, f.pixels = {0, 9, 1, 1, 1};
      },
      TBmpError::kCorruptRle);
  with(
      "RleDeltaPastTheEnd",
      [](BmpFields& f) {
        f.compression = 1, f.pixels = {0, 2, 1};
      },
      TBmpError::kCorruptRle);
  std::vector<std::uint8_t> jpegBytes = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0};
  jpegBytes.resize(200, 0);
  cases.push_back({"JpegData", jpegBytes, TBmpError::kNotABitmap});
  cases.push_back({"Empty", {}, TBmpError::kTruncated});
  return cases;
}

class BmpRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(BmpRefusalTest, RefusesWithTheReason) {
  EXPECT_EQ(ErrorOf(GetParam().file), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Files, BmpRefusalTest, testing::ValuesIn(Refusals()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpRefusalTest, ToolkitBoundaryRaisesTheUsersText) {
  try {
    ReadBmp(std::vector<std::uint8_t>{'B', 'M', 1, 2, 3});
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "ビットマップイメージが不正です");
  }
}

// Every proper prefix of a well-formed file is refused, never read past its end.
class BmpTruncationTest : public testing::TestWithParam<std::pair<const char*, BmpFields>> {};

TEST_P(BmpTruncationTest, EveryPrefixIsRefused) {
  const std::vector<std::uint8_t> whole = BuildBmp(GetParam().second);
  ASSERT_TRUE(Decoded(whole));
  for (std::size_t n = 0; n < whole.size(); ++n) {
    const std::vector<std::uint8_t> prefix(whole.begin(), whole.begin() + n);
    EXPECT_TRUE(ErrorOf(prefix).has_value()) << "prefix of " << n << " bytes was accepted";
  }
}

BmpFields V5BitFields() {
  BmpFields f;
  f.headerSize = 124;
  f.width = 2;
  f.height = -2;
  f.bitCount = 16;
  f.compression = 3;
  f.writeMasks = true;
  f.masks = {0xF800, 0x07E0, 0x001F};
  f.pixels = PackRows({{1, 2}, {3, 4}}, 16);
  return f;
}

BmpFields CoreFourBit() {
  BmpFields f;
  f.headerSize = 12;
  f.width = 3;
  f.height = 2;
  f.bitCount = 4;
  for (std::uint32_t i = 0; i < 16; ++i) f.palette.push_back(i * 0x0F0F0F);
  f.pixels = PackRows({{1, 2, 3}, {4, 5, 6}}, 4);
  return f;
}

INSTANTIATE_TEST_SUITE_P(Files, BmpTruncationTest,
                         testing::Values(std::pair{"Info8Bit", SmallGood()},
                                         std::pair{"V5BitFields", V5BitFields()},
                                         std::pair{"Core4Bit", CoreFourBit()},
                                         std::pair{"Rle8", RleFile(8, 6, 3,
                                                                   {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0,
                                                                    2, 2, 1, 2, 3, 0, 1})}),
                         [](const auto& info) { return std::string(info.param.first); });

}  // namespace
}  // namespace tk
