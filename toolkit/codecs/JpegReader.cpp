// JPEG decoding. See JpegErrorManager.h for how libjpeg's fatal errors are survived: RunDecode
// is the frame that calls setjmp, so it keeps nothing with a destructor in its own locals.

#include <algorithm>
#include <bit>
#include <vector>

#include "toolkit/codecs/ExifOrientation.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/PictureLimits.h"
#include "toolkit/graphics/Stretch.h"

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

// What is decoded: bytes in memory, or a stream when there is one.
struct DecodeSession {
  jpeg_decompress_struct cinfo{};
  TJpegErrorManager error;
  TJpegDecoded result;
  std::span<const std::uint8_t> data;
  const TJpegStream* stream = nullptr;
  bool keepStretchSamples = false;
  int orientation = 1;
  DecodeSession() { cinfo.err = UseJpegErrorManager(error); }
  ~DecodeSession() { jpeg_destroy_decompress(&cinfo); }
};

// libjpeg's source manager over a TJpegStream. It ends the way libjpeg's memory source does,
// so a stream and the same bytes in memory decode alike.
struct StreamSource {
  jpeg_source_mgr pub;  // first, so libjpeg's pointer to it is a pointer to the whole
  const TJpegStream* stream;
  JOCTET* buffer;
  bool started;
};

constexpr std::size_t kStreamBufferBytes = 64 * 1024;

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr cinfo) {
  auto* source = reinterpret_cast<StreamSource*>(cinfo->src);
  long long n = source->stream->read(source->buffer, kStreamBufferBytes);
  if (n < 0) ERREXIT(cinfo, JERR_FILE_READ);
  if (n == 0) {
    if (!source->started) ERREXIT(cinfo, JERR_INPUT_EMPTY);
    WARNMS(cinfo, JWRN_JPEG_EOF);
    source->buffer[0] = 0xFF;
    source->buffer[1] = JPEG_EOI;
    n = 2;
  }
  source->started = true;
  source->pub.next_input_byte = source->buffer;
  source->pub.bytes_in_buffer = static_cast<std::size_t>(n);
  return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  jpeg_source_mgr& source = *cinfo->src;
  while (static_cast<unsigned long>(count) > source.bytes_in_buffer) {
    count -= static_cast<long>(source.bytes_in_buffer);
    FillInput(cinfo);
  }
  source.next_input_byte += count;
  source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void UseStreamSource(j_decompress_ptr cinfo, const TJpegStream& stream) {
  auto* source = static_cast<StreamSource*>((*cinfo->mem->alloc_small)(
      reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(StreamSource)));
  source->buffer = static_cast<JOCTET*>((*cinfo->mem->alloc_small)(
      reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kStreamBufferBytes));
  source->stream = &stream;
  source->started = false;
  source->pub.init_source = InitSource;
  source->pub.fill_input_buffer = FillInput;
  source->pub.skip_input_data = SkipInput;
  source->pub.resync_to_restart = jpeg_resync_to_restart;
  source->pub.term_source = TermSource;
  source->pub.bytes_in_buffer = 0;
  source->pub.next_input_byte = nullptr;
  cinfo->src = &source->pub;
}

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

// Copies decoded row `y` of an image `height` rows high into every row of `kept` that samples
// it (columns as `columns` says); returns the next kept row still to come.
int KeepSampledRow(TBitmap& kept, const std::uint32_t* row, const int* columns, int y, int height,
                   int next) {
  for (; next < kept.Height() && StretchSourceIndex(next, kept.Height(), height) == y; ++next) {
    std::uint32_t* out = kept.ScanLine(next);
    for (int x = 0; x < kept.Width(); ++x) out[x] = row[columns[x]];
  }
  return next;
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

bool RunDecode(DecodeSession& s, int coverWidth, int coverHeight) {
  if (setjmp(s.error.Jump)) return false;
  jpeg_decompress_struct& cinfo = s.cinfo;
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
  if (s.stream) UseStreamSource(&cinfo, *s.stream);
  else jpeg_mem_src(&cinfo, s.data.data(), static_cast<unsigned long>(s.data.size()));
  jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&cinfo, TRUE);
  s.orientation = OrientationOf(cinfo);
  if (static_cast<std::uint64_t>(cinfo.image_width) * cinfo.image_height > kMaxPicturePixels ||
      !CoefficientsFitTheFile(cinfo, s.stream ? s.stream->size : s.data.size())) {
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
  // (The arguments stay as given: nothing after setjmp may change them.)
  const bool turns = OrientationTurns(s.orientation);
  cinfo.scale_num = static_cast<unsigned>(
      JpegScaleNumerator(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height),
                         turns ? coverHeight : coverWidth, turns ? coverWidth : coverHeight));
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);

  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  s.result.ImageWidth = static_cast<int>(cinfo.image_width);
  s.result.ImageHeight = static_cast<int>(cinfo.image_height);
  // A turned or mirrored photo is sampled after it is turned (see Decode).
  const bool sampling = s.keepStretchSamples && s.orientation == 1 && coverWidth > 0 &&
                        coverHeight > 0 && (coverWidth < width || coverHeight < height);
  const int keptWidth = sampling ? std::min(width, coverWidth) : width;
  const int keptHeight = sampling ? std::min(height, coverHeight) : height;
  s.result.Bitmap = std::make_unique<TBitmap>(keptWidth, keptHeight);
  TBitmap& bitmap = *s.result.Bitmap;
  // Sampling, every row is decoded into one row of scratch and only its samples are kept.
  const auto allocate = [&cinfo](std::size_t bytes) {
    return (*cinfo.mem->alloc_large)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, bytes);
  };
  std::uint32_t* scratch = nullptr;
  int* columns = nullptr;
  if (sampling) {
    scratch = static_cast<std::uint32_t*>(allocate(sizeof(std::uint32_t) * width));
    columns = static_cast<int*>(allocate(sizeof(int) * keptWidth));
    for (int x = 0; x < keptWidth; ++x) columns[x] = StretchSourceIndex(x, keptWidth, width);
  }
  int nextKept = 0;

  // A sequential stream cut short would go on decoding nothing but zeros, for as many rows as
  // its header claims; rows past the end stay white instead. (A progressive stream has been
  // read whole by now, and what it held is shown.)
  const bool endedBeforeOutput = s.error.DataEnded;
  JSAMPARRAY buffer = nullptr;
  if (!straight)
    buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                        cinfo.output_width * cinfo.output_components, 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    std::uint32_t* row = sampling ? scratch : bitmap.ScanLine(y);
    if (straight) {
      JSAMPROW target = reinterpret_cast<JSAMPROW>(row);
      jpeg_read_scanlines(&cinfo, &target, 1);
      for (int x = 0; x < width; ++x) row[x] &= 0xFFFFFF;  // the X byte is not ours to keep
    } else {
      jpeg_read_scanlines(&cinfo, buffer, 1);
      ConvertRow(buffer[0], cinfo.out_color_space, cinfo.saw_Adobe_marker, width, row);
    }
    if (sampling) nextKept = KeepSampledRow(bitmap, row, columns, y, height, nextKept);
    if (s.error.DataEnded && !endedBeforeOutput) break;
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

