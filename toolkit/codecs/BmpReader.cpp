#include "toolkit/codecs/BmpReader.h"

#include <array>
#include <bit>
#include <optional>

#include "toolkit/codecs/PictureLimits.h"
#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Beyond this area an RLE stream must carry a byte per kRleMaxPixelsPerByte pixels.
constexpr std::uint64_t kRleSparseAreaLimit = 16'000'000;
constexpr std::uint64_t kRleMaxPixelsPerByte = 4096;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

// Little-endian reads that report a read past the end instead of making it.
class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> data) : FData(data) {}
  std::size_t Size() const { return FData.size(); }
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= FData.size() && count <= FData.size() - offset;
  }
  std::uint8_t U8(std::size_t offset) const { return FData[offset]; }
  std::uint16_t U16(std::size_t offset) const {
    return static_cast<std::uint16_t>(FData[offset] | FData[offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t offset) const {
    return static_cast<std::uint32_t>(U16(offset)) | static_cast<std::uint32_t>(U16(offset + 2))
                                                         << 16;
  }
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  const std::uint8_t* At(std::size_t offset) const { return FData.data() + offset; }

 private:
  std::span<const std::uint8_t> FData;
};

struct Header {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::size_t paletteOffset = 0;
  std::size_t paletteEntrySize = 4;
  std::size_t paletteCount = 0;
  std::size_t pixelOffset = 0;
};

// One colour channel of a bit-field pixel, scaled to 0..255.
struct Channel {
  int shift = 0;
  std::uint32_t max = 0;  // the mask moved down to bit 0
  explicit Channel(std::uint32_t mask) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    max = mask >> shift;
  }
  std::uint32_t Scale(std::uint32_t value) const {
    if (max == 0) return 0;
    const std::uint64_t v = (value >> shift) & max;
    return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
  }
};

bool ValidDepthAndCompression(int bits, std::uint32_t compression, bool topDown) {
  switch (compression) {
    case kRgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8: return bits == 8 && !topDown;  // RLE rows are always stored bottom-up
    case kRle4: return bits == 4 && !topDown;
    case kBitFields: return bits == 16 || bits == 32;
    default: return false;
  }
}

std::variant<Header, TBmpError> ParseHeader(const Bytes& file) {
  if (!file.Has(0, kFileHeaderSize + 4)) return TBmpError::kTruncated;
  if (file.U8(0) != 'B' || file.U8(1) != 'M') return TBmpError::kNotABitmap;
  Header h;
  const std::uint32_t pixelOffset = file.U32(10);
  const std::uint32_t headerSize = file.U32(kFileHeaderSize);
  switch (headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 108:
    case 124: break;
    default: return TBmpError::kUnsupportedHeader;
  }
  if (!file.Has(kFileHeaderSize, headerSize)) return TBmpError::kTruncated;
  const std::size_t dib = kFileHeaderSize;
  std::int64_t width, height;
  std::uint32_t colorsUsed = 0;
  int planes;
  if (headerSize == kCoreHeaderSize) {
    width = file.U16(dib + 4);
    height = file.U16(dib + 6);
    planes = file.U16(dib + 8);
    h.bitCount = file.U16(dib + 10);
    h.paletteEntrySize = 3;
  } else {
    width = file.I32(dib + 4);
    height = file.I32(dib + 8);
    planes = file.U16(dib + 12);
    h.bitCount = file.U16(dib + 14);
    h.compression = file.U32(dib + 16);
    colorsUsed = file.U32(dib + 32);
  }
  h.topDown = height < 0;
  if (h.topDown) height = -height;  // 64-bit: the most negative 32-bit value cannot overflow
  if (width <= 0 || height <= 0 || planes != 1) return TBmpError::kBadDimensions;
  if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPicturePixels)
    return TBmpError::kTooManyPixels;
  h.width = static_cast<int>(width);
  h.height = static_cast<int>(height);
  if (!ValidDepthAndCompression(h.bitCount, h.compression, h.topDown))
    return TBmpError::kUnsupportedFormat;

  std::size_t afterHeaders = dib + headerSize;
  h.masks = h.bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                             : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
  if (h.compression == kBitFields) {
    // A plain info header is followed by the three masks; later headers hold them.
    const std::size_t at = headerSize == kInfoHeaderSize ? afterHeaders : dib + kInfoHeaderSize;
    if (!file.Has(at, 12)) return TBmpError::kTruncated;
    h.masks = {file.U32(at), file.U32(at + 4), file.U32(at + 8)};
    if (headerSize == kInfoHeaderSize) afterHeaders += 12;
  }
  if (pixelOffset < afterHeaders) return TBmpError::kBadPixelOffset;
  h.pixelOffset = pixelOffset;

  if (h.bitCount <= 8) {
    const std::size_t full = std::size_t{1} << h.bitCount;
    h.paletteOffset = afterHeaders;
    h.paletteCount = colorsUsed == 0 || colorsUsed > full ? full : colorsUsed;
    if (!file.Has(h.paletteOffset, h.paletteCount * h.paletteEntrySize))
      return TBmpError::kTruncated;
  }
  return h;
}

