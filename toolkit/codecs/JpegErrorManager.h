#pragma once
// libjpeg's error handling turned into something C++ can live with. libjpeg reports a fatal
// error by calling error_exit, which must not return. We leave by longjmp to the frame that
// called setjmp; that frame and every frame between it and libjpeg hold no object with a
// destructor, and everything that needs freeing lives in a session object of the caller,
// whose destructor runs after the jump. The caller then raises the toolkit's exception.

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

#include "toolkit/codecs/JpegCodec.h"

namespace tk {

struct TJpegErrorManager {
  jpeg_error_mgr Pub;  // first, so libjpeg's pointer to it is a pointer to the whole
  std::jmp_buf Jump;
  int MessageCode = 0;
  bool DataEnded = false;  // the stream ended before its end marker (libjpeg goes on with zeros)
  int DataEndedRow = 0;    // the iMCU row libjpeg was decoding then
};

// Makes `cinfo` report through `manager`: fatal errors jump, warnings are kept quiet and
// only the end of the data is remembered.
jpeg_error_mgr* UseJpegErrorManager(TJpegErrorManager& manager);

// Records a fatal error of our own (a limit) the way libjpeg records its own.
inline void FailJpeg(TJpegErrorManager& manager, int messageCode) {
  manager.MessageCode = messageCode;
}

// Raises EJPEG "JPEG エラー #<messageCode>".
[[noreturn]] void ThrowJpegError(const TJpegErrorManager& manager);

}  // namespace tk
