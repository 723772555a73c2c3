#pragma once
// The one FreeType library instance of the process, opened on first use.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace tk {

FT_Library SharedFreeTypeLibrary();

struct TFaceDeleter {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using TFaceHandle = std::unique_ptr<std::remove_pointer_t<FT_Face>, TFaceDeleter>;

// Opens face `index` of a font file; null when the file cannot be read as a font.
TFaceHandle OpenFace(const std::string& path, int index);

}  // namespace tk