std::uint32_t Word(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

std::uint32_t Luminance(std::uint32_t word) {
  return 299 * (word >> 16 & 0xFF) + 587 * (word >> 8 & 0xFF) + 114 * (word & 0xFF);
}

using Palette = std::array<std::uint32_t, 256>;

// The palette as pixel words, 256 entries; entries the file does not give are black.
Palette ReadPalette(const Bytes& file, const Header& h) {
  Palette palette{};
  for (std::size_t i = 0; i < h.paletteCount; ++i) {
    const std::size_t at = h.paletteOffset + i * h.paletteEntrySize;
    palette[i] = Word(file.U8(at + 2), file.U8(at + 1), file.U8(at));
  }
  return palette;
}

// The darker of a two-colour palette; entry 0 when both are equally bright.
std::uint32_t DarkerEntry(const Palette& palette) {
  return Luminance(palette[1]) < Luminance(palette[0]) ? palette[1] : palette[0];
}

// Image row of the file's row number `fileRow`.
int ImageRow(const Header& h, std::int64_t fileRow) {
  return h.topDown ? static_cast<int>(fileRow) : h.height - 1 - static_cast<int>(fileRow);
}

void DecodeIndexedRow(const std::uint8_t* in, int bits, int width, const Palette& palette,
                      std::uint32_t* out) {
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bits * (x % perByte + 1);
    out[x] = palette[(in[x / perByte] >> shift) & mask];
  }
}

void DecodeUncompressed(const Bytes& file, const Header& h, const Palette& palette,
                        TBitmap& bitmap) {
  const std::size_t stride = (static_cast<std::size_t>(h.width) * h.bitCount + 31) / 32 * 4;
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  const bool plain32 =
      h.bitCount == 32 && h.masks == std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};
  for (int row = 0; row < h.height; ++row) {
    const std::uint8_t* in = file.At(h.pixelOffset + stride * static_cast<std::size_t>(row));
    std::uint32_t* out = bitmap.ScanLine(ImageRow(h, row));
    switch (h.bitCount) {
      case 1:
      case 4:
      case 8: DecodeIndexedRow(in, h.bitCount, h.width, palette, out); break;
      case 24:
        for (int x = 0; x < h.width; ++x, in += 3) out[x] = Word(in[2], in[1], in[0]);
        break;
      case 16:
        for (int x = 0; x < h.width; ++x, in += 2) {
          const std::uint32_t v = static_cast<std::uint32_t>(in[0] | in[1] << 8);
          out[x] = red.Scale(v) << 16 | green.Scale(v) << 8 | blue.Scale(v);
        }
        break;
      case 32:
        for (int x = 0; x < h.width; ++x, in += 4) {
          if (plain32) {
            out[x] = Word(in[2], in[1], in[0]);
            continue;
          }
          const std::uint32_t v = static_cast<std::uint32_t>(in[0]) | in[1] << 8 | in[2] << 16 |
                                  static_cast<std::uint32_t>(in[3]) << 24;
          out[x] = red.Scale(v) << 16 | green.Scale(v) << 8 | blue.Scale(v);
        }
        break;
    }
  }
}

