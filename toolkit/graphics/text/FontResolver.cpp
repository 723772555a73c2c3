#include "toolkit/graphics/text/FontResolver.h"

#include <vector>

#ifdef _WIN32
#include "toolkit/graphics/text/WindowsFontResolver.h"
#else
#include "toolkit/graphics/text/FontconfigResolver.h"
#endif

namespace tk {

const TFontFace& TFontResolver::Resolve(const TFontRequest& request) {
  if (auto it = FCache.find(request); it != FCache.end()) return it->second;

  std::vector<std::string> families{request.Name};
  for (const char* name : kJapaneseGothics)
    if (request.Name != name) families.emplace_back(name);

  std::optional<TFontFace> face;
  for (auto family = families.begin(); !face && family != families.end(); ++family)
    face = FindFamily(*family, request.Bold, request.Italic);
  if (!face) face = FindJapanese(request.Bold, request.Italic);
  if (!face) face = FindAny(request.Bold, request.Italic);
  if (!face) throw EFontNotFound("no font found for \"" + request.Name + "\"");
  return FCache.emplace(request, *face).first->second;
}

std::string FoldFamilyName(std::string_view name) {
  std::string folded;
  for (char c : name) {
    if (c == ' ') continue;
    folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return folded;
}

TFontResolver& SystemFontResolver() {
#ifdef _WIN32
  static TWindowsFontResolver resolver;
#else
  static TFontconfigResolver resolver;
#endif
  return resolver;
}

}  // namespace tk
