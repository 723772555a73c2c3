// JPEG decoding. See JpegErrorManager.h for how libjpeg's fatal errors are survived: RunDecode
// is the frame that calls setjmp, so it keeps nothing with a destructor in its own locals.

#include <algorithm>
#include <bit>

#include "toolkit/codecs/ExifOrientation.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/PictureLimits.h"

namespace tk {
namespace {

// libjpeg keeps whole-image coefficient buffers for progressive files; a 100-megapixel image
// may need this much, anything past it fails instead of exhausting memory.
constexpr long kMaxLibjpegMemory = 384L * 1024 * 1024;

// Coefficient buffers any multi-scan image may have whatever its file size (a 5-megapixel
// photo in colour needs about this much).
constexpr std::uint64_t kFreeCoefficientBytes = 16u << 20;
// Beyond that, the buffers may be at most this many times the file. Every 8 x 8 block of a
// Huffman-coded image costs at least one bit of the file (its DC code), and a block's
// coefficients take 128 bytes of buffer: 1024 bytes of buffer per byte of a complete file.
constexpr std::uint64_t kCoefficientBytesPerFileByte = 8 * sizeof(JBLOCK);

struct DecodeSession {
  jpeg_decompress_struct cinfo{};
  JpegErrorManager error;
  TJpegDecoded result;
  int orientation = 1;
  DecodeSession() { cinfo.err = UseJpegErrorManager(error); }
  ~DecodeSession() { jpeg_destroy_decompress(&cinfo); }
};

std::uint32_t Word(unsigned red, unsigned green, unsigned blue) {
  return red << 16 | green << 8 | blue;
}

// Pixel words from one row of libjpeg output in `space`.
void ConvertRow(const JSAMPLE* in, J_COLOR_SPACE space, bool invertedCmyk, int width,
                std::uint32_t* out) {
  if (space == JCS_RGB) {
    for (int x = 0; x < width; ++x, in += 3) out[x] = Word(in[0], in[1], in[2]);
    return;
  }
  // CMYK: Adobe writes the inks inverted (255 = no ink), others as they are.
  for (int x = 0; x < width; ++x, in += 4) {
    unsigned c = in[0], m = in[1], y = in[2], k = in[3];
    if (!invertedCmyk) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    out[x] = Word((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
  }
}

// libjpeg-turbo can write 0xXXRRGGBB words straight into the bitmap's rows on a
// little-endian machine; otherwise (and always for CMYK) rows go through a buffer.
bool CanDecodeStraightToWords(J_COLOR_SPACE source) {
#ifdef JCS_EXTENSIONS
  return std::endian::native == std::endian::little && source != JCS_CMYK && source != JCS_YCCK;
#else
  return false;
#endif
}

// The first Exif block's orientation; APP1 segments also carry other metadata.
int OrientationOf(const jpeg_decompress_struct& cinfo) {
  for (jpeg_saved_marker_ptr m = cinfo.marker_list; m != nullptr; m = m->next) {
    if (m->marker != JPEG_APP0 + 1) continue;
    if (const int orientation = ExifOrientation({m->data, m->data_length})) return orientation;
  }
  return 1;
}

// The whole-image coefficient buffers libjpeg will allocate before it reads the first scan:
// progressive images and images whose components come in separate scans need them; an image
// decoded scan by scan as it arrives needs none.
std::uint64_t WholeImageCoefficientBytes(const jpeg_decompress_struct& cinfo) {
  if (!cinfo.progressive_mode && cinfo.comps_in_scan >= cinfo.num_components) return 0;
  std::uint64_t blocks = 0;
  for (int i = 0; i < cinfo.num_components; ++i) {
    const jpeg_component_info& c = cinfo.comp_info[i];
    auto roundUp = [](std::uint64_t n, std::uint64_t to) { return (n + to - 1) / to * to; };
    blocks += roundUp(c.width_in_blocks, static_cast<std::uint64_t>(c.h_samp_factor)) *
              roundUp(c.height_in_blocks, static_cast<std::uint64_t>(c.v_samp_factor));
  }
  return blocks * sizeof(JBLOCK);
}

// A few hundred bytes may claim a picture whose coefficients fill hundreds of megabytes that
// no scan in the file could ever fill; such a file is refused before anything is allocated.
bool CoefficientsFitTheFile(const jpeg_decompress_struct& cinfo, std::size_t fileBytes) {
  const std::uint64_t bytes = WholeImageCoefficientBytes(cinfo);
  return bytes <= kFreeCoefficientBytes || bytes / kCoefficientBytesPerFileByte <= fileBytes;
}

bool RunDecode(DecodeSession& s, std::span<const std::uint8_t> data, int coverWidth,
               int coverHeight) {
  if (setjmp(s.error.jump)) return false;
  jpeg_decompress_struct& cinfo = s.cinfo;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&cinfo, TRUE);
  s.orientation = OrientationOf(cinfo);
  if (static_cast<std::uint64_t>(cinfo.image_width) * cinfo.image_height > kMaxPicturePixels ||
      !CoefficientsFitTheFile(cinfo, data.size())) {
    FailJpeg(s.error, JERR_IMAGE_TOO_BIG);
    return false;
  }
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  const bool straight = CanDecodeStraightToWords(cinfo.jpeg_color_space);
#ifdef JCS_EXTENSIONS
  cinfo.out_color_space = straight ? JCS_EXT_BGRX : cmyk ? JCS_CMYK : JCS_RGB;
#else
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
#endif
  // The cover applies to the picture as shown, which a quarter turn makes tall from wide.
  if (OrientationTurns(s.orientation)) std::swap(coverWidth, coverHeight);
  cinfo.scale_num = static_cast<unsigned>(JpegScaleNumerator(static_cast<int>(cinfo.image_width),
                                                             static_cast<int>(cinfo.image_height),
                                                             coverWidth, coverHeight));
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);

  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  s.result.imageWidth = static_cast<int>(cinfo.image_width);
  s.result.imageHeight = static_cast<int>(cinfo.image_height);
  s.result.bitmap = std::make_unique<TBitmap>(width, height);
  TBitmap& bitmap = *s.result.bitmap;

  // A sequential stream cut short would go on decoding nothing but zeros, for as many rows as
  // its header claims; rows past the end stay white instead. (A progressive stream has been
  // read whole by now, and what it held is shown.)
  const bool endedBeforeOutput = s.error.dataEnded;
  JSAMPARRAY buffer = nullptr;
  if (!straight)
    buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                        cinfo.output_width * cinfo.output_components, 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    std::uint32_t* row = bitmap.ScanLine(y);
    if (straight) {
      JSAMPROW target = reinterpret_cast<JSAMPROW>(row);
      jpeg_read_scanlines(&cinfo, &target, 1);
      for (int x = 0; x < width; ++x) row[x] &= 0xFFFFFF;  // the X byte is not ours to keep
    } else {
      jpeg_read_scanlines(&cinfo, buffer, 1);
      ConvertRow(buffer[0], cinfo.out_color_space, cinfo.saw_Adobe_marker, width, row);
    }
    if (s.error.dataEnded && !endedBeforeOutput) break;
  }
  // The picture is complete; what may follow the last scan is not read.
  return true;
}

}  // namespace

int JpegScaleNumerator(int imageWidth, int imageHeight, int coverWidth, int coverHeight) {
  if (coverWidth <= 0 || coverHeight <= 0) return 8;
  for (int n = 1; n < 8; ++n) {
    // libjpeg's output size at n/8: the image size times n/8, rounded up.
    const long long w = (static_cast<long long>(imageWidth) * n + 7) / 8;
    const long long h = (static_cast<long long>(imageHeight) * n + 7) / 8;
    if (w >= coverWidth && h >= coverHeight) return n;
  }
  return 8;
}

TJpegDecoded DecodeJpeg(std::span<const std::uint8_t> data, int coverWidth, int coverHeight) {
  DecodeSession session;
  if (!RunDecode(session, data, coverWidth, coverHeight)) ThrowJpegError(session.error);
  TJpegDecoded& result = session.result;
  if (session.orientation != 1) {
    // Phone cameras store a portrait photo sideways and say so; it is shown upright.
    result.bitmap = Oriented(*result.bitmap, session.orientation);
    if (OrientationTurns(session.orientation)) std::swap(result.imageWidth, result.imageHeight);
  }
  return std::move(result);
}

}  // namespace tk