namespace {

// The pixels of `full` a stretch to exactly the cover takes, as the decoder keeps them for a
// photo stored upright (each axis longer than the cover's cut to it).
std::unique_ptr<TBitmap> SampledForCover(const TBitmap& full, int coverWidth, int coverHeight) {
  const int width = full.Width(), height = full.Height();
  auto kept = std::make_unique<TBitmap>(std::min(width, coverWidth), std::min(height, coverHeight));
  std::vector<int> columns(static_cast<std::size_t>(kept->Width()));
  for (int x = 0; x < kept->Width(); ++x) columns[x] = StretchSourceIndex(x, kept->Width(), width);
  for (int y = 0, next = 0; y < height && next < kept->Height(); ++y)
    next = KeepSampledRow(*kept, full.ScanLine(y), columns.data(), y, height, next);
  return kept;
}

TJpegDecoded Decode(DecodeSession& session, int coverWidth, int coverHeight) {
  if (!RunDecode(session, coverWidth, coverHeight)) ThrowJpegError(session.error);
  TJpegDecoded& result = session.result;
  if (session.orientation != 1) {
    // Phone cameras store a portrait photo sideways and say so; it is shown upright.
    result.Bitmap = Oriented(*result.Bitmap, session.orientation);
    if (OrientationTurns(session.orientation)) std::swap(result.ImageWidth, result.ImageHeight);
    if (session.keepStretchSamples && coverWidth > 0 && coverHeight > 0)
      result.Bitmap = SampledForCover(*result.Bitmap, coverWidth, coverHeight);
  }
  return std::move(result);
}

}  // namespace

TJpegDecoded DecodeJpeg(std::span<const std::uint8_t> data, int coverWidth, int coverHeight) {
  DecodeSession session;
  session.data = data;
  return Decode(session, coverWidth, coverHeight);
}

TJpegDecoded DecodeJpeg(const TJpegStream& stream, int coverWidth, int coverHeight,
                        bool keepStretchSamples) {
  DecodeSession session;
  session.stream = &stream;
  session.keepStretchSamples = keepStretchSamples;
  return Decode(session, coverWidth, coverHeight);
}

}  // namespace tk
