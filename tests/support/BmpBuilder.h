#pragma once
// Writes bitmap files for the reader's tests, field by field as the format lays them out, so
// that every header kind, depth, palette form and compression can be produced on demand.

#include <array>
#include <cstdint>
#include <vector>

namespace tk::test {

struct BmpFields {
  std::uint32_t headerSize = 40;  // 12, 40, 52, 56, 108, 124, or anything to test refusal
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows stored top first
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> palette;  // pixel words 0x00RRGGBB, written as B, G, R(, 0)
  bool writeMasks = false;             // after a 40-byte header, inside larger ones
  std::array<std::uint32_t, 3> masks{};
  std::vector<std::uint8_t> pixels;  // the pixel data exactly as stored
  std::int64_t pixelOffset = -1;     // -1: right after the palette
};

std::vector<std::uint8_t> BuildBmp(const BmpFields& fields);

// Rows of `width` pixel values packed at `bits` per pixel (1, 4, 8, 16, 24 or 32, values
// little-endian), each row padded to 4 bytes, in the order given.
std::vector<std::uint8_t> PackRows(const std::vector<std::vector<std::uint32_t>>& rows, int bits);

// Little-endian appends.
void Put16(std::vector<std::uint8_t>& out, std::uint32_t value);
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace tk::test
