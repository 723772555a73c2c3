#include "toolkit/codecs/ExifOrientation.h"

#include <cstring>

namespace tk {
namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kExifPrefixSize = 6;  // "Exif\0\0"
constexpr std::size_t kIfdEntrySize = 12;

// Reads of the TIFF block in its own byte order; out-of-range reads are reported, not made.
class Tiff {
 public:
  Tiff(std::span<const std::uint8_t> data, bool bigEndian) : FData(data), FBig(bigEndian) {}
  bool Has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= FData.size() && count <= FData.size() - offset;
  }
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(FBig ? FData[at] << 8 | FData[at + 1]
                                           : FData[at] | FData[at + 1] << 8);
  }
  std::uint32_t U32(std::size_t at) const {
    const std::uint32_t first = U16(at), second = U16(at + 2);
    return FBig ? first << 16 | second : second << 16 | first;
  }

 private:
  std::span<const std::uint8_t> FData;
  bool FBig;
};

}  // namespace

int ExifOrientation(std::span<const std::uint8_t> app1) {
  if (app1.size() < kExifPrefixSize || std::memcmp(app1.data(), "Exif\0\0", kExifPrefixSize) != 0)
    return 0;
  const std::span<const std::uint8_t> block = app1.subspan(kExifPrefixSize);
  if (block.size() < 8) return 1;
  bool bigEndian;
  if (block[0] == 'I' && block[1] == 'I') bigEndian = false;
  else if (block[0] == 'M' && block[1] == 'M') bigEndian = true;
  else return 1;
  const Tiff tiff(block, bigEndian);
  if (tiff.U16(2) != 42) return 1;
  const std::uint32_t ifd = tiff.U32(4);
  if (!tiff.Has(ifd, 2)) return 1;
  const std::uint16_t entries = tiff.U16(ifd);
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::uint64_t at = ifd + 2 + std::uint64_t{i} * kIfdEntrySize;
    if (!tiff.Has(at, kIfdEntrySize)) return 1;
    const std::size_t entry = static_cast<std::size_t>(at);
    if (tiff.U16(entry) != kOrientationTag) continue;
    if (tiff.U16(entry + 2) != kShortType || tiff.U32(entry + 4) != 1) return 1;
    const std::uint16_t value = tiff.U16(entry + 8);  // a lone short sits at the value's start
    return value >= 1 && value <= 8 ? value : 1;
  }
  return 1;
}

TPoint StoredPixelOf(int orientation, int x, int y, int storedWidth, int storedHeight) {
  const int w = storedWidth, h = storedHeight;
  switch (orientation) {
    case 2: return {w - 1 - x, y};
    case 3: return {w - 1 - x, h - 1 - y};
    case 4: return {x, h - 1 - y};
    case 5: return {y, x};
    case 6: return {y, h - 1 - x};
    case 7: return {w - 1 - y, h - 1 - x};
    case 8: return {w - 1 - y, x};
    default: return {x, y};
  }
}

std::unique_ptr<TBitmap> Oriented(const TBitmap& stored, int orientation) {
  const int w = stored.Width(), h = stored.Height();
  const bool turns = OrientationTurns(orientation);
  auto shown = std::make_unique<TBitmap>(turns ? h : w, turns ? w : h);
  for (int y = 0; y < shown->Height(); ++y) {
    std::uint32_t* out = shown->ScanLine(y);
    for (int x = 0; x < shown->Width(); ++x) {
      const TPoint from = StoredPixelOf(orientation, x, y, w, h);
      out[x] = stored.PixelWord(from.X, from.Y);
    }
  }
  return shown;
}

}  // namespace tk
