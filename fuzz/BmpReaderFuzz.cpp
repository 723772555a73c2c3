// Bytes of a dropped ".bmp" file, read the way a picture reads them. Every input must give a
// bitmap or the reader's one error text.

#include <cstddef>
#include <cstdint>

#include "toolkit/codecs/BmpReader.h"
#include "toolkit/codecs/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    auto graphic = tk::ReadGraphic(tk::TPictureFileKind::kBitmap, {data, size}, 120, 90);
    auto* bitmap = dynamic_cast<tk::TBitmap*>(graphic.get());
    if (bitmap == nullptr || bitmap->Empty()) __builtin_trap();
    // Reads the corner pixels so that a bitmap smaller than it claims shows.
    volatile std::uint32_t sink =
        bitmap->PixelWord(0, 0) ^ bitmap->PixelWord(bitmap->Width() - 1, bitmap->Height() - 1);
    (void)sink;
  } catch (const tk::EInvalidGraphic& e) {
    if (e.Message() != tk::kInvalidBitmap) __builtin_trap();
  }
  return 0;
}
