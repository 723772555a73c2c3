// JPEG decoding. See JpegErrorManager.h for how libjpeg's fatal errors are survived: RunDecode
// is the frame that calls setjmp, so neither it nor the decoding functions it calls keep
// anything with a destructor in their own locals.

#include <algorithm>
#include <bit>
#include <optional>

#include "toolkit/codecs/ExifOrientation.h"
#include "toolkit/codecs/JpegErrorManager.h"
#include "toolkit/codecs/JpegRawSamples.h"
#include "toolkit/codecs/PictureLimits.h"
#include "toolkit/codecs/StretchSamples.h"

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
  std::optional<TStretchSamples> samples;  // what a picture kept for its stretch size takes
  TJpegRawSamples raw;
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

// Pixel words from one row of libjpeg output in `space`.
void ConvertRow(const JSAMPLE* in, J_COLOR_SPACE space, bool invertedCmyk, int width,
                std::uint32_t* out) {
  if (space == JCS_RGB) {
    for (int x = 0; x < width; ++x, in += 3) out[x] = RgbWord(in[0], in[1], in[2]);
    return;
  }
  for (int x = 0; x < width; ++x, in += 4)
    out[x] = CmykWord(in[0], in[1], in[2], in[3], invertedCmyk);
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

// Whether the rows from `y` on are past the end of a sequential stream that was cut short. Such
// a stream would go on decoding nothing but zeros, for as many rows as its header claims; its
// rows from the iMCU row in which the data ended on stay white instead. (A stream read whole
// before the first row, as a progressive one is, shows everything it held.)
bool PastTheEnd(const DecodeSession& s, bool endedBeforeOutput, int y, int rowsPerIMCURow) {
  return s.error.DataEnded && !endedBeforeOutput && y >= s.error.DataEndedRow * rowsPerIMCURow;
}

// Decodes row by row at `scale`/8, into the bitmap or, with samples to keep, into one row of
// scratch whose samples are kept. Called under RunDecode's setjmp.
bool DecodeRows(DecodeSession& s, int scale) {
  jpeg_decompress_struct& cinfo = s.cinfo;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  const bool straight = CanDecodeStraightToWords(cinfo.jpeg_color_space);
#ifdef JCS_EXTENSIONS
  cinfo.out_color_space = straight ? JCS_EXT_BGRX : cmyk ? JCS_CMYK : JCS_RGB;
#else
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
#endif
  cinfo.scale_num = static_cast<unsigned>(scale);
  cinfo.scale_denom = 8;
  jpeg_start_decompress(&cinfo);
  const bool endedBeforeOutput = s.error.DataEnded;
  const int width = static_cast<int>(cinfo.output_width);
  const int rowsPerIMCURow = cinfo.max_v_samp_factor * cinfo.min_DCT_scaled_size;
  const TStretchSamples* samples = s.samples ? &*s.samples : nullptr;
  if (!samples)
    s.result.Bitmap = std::make_unique<TBitmap>(width, static_cast<int>(cinfo.output_height));
  TBitmap& bitmap = *s.result.Bitmap;
  std::uint32_t* scratch = nullptr;
  if (samples)
    scratch = static_cast<std::uint32_t*>((*cinfo.mem->alloc_large)(
        reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, sizeof(std::uint32_t) * width));
  std::size_t nextLine = 0;
  JSAMPARRAY buffer = nullptr;
  if (!straight)
    buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                        cinfo.output_width * cinfo.output_components, 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (PastTheEnd(s, endedBeforeOutput, y, rowsPerIMCURow)) break;
    std::uint32_t* row = samples ? scratch : bitmap.ScanLine(y);
    if (straight) {
      JSAMPROW target = reinterpret_cast<JSAMPROW>(row);
      jpeg_read_scanlines(&cinfo, &target, 1);
      for (int x = 0; x < width; ++x) row[x] &= 0xFFFFFF;  // the X byte is not ours to keep
    } else {
      jpeg_read_scanlines(&cinfo, buffer, 1);
      ConvertRow(buffer[0], cinfo.out_color_space, cinfo.saw_Adobe_marker, width, row);
    }
    if (PastTheEnd(s, endedBeforeOutput, y, rowsPerIMCURow)) {
      std::fill_n(row, width, 0xFFFFFFu);
      break;
    }
    if (samples)
      nextLine = samples->Fill(bitmap, nextLine, y + 1, [row](int x, int) { return row[x]; });
  }
  // The picture is complete; what may follow the last scan is not read.
  return true;
}

// Decodes only what the kept samples need, from libjpeg's raw planes (see TJpegRawSamples).
// Called under RunDecode's setjmp.
bool DecodeRawSamples(DecodeSession& s) {
  jpeg_decompress_struct& cinfo = s.cinfo;
  cinfo.raw_data_out = TRUE;
  jpeg_start_decompress(&cinfo);
  const bool endedBeforeOutput = s.error.DataEnded;
  s.raw.Start(cinfo, *s.samples);
  const int rowsPerRead = s.raw.RowsPerRead();
  for (int row = 0; cinfo.output_scanline < cinfo.output_height; ++row) {
    jpeg_read_raw_data(&cinfo, s.raw.PlanesFor(row), static_cast<JDIMENSION>(rowsPerRead));
    // The rows before this iMCU row have all they blend in now; at the end, every row has.
    const bool last = cinfo.output_scanline >= cinfo.output_height;
    int belowRow = last ? static_cast<int>(cinfo.output_height) : row * rowsPerRead;
    const bool ended = s.error.DataEnded && !endedBeforeOutput;
    if (ended) belowRow = std::min(belowRow, s.error.DataEndedRow * rowsPerRead);
    s.raw.Keep(*s.result.Bitmap, belowRow);
    if (ended) break;
  }
  return true;
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
  const int width = static_cast<int>(cinfo.image_width);
  const int height = static_cast<int>(cinfo.image_height);
  s.result.ImageWidth = width;
  s.result.ImageHeight = height;
  // (The arguments stay as given: nothing after setjmp may change them.)
  if (s.keepStretchSamples && coverWidth > 0 && coverHeight > 0) {
    // Every kept pixel is one pixel of the picture at its own size, turned upright.
    s.samples.emplace(width, height, s.orientation, coverWidth, coverHeight);
    s.result.Bitmap = std::make_unique<TBitmap>(s.samples->KeptWidth(), s.samples->KeptHeight());
    if (TJpegRawSamples::Handles(cinfo)) return DecodeRawSamples(s);
    return DecodeRows(s, 8);  // libjpeg will refuse it, with its own message number
  }
  // The cover applies to the picture as shown, which a quarter turn makes tall from wide.
  const bool turns = OrientationTurns(s.orientation);
  return DecodeRows(s, JpegScaleNumerator(width, height, turns ? coverHeight : coverWidth,
                                          turns ? coverWidth : coverHeight));
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

TJpegDecoded Decode(DecodeSession& session, int coverWidth, int coverHeight) {
  if (!RunDecode(session, coverWidth, coverHeight)) ThrowJpegError(session.error);
  TJpegDecoded& result = session.result;
  if (session.orientation != 1) {
    // Phone cameras store a portrait photo sideways and say so; it is shown upright. Kept
    // samples were taken upright already.
    if (!session.samples) result.Bitmap = Oriented(*result.Bitmap, session.orientation);
    if (OrientationTurns(session.orientation)) std::swap(result.ImageWidth, result.ImageHeight);
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
