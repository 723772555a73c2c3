#include "toolkit/codecs/JpegErrorManager.h"

#include <string>

#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

void ErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  manager->MessageCode = cinfo->err->msg_code;
  std::longjmp(manager->Jump, 1);
}

// The default prints to stderr; a damaged photo is reported by its error, not by noise.
void OutputMessage(j_common_ptr) {}

void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  ++cinfo->err->num_warnings;
  if (cinfo->err->msg_code != JWRN_JPEG_EOF) return;
  auto* manager = reinterpret_cast<TJpegErrorManager*>(cinfo->err);
  if (manager->DataEnded) return;
  manager->DataEnded = true;
  if (cinfo->is_decompressor)
    manager->DataEndedRow =
        static_cast<int>(reinterpret_cast<j_decompress_ptr>(cinfo)->input_iMCU_row);
}

}  // namespace

jpeg_error_mgr* UseJpegErrorManager(TJpegErrorManager& manager) {
  jpeg_std_error(&manager.Pub);
  manager.Pub.error_exit = ErrorExit;
  manager.Pub.output_message = OutputMessage;
  manager.Pub.emit_message = EmitMessage;
  return &manager.Pub;
}

namespace {
EJPEG JpegError(int messageCode) {
  std::string text = kJpegError;
  text.replace(text.find("%d"), 2, std::to_string(messageCode));
  return EJPEG(text);
}
}  // namespace

void ThrowJpegError(const TJpegErrorManager& manager) { throw JpegError(manager.MessageCode); }

EJPEG JpegTooBigError() { return JpegError(JERR_IMAGE_TOO_BIG); }

}  // namespace tk
