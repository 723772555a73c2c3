#include "toolkit/graphics/text/FontCache.h"

#include "toolkit/graphics/text/FreeTypeGlyphSource.h"

namespace tk {

TFontCache::~TFontCache() = default;

TGlyphSource& TFontCache::Source(const TFont& font) {
  const TFontRequest request{font.Name(), (font.Style() & fsBold) != 0,
                             (font.Style() & fsItalic) != 0, font.Charset()};
  return Source(request, font.Height() == 0 ? TFont::kDefaultHeight : font.Height());
}

TGlyphSource& TFontCache::Source(const TFontRequest& request, int height) {
  const auto requestKey = std::make_pair(request, height);
  if (auto it = FByRequest.find(requestKey); it != FByRequest.end()) return *it->second;

  const TFontFace face = FResolver.Resolve(request);
  const TSourceKey key{face.Path, face.Index, height, request.Bold && !face.Bold,
                       request.Italic && !face.Italic};
  auto found = FSources.find(key);
  if (found == FSources.end()) {
    TFaceHandle handle = OpenFace(face.Path, face.Index);
    if (!handle) throw EFontNotFound("cannot read the font file " + face.Path);
    // Characters missing from a Latin face are taken from the Japanese Gothic, as the system
    // links fonts for text of another script.
    const TFontRequest gothic{TFontResolver::kJapaneseGothics[0], request.Bold, request.Italic,
                              SHIFTJIS_CHARSET};
    TGlyphSource* fallback = nullptr;
    if (request != gothic && !(FResolver.Resolve(gothic) == face))
      fallback = &Source(gothic, height);
    auto source = std::make_unique<TFreeTypeGlyphSource>(std::move(handle), height, key.Embolden,
                                                         key.Slant, fallback);
    found = FSources.emplace(key, std::move(source)).first;
  }
  FByRequest.emplace(requestKey, found->second.get());
  return *found->second;
}

namespace {
std::function<TGlyphSource&(const TFont&)>& Provider() {
  static std::function<TGlyphSource&(const TFont&)> provider;
  return provider;
}
}  // namespace

TGlyphSource& GlyphSourceFor(const TFont& font) {
  if (Provider()) return Provider()(font);
  static TFontCache cache(SystemFontResolver());
  return cache.Source(font);
}

void SetGlyphSourceProvider(std::function<TGlyphSource&(const TFont&)> provider) {
  Provider() = std::move(provider);
}

}  // namespace tk
