#include "tests/support/ExifBuilder.h"

#include <cstddef>

namespace tk::test {

std::vector<std::uint8_t> ExifOrientationBlock(int orientation, bool bigEndian) {
  std::vector<std::uint8_t> out = {'E', 'x', 'i', 'f', 0, 0};
  auto put = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
      out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
  };
  out.push_back(bigEndian ? 'M' : 'I');
  out.push_back(bigEndian ? 'M' : 'I');
  put(42, 2);
  put(8, 4);  // IFD0 right after the header
  put(2, 2);
  put(0x0100, 2), put(3, 2), put(1, 4), put(640, 2), put(0, 2);  // image width
  put(0x0112, 2), put(3, 2), put(1, 4), put(static_cast<std::uint32_t>(orientation), 2), put(0, 2);
  put(0, 4);  // no next IFD
  return out;
}

std::vector<std::uint8_t> WithApp1Segments(const std::vector<std::uint8_t>& jpeg,
                                           const std::vector<std::vector<std::uint8_t>>& contents) {
  // SOI, then the first segment: marker (2 bytes) and a big-endian length that counts itself.
  const std::size_t at = 4 + (std::size_t{jpeg.at(4)} << 8 | jpeg.at(5));
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(at));
  for (const auto& content : contents) {
    const std::size_t length = content.size() + 2;
    out.insert(out.end(), {0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8),
                           static_cast<std::uint8_t>(length)});
    out.insert(out.end(), content.begin(), content.end());
  }
  out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(at), jpeg.end());
  return out;
}

}  // namespace tk::test
