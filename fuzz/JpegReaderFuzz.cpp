// Bytes of a dropped ".jpg" file, read the way a picture reads them for a 120 x 90 cell.
// Every input must give a JPEG picture or "JPEG エラー #<number>".

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "toolkit/codecs/JpegCodec.h"
#include "toolkit/codecs/JpegImage.h"
#include "toolkit/codecs/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    auto graphic = tk::ReadGraphic(tk::TPictureFileKind::pkJPEG, {data, size}, 120, 90);
    auto* jpeg = dynamic_cast<tk::TJPEGImage*>(graphic.get());
    if (jpeg == nullptr || jpeg->Empty()) __builtin_trap();
    const tk::TBitmap& pixels = jpeg->DecodedBitmap();
    if (pixels.Width() > jpeg->Width() || pixels.Height() > jpeg->Height()) __builtin_trap();
  } catch (const tk::EJPEG& e) {
    if (!std::string_view(e.what()).starts_with("JPEG エラー #")) __builtin_trap();
  }
  return 0;
}
