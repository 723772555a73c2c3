#include "toolkit/codecs/BmpWriter.h"

#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const TBitmap& bitmap) {
  std::vector<std::uint8_t> out;
  if (bitmap.Empty()) return out;
  const auto width = static_cast<std::uint32_t>(bitmap.Width());
  const auto height = static_cast<std::uint32_t>(bitmap.Height());
  const std::uint64_t rowBytes64 = (std::uint64_t{width} * 3 + 3) & ~std::uint64_t{3};
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  // The file's size fields are 32 bits wide.
  if (rowBytes64 * height > UINT32_MAX - offset) throw Exception("bitmap too large for a file");
  const auto rowBytes = static_cast<std::uint32_t>(rowBytes64);
  const std::uint32_t pixelBytes = rowBytes * height;
  out.reserve(offset + pixelBytes);

  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + pixelBytes);
  Put32(out, 0);  // reserved
  Put32(out, offset);

  Put32(out, kInfoHeaderSize);
  Put32(out, width);
  Put32(out, height);  // positive: rows bottom-up
  Put16(out, 1);       // planes
  Put16(out, 24);      // bits per pixel
  Put32(out, 0);       // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours

  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const std::uint32_t* row = bitmap.ScanLine(y);
    for (std::uint32_t x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x]));        // blue
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));   // green
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));  // red
    }
    out.resize(out.size() + (rowBytes - width * 3), 0);
  }
  return out;
}

}  // namespace tk