// Runs an RLE8 or RLE4 stream to its end-of-bitmap escape. Positions outside the image are
// decoded and dropped; the stream's length bounds the work.
bool DecodeRle(const Bytes& file, const Header& h, const Palette& palette, TBitmap& bitmap) {
  for (int y = 0; y < h.height; ++y) std::fill_n(bitmap.ScanLine(y), h.width, palette[0]);
  const bool four = h.compression == kRle4;
  std::int64_t x = 0, row = 0;
  auto put = [&](unsigned index) {
    if (x < h.width && row < h.height) bitmap.ScanLine(ImageRow(h, row))[x] = palette[index];
    ++x;
  };
  std::size_t at = h.pixelOffset;
  while (file.Has(at, 2)) {
    const unsigned count = file.U8(at), value = file.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i)
        put(four ? (i % 2 == 0 ? value >> 4 : value & 0xF) : value);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++row;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // delta: move right and up
        if (!file.Has(at, 2)) return false;
        x += file.U8(at);
        row += file.U8(at + 1);
        at += 2;
        break;
      default: {  // absolute run of `value` pixels, padded to a 16-bit boundary
        const std::size_t bytes = four ? (value + 1) / 2 : value;
        if (!file.Has(at, bytes + bytes % 2)) return false;
        for (unsigned i = 0; i < value; ++i) {
          const std::uint8_t b = file.U8(at + (four ? i / 2 : i));
          put(four ? (i % 2 == 0 ? b >> 4 : b & 0xF) : b);
        }
        at += bytes + bytes % 2;
      }
    }
  }
  return false;
}

}  // namespace

TBmpDecodeResult DecodeBmp(std::span<const std::uint8_t> data) {
  const Bytes file(data);
  auto parsed = ParseHeader(file);
  if (auto* error = std::get_if<TBmpError>(&parsed)) return *error;
  const Header& h = std::get<Header>(parsed);

  const bool rle = h.compression == kRle8 || h.compression == kRle4;
  const std::uint64_t pixels = static_cast<std::uint64_t>(h.width) * h.height;
  if (rle) {
    if (!file.Has(h.pixelOffset, 2)) return TBmpError::kCorruptRle;
    const std::uint64_t stream = file.Size() - h.pixelOffset;
    if (pixels > kRleSparseAreaLimit && stream * kRleMaxPixelsPerByte < pixels)
      return TBmpError::kRleTooShort;
  } else {
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
    if (!file.Has(h.pixelOffset, stride * static_cast<std::uint64_t>(h.height)))
      return TBmpError::kTruncated;
  }
  auto bitmap = std::make_unique<TBitmap>(h.width, h.height);
  const Palette palette = ReadPalette(file, h);
  if (rle) {
    if (!DecodeRle(file, h, palette, *bitmap)) return TBmpError::kCorruptRle;
  } else {
    DecodeUncompressed(file, h, palette, *bitmap);
  }
  if (h.bitCount == 1) bitmap->SetMonochromePalette(DarkerEntry(palette));
  return bitmap;
}

std::unique_ptr<TBitmap> ReadBmp(std::span<const std::uint8_t> file) {
  auto result = DecodeBmp(file);
  if (auto* bitmap = std::get_if<std::unique_ptr<TBitmap>>(&result)) return std::move(*bitmap);
  throw EInvalidGraphic(kInvalidBitmap);
}

}  // namespace tk
