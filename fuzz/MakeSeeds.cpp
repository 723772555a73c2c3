// Writes the seed files of the picture fuzzers: small bitmaps of every header kind, depth and
// compression, small JPEGs of every colour space, coding and sampling, with restart markers
// and Exif blocks, and cut copies of both.
//   poterinko-fuzz-seeds BMP_FOLDER JPEG_FOLDER

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/BmpBuilder.h"
#include "tests/support/ExifBuilder.h"
#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/core/FileIO.h"

namespace {

using tk::test::BmpFields;
using tk::test::BuildBmp;
using tk::test::PackRows;

// Writes `file`, and cut copies of it: its first half and all but its last byte.
class SeedWriter {
 public:
  SeedWriter(std::string folder, std::string extension)
      : FFolder(std::move(folder)), FExtension(std::move(extension)) {}
  void Put(const std::vector<std::uint8_t>& file) {
    Write(file);
    if (file.size() < 4) return;
    Write({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2)});
    Write({file.begin(), file.end() - 1});
  }

 private:
  void Write(const std::vector<std::uint8_t>& file) {
    tk::WriteFileBytes(FFolder + "/seed" + std::to_string(FCount++) + FExtension, file);
  }
  std::string FFolder, FExtension;
  int FCount = 0;
};

void WriteBmpSeeds(const std::string& folder) {
  SeedWriter seeds(folder, ".bmp");
  auto put = [&](const BmpFields& f) { seeds.Put(BuildBmp(f)); };
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
  // RLE: a run, an odd absolute run, end of line, a delta, a run, end of bitmap.
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
  // A two-colour palette of colours other than black and white.
  BmpFields mono;
  mono.width = 9;
  mono.height = 2;
  mono.bitCount = 1;
  mono.palette = {0x0000FF, 0xFFFF00};
  mono.pixels = PackRows({{0, 1, 1, 0, 1, 0, 0, 1, 1}, {1, 1, 0, 0, 1, 1, 0, 0, 1}}, 1);
  put(mono);
}

struct JpegOptions {
  J_COLOR_SPACE space = JCS_RGB;
  int components = 3;
  J_COLOR_SPACE stored = JCS_UNKNOWN;  // jpeg_set_colorspace when not JCS_UNKNOWN
  bool progressive = false;
  bool arithmetic = false;
  unsigned restartInterval = 0;
  int lumaSampling = 2;        // horizontal and vertical factor of the first component
  bool separateScans = false;  // one sequential scan per component
};

// libjpeg driven directly, for the colour spaces and modes our writer never produces.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, const JpegOptions& o) {
  jpeg_compress_struct cinfo{};
  tk::TJpegErrorManager error;
  cinfo.err = tk::UseJpegErrorManager(error);
  if (setjmp(error.Jump)) std::abort();
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = o.components;
  cinfo.in_color_space = o.space;
  jpeg_set_defaults(&cinfo);
  if (o.stored != JCS_UNKNOWN) jpeg_set_colorspace(&cinfo, o.stored);
  cinfo.comp_info[0].h_samp_factor = cinfo.comp_info[0].v_samp_factor = o.lumaSampling;
  if (o.progressive) jpeg_simple_progression(&cinfo);
  cinfo.arith_code = o.arithmetic;
  cinfo.restart_interval = o.restartInterval;
  static jpeg_scan_info scans[4];
  if (o.separateScans) {
    for (int c = 0; c < cinfo.num_components; ++c) scans[c] = {1, {c}, 0, 63, 0, 0};
    cinfo.scan_info = scans;
    cinfo.num_scans = cinfo.num_components;
  }
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * o.components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (std::size_t i = 0; i < row.size(); ++i)
      row[i] = static_cast<JSAMPLE>(i * 13 + cinfo.next_scanline * 7);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<std::uint8_t> file(out, out + size);
  jpeg_destroy_compress(&cinfo);
  std::free(out);
  return file;
}

void WriteJpegSeeds(const std::string& folder) {
  SeedWriter seeds(folder, ".jpg");
  tk::TBitmap board(33, 17);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 33; ++x)
      board.ScanLine(y)[x] = static_cast<std::uint32_t>(x * 0x070503 + y * 0x0B0D11);
  const std::vector<std::uint8_t> plain = tk::EncodeJpeg(board, 80);
  seeds.Put(plain);
  for (int orientation : {3, 6, 8})
    seeds.Put(tk::test::WithApp1Segments(
        plain, {tk::test::ExifOrientationBlock(orientation, orientation == 6)}));
  const std::vector<JpegOptions> kinds = {
      {.space = JCS_GRAYSCALE, .components = 1},
      {.progressive = true},
      {.arithmetic = true},
      {.progressive = true, .arithmetic = true},
      {.restartInterval = 1},
      {.progressive = true, .restartInterval = 2},
      {.lumaSampling = 1},
      {.separateScans = true},
      {.space = JCS_CMYK, .components = 4},
      {.space = JCS_CMYK, .components = 4, .stored = JCS_YCCK, .progressive = true},
      {.stored = JCS_RGB},
  };
  for (const JpegOptions& kind : kinds) seeds.Put(EncodeJpeg(40, 24, kind));
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
