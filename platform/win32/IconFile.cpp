#include "platform/win32/IconFile.h"

#include <algorithm>

namespace win32ui {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

constexpr int kPaletteSize = 256;
constexpr std::uint32_t kHeaderBytes = 6 + 16;  // ICONDIR + one ICONDIRENTRY
constexpr std::uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER

}  // namespace

std::vector<std::uint8_t> EncodeIcon256(const std::vector<std::uint32_t>& pixels, int size) {
  if (size <= 0 || size > 256 || pixels.size() != static_cast<std::size_t>(size * size))
    throw std::invalid_argument("icon: the pixels do not make a square of the given size");

  // Palette: entry 0 black (under the see-through pixels), then each opaque colour in the order
  // of its first appearance.
  std::vector<std::uint32_t> palette{0};
  std::vector<std::uint8_t> indices(pixels.size(), 0);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if ((pixels[i] >> 24) == 0) continue;
    const std::uint32_t rgb = pixels[i] & 0xFFFFFF;
    auto found = std::find(palette.begin() + 1, palette.end(), rgb);
    if (found == palette.end()) {
      if (palette.size() == kPaletteSize)
        throw std::invalid_argument("icon: more than 255 colours");
      palette.push_back(rgb);
      found = palette.end() - 1;
    }
    indices[i] = static_cast<std::uint8_t>(found - palette.begin());
  }

  // Rows of the colour image are 4-byte aligned already (size is a multiple of 4 for every icon
  // size in use); the 1-bit mask rows are padded to 32 bits.
  const int colourStride = (size + 3) / 4 * 4;
  const int maskStride = (size + 31) / 32 * 4;
  const std::uint32_t imageBytes = kInfoHeaderBytes + 4 * kPaletteSize +
                                   static_cast<std::uint32_t>((colourStride + maskStride) * size);

  std::vector<std::uint8_t> out;
  out.reserve(kHeaderBytes + imageBytes);
  // ICONDIR: reserved, type 1 (icon), one image.
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, 1);
  // ICONDIRENTRY: 256 is written as 0 in the byte-sized fields.
  out.push_back(static_cast<std::uint8_t>(size & 0xFF));
  out.push_back(static_cast<std::uint8_t>(size & 0xFF));
  out.push_back(0);  // 256 colours
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, 8);  // bits per pixel
  Put32(out, imageBytes);
  Put32(out, kHeaderBytes);

  // BITMAPINFOHEADER: the height counts the colour image and the mask together.
  Put32(out, kInfoHeaderBytes);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, static_cast<std::uint32_t>(2 * size));
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<std::uint32_t>((colourStride + maskStride) * size));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, kPaletteSize);
  Put32(out, 0);
  for (int i = 0; i < kPaletteSize; ++i) {
    const std::uint32_t rgb = i < static_cast<int>(palette.size()) ? palette[i] : 0;
    out.push_back(static_cast<std::uint8_t>(rgb));        // blue
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));   // green
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));  // red
    out.push_back(0);
  }
  // Both images bottom row first.
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < colourStride; ++x)
      out.push_back(x < size ? indices[static_cast<std::size_t>(y * size + x)] : 0);
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x)
      if ((pixels[static_cast<std::size_t>(y * size + x)] >> 24) == 0)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace win32ui
