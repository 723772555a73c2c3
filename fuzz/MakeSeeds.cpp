// Writes the seed files of both fuzzers: small bitmaps of every header kind, depth and
// compression, and small JPEGs of every colour space and both coding modes.
//   poterinko-fuzz-seeds BMP_FOLDER JPEG_FOLDER

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/BmpBuilder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/core/FileIO.h"

namespace {

using tk::test::BmpFields;
using tk::test::BuildBmp;
using tk::test::PackRows;

void WriteBmpSeeds(const std::string& folder) {
  int n = 0;
  auto put = [&](const BmpFields& f) {
    tk::WriteFileBytes(folder + "/seed" + std::to_string(n++) + ".bmp", BuildBmp(f));
  };
  for (std::uint32_t header : {12u, 40u, 56u, 108u, 124u})
    for (int bits : {1, 4, 8, 16, 24, 32}) {
      if (header == 12 && (bits == 16 || bits == 32)) continue;
      BmpFields f;
      f.headerSize = header;
      f.width = 7;
      f.height = header == 12 || bits % 2 ? 3 : -3;
      f.bitCount = static_cast<std::uint16_t>(bits);
      if (bits <= 8)
        for (std::uint32_t i = 0; i < (1u << bits); ++i) f.palette.push_back(i * 0x010203);
      std::vector<std::vector<std::uint32_t>> rows(3);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) rows[y].push_back(static_cast<std::uint32_t>(x * 37 + y * 11));
      f.pixels = PackRows(rows, bits);
      put(f);
      if (bits == 16 || bits == 32) {
        f.compression = 3;
        f.writeMasks = true;
        f.masks = bits == 16 ? std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F}
                             : std::array<std::uint32_t, 3>{0x3FF00000, 0x000FFC00, 0x3FF};
        put(f);
      }
    }
  for (int bits : {4, 8}) {
    BmpFields f;
    f.width = 9;
    f.height = 4;
    f.bitCount = static_cast<std::uint16_t>(bits);
    f.compression = bits == 8 ? 1 : 2;
    f.palette = {0, 0xFF0000, 0x00FF00, 0x0000FF};
    f.colorsUsed = 4;
    f.pixels = {4, 0x12, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 1, 3, 0x21, 0, 1};
    put(f);
  }
}

// libjpeg driven directly, for the colour spaces and modes our writer never produces.
void WriteJpeg(const std::string& path, int width, int height, J_COLOR_SPACE space, int components,
               bool progressive) {
  jpeg_compress_struct cinfo{};
  tk::JpegErrorManager error;
  cinfo.err = tk::UseJpegErrorManager(error);
  if (setjmp(error.jump)) std::abort();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (std::size_t i = 0; i < row.size(); ++i)
      row[i] = static_cast<JSAMPLE>(i * 13 + cinfo.next_scanline * 7);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  tk::WriteFileBytes(path, std::span<const std::uint8_t>(out, size));
  jpeg_destroy_compress(&cinfo);
  std::free(out);
}

void WriteJpegSeeds(const std::string& folder) {
  tk::TBitmap board(33, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 33; ++x)
      board.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 0x070503 + y * 0x0B0D11);
  tk::WriteFileBytes(folder + "/board.jpg", tk::EncodeJpeg(board, 80));
  WriteJpeg(folder + "/grey.jpg", 20, 12, JCS_GRAYSCALE, 1, false);
  WriteJpeg(folder + "/progressive.jpg", 40, 24, JCS_RGB, 3, true);
  WriteJpeg(folder + "/cmyk.jpg", 16, 16, JCS_CMYK, 4, false);
  WriteJpeg(folder + "/ycck.jpg", 16, 16, JCS_CMYK, 4, true);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s BMP_FOLDER JPEG_FOLDER\n", argv[0]);
    return 2;
  }
  WriteBmpSeeds(argv[1]);
  WriteJpegSeeds(argv[2]);
  return 0;
}
