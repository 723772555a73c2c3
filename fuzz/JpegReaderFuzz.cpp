// Bytes of a dropped ".jpg" file, read the way a cell's picture reads them: as a stream of the
// file's pieces, keeping only the pixels a stretch to the 120 x 90 cell shows.
// Every input must give a JPEG picture or "JPEG エラー #<number>".

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
