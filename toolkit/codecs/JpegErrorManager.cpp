#include "toolkit/codecs/JpegErrorManager.h"

#include <string>

#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

void ErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  manager->messageCode = cinfo->err->msg_code;
  std::longjmp(manager->jump, 1);
}

// The default prints to stderr; a damaged photo is reported by its error, not by noise.
void OutputMessage(j_common_ptr) {}

void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace messages
  ++cinfo->err->num_warnings;
  if (cinfo->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<JpegErrorManager*>(cinfo->err)->dataEnded = true;
}

}  // namespace

jpeg_error_mgr* UseJpegErrorManager(JpegErrorManager& manager) {
  jpeg_std_error(&manager.pub);
  manager.pub.error_exit = ErrorExit;
  manager.pub.output_message = OutputMessage;
  manager.pub.emit_message = EmitMessage;
  return &manager.pub;
}

namespace {
EJPEG JpegError(int messageCode) {
  std::string text = SJPEGError;
  text.replace(text.find("%d"), 2, std::to_string(messageCode));
  return EJPEG(text);
}
}  // namespace

void ThrowJpegError(const JpegErrorManager& manager) { throw JpegError(manager.messageCode); }

EJPEG JpegTooBigError() { return JpegError(JERR_IMAGE_TOO_BIG); }

}  // namespace tk
