#include "tests/support/BmpBuilder.h"

namespace tk::test {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::vector<std::uint8_t> BuildBmp(const BmpFields& f) {
  std::vector<std::uint8_t> dib;
  Put32(dib, f.headerSize);
  if (f.headerSize == 12) {
    Put16(dib, static_cast<std::uint32_t>(f.width));
    Put16(dib, static_cast<std::uint32_t>(f.height));
    Put16(dib, f.planes);
    Put16(dib, f.bitCount);
  } else {
    Put32(dib, static_cast<std::uint32_t>(f.width));
    Put32(dib, static_cast<std::uint32_t>(f.height));
    Put16(dib, f.planes);
    Put16(dib, f.bitCount);
    Put32(dib, f.compression);
    Put32(dib, static_cast<std::uint32_t>(f.pixels.size()));  // image size
    Put32(dib, 2835);                                         // 72 dpi
    Put32(dib, 2835);
    Put32(dib, f.colorsUsed);
    Put32(dib, 0);  // important colours
    if (f.headerSize > 40 && f.writeMasks)
      for (std::uint32_t m : f.masks) Put32(dib, m);
  }
  dib.resize(f.headerSize > 40 || f.headerSize == 12 ? f.headerSize : dib.size(), 0);
  if (f.headerSize == 40 && f.writeMasks)
    for (std::uint32_t m : f.masks) Put32(dib, m);
  for (std::uint32_t word : f.palette) {
    dib.push_back(static_cast<std::uint8_t>(word));
    dib.push_back(static_cast<std::uint8_t>(word >> 8));
    dib.push_back(static_cast<std::uint8_t>(word >> 16));
    if (f.headerSize != 12) dib.push_back(0);
  }
  const std::uint32_t offset = f.pixelOffset >= 0 ? static_cast<std::uint32_t>(f.pixelOffset)
                                                  : static_cast<std::uint32_t>(14 + dib.size());
  std::vector<std::uint8_t> file{'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + dib.size() + f.pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  file.insert(file.end(), dib.begin(), dib.end());
  file.insert(file.end(), f.pixels.begin(), f.pixels.end());
  return file;
}

std::vector<std::uint8_t> PackRows(const std::vector<std::vector<std::uint32_t>>& rows, int bits) {
  std::vector<std::uint8_t> out;
  for (const auto& row : rows) {
    std::vector<std::uint8_t> packed;
    if (bits < 8) {
      packed.assign((row.size() * static_cast<std::size_t>(bits) + 7) / 8, 0);
      for (std::size_t x = 0; x < row.size(); ++x) {
        const std::size_t bit = x * static_cast<std::size_t>(bits);
        packed[bit / 8] |= static_cast<std::uint8_t>(row[x] << (8 - bits - bit % 8));
      }
    } else {
      for (std::uint32_t v : row)
        for (int b = 0; b < bits / 8; ++b)
          packed.push_back(static_cast<std::uint8_t>(v >> (8 * b)));
    }
    while (packed.size() % 4 != 0) packed.push_back(0);
    out.insert(out.end(), packed.begin(), packed.end());
  }
  return out;
}

}  // namespace tk::test
