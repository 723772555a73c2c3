#include "toolkit/graphics/text/FreeTypeLibrary.h"

#include "toolkit/core/Exceptions.h"

namespace tk {
namespace {

FT_Library InitLibrary() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw Exception("FreeType could not be initialised");
  return library;
}

}  // namespace

// Never closed: faces held by caches of static lifetime are released at exit after it, and
// the system frees everything then anyway.
FT_Library SharedFreeTypeLibrary() {
  static const FT_Library library = InitLibrary();
  return library;
}

TFaceHandle OpenFace(const std::string& path, int index) {
  FT_Face face = nullptr;
  if (FT_New_Face(SharedFreeTypeLibrary(), path.c_str(), index, &face) != 0) return nullptr;
  return TFaceHandle(face);
}

}  // namespace tk
