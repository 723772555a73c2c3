// Bytes of a dropped ".jpg" file, read the way a cell's picture reads them: as a stream of the
// file's pieces, keeping only the pixels a stretch to the 120 x 90 cell shows.
// Every input must give a JPEG picture or "JPEG エラー #<number>".
//
// With POTERINKO_FUZZ_JPEG_MAX_BLOCKS=N in the environment, a file whose frame claims more
// than N 8 x 8 blocks (all components) is passed over: the instrumented decoder spends tens of
// microseconds a block, and the fuzzer drifts towards files claiming thousands of blocks in a
// few hundred bytes, so a run with a budget tries the parsing and coding paths many times more
// often. Runs without it explore the large pictures.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/JpegImage.h"

namespace {

std::uint64_t gMaxBlocks = 0;  // 0: no budget

// The blocks the frame header claims; 0 when the header cannot be read.
std::uint64_t ClaimedBlocks(const std::uint8_t* data, std::size_t size) {
  jpeg_decompress_struct cinfo{};
  tk::TJpegErrorManager error;
  cinfo.err = tk::UseJpegErrorManager(error);
  jpeg_create_decompress(&cinfo);
  std::uint64_t blocks = 0;
  if (!setjmp(error.Jump)) {
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i)
      blocks +=
          std::uint64_t{cinfo.comp_info[i].width_in_blocks} * cinfo.comp_info[i].height_in_blocks;
  }
  jpeg_destroy_decompress(&cinfo);
  return blocks;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (const char* budget = std::getenv("POTERINKO_FUZZ_JPEG_MAX_BLOCKS"))
    gMaxBlocks = std::strtoull(budget, nullptr, 10);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (gMaxBlocks != 0 && ClaimedBlocks(data, size) > gMaxBlocks) return -1;  // not kept
  std::size_t at = 0;
  const tk::TJpegStream file{[&](std::uint8_t* out, std::size_t n) {
                               n = std::min(n, size - at);
                               std::copy_n(data + at, n, out);
                               at += n;
                               return static_cast<long long>(n);
                             },
                             size};
  try {
    tk::TJPEGImage jpeg;
    jpeg.LoadFromStream(file, 120, 90, true);
    if (jpeg.Empty()) __builtin_trap();
    const tk::TBitmap& pixels = jpeg.DecodedBitmap();
    if (pixels.Width() > 120 || pixels.Height() > 90 || pixels.Width() > jpeg.Width() ||
        pixels.Height() > jpeg.Height())
      __builtin_trap();
  } catch (const tk::EJPEG& e) {
    if (!std::string_view(e.what()).starts_with("JPEG エラー #")) __builtin_trap();
  }
  return 0;
}
