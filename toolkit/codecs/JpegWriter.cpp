// JPEG encoding with the board's fixed settings. See JpegErrorManager.h for how libjpeg's
// fatal errors are survived: RunEncode is the frame that calls setjmp.

#include <cstdlib>

#include "toolkit/codecs/JpegErrorManager.h"

namespace tk {
namespace {

struct EncodeSession {
  jpeg_compress_struct cinfo{};
  TJpegErrorManager error;
  // jpeg_mem_dest grows this buffer with malloc; it is ours to free.
  unsigned char* output = nullptr;
  unsigned long outputSize = 0;
  EncodeSession() { cinfo.err = UseJpegErrorManager(error); }
  ~EncodeSession() {
    jpeg_destroy_compress(&cinfo);
    std::free(output);
  }
};

bool RunEncode(EncodeSession& s, const TBitmap& bitmap, int quality) {
  if (setjmp(s.error.Jump)) return false;
  jpeg_compress_struct& cinfo = s.cinfo;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &s.output, &s.outputSize);
  cinfo.image_width = static_cast<JDIMENSION>(bitmap.Width());
  cinfo.image_height = static_cast<JDIMENSION>(bitmap.Height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  cinfo.dct_method = JDCT_FLOAT;
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);

  JSAMPARRAY buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                 JPOOL_IMAGE, cinfo.image_width * 3, 1);
  while (cinfo.next_scanline < cinfo.image_height) {
    const std::uint32_t* in = bitmap.ScanLine(static_cast<int>(cinfo.next_scanline));
    JSAMPLE* out = buffer[0];
    for (int x = 0; x < bitmap.Width(); ++x, out += 3) {
      out[0] = static_cast<JSAMPLE>(in[x] >> 16);
      out[1] = static_cast<JSAMPLE>(in[x] >> 8);
      out[2] = static_cast<JSAMPLE>(in[x]);
    }
    jpeg_write_scanlines(&cinfo, buffer, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& bitmap, int quality) {
  EncodeSession session;
  if (!RunEncode(session, bitmap, quality)) ThrowJpegError(session.error);
  return std::vector<std::uint8_t>(session.output, session.output + session.outputSize);
}

}  // namespace tk
