#include "toolkit/graphics/text/FontCache.h"

#include <algorithm>

#include "toolkit/graphics/text/CharClass.h"
#include "toolkit/graphics/text/FreeTypeGlyphSource.h"

namespace tk {
namespace {

// Text without a font: nothing to draw, but the room a Japanese Gothic would take (ascent
// 0.88 and descent 0.2 of the em, narrow characters half an em wide), so that text is laid
// out and aligned as usual. A positive height is the cell height, 1.075 em.
class BlankGlyphSource : public TGlyphSource {
 public:
  explicit BlankGlyphSource(int height)
      : FEm(std::max(1, height < 0 ? -height : height * 1000 / 1075)) {}
  int Ascent() const override { return (FEm * 88 + 50) / 100; }
  int Descent() const override { return (FEm * 20 + 50) / 100; }
  int AverageCharWidth() const override { return std::max(1, FEm / 2); }
  int Advance(char32_t code) override { return IsWideCharacter(code) ? FEm : AverageCharWidth(); }
  const TGlyphImage& Glyph(char32_t) override { return FNothing; }
  TTextStroke Underline() const override { return {1, std::max(1, FEm / 16)}; }
  TTextStroke StrikeOut() const override { return {-Ascent() / 3, std::max(1, FEm / 16)}; }

 private:
  int FEm;
  TGlyphImage FNothing;
};

}  // namespace

TFontCache::~TFontCache() = default;

std::optional<TFontFace> TFontCache::Resolve(const TFontRequest& request) {
  try {
    return FResolver.Resolve(request);
  } catch (const EFontNotFound&) {
    return std::nullopt;
  }
}

TGlyphSource& TFontCache::Blank(int height) {
  std::unique_ptr<TGlyphSource>& source = FBlank[height];
  if (!source) source = std::make_unique<BlankGlyphSource>(height);
  return *source;
}

TGlyphSource& TFontCache::Source(const TFont& font) {
  const TFontRequest request{font.Name(), (font.Style() & fsBold) != 0,
                             (font.Style() & fsItalic) != 0, font.Charset()};
  return Source(request, font.Height() == 0 ? TFont::kDefaultHeight : font.Height());
}

TGlyphSource& TFontCache::Source(const TFontRequest& request, int height) {
  const auto requestKey = std::make_pair(request, height);
  if (auto it = FByRequest.find(requestKey); it != FByRequest.end()) return *it->second;
  TGlyphSource& source = SourceOfFace(request, height);
  FByRequest.emplace(requestKey, &source);
  return source;
}

TGlyphSource& TFontCache::SourceOfFace(const TFontRequest& request, int height) {
  const std::optional<TFontFace> face = Resolve(request);
  if (!face) return Blank(height);
  const SourceKey key{face->Path, face->Index, height, request.Bold && !face->Bold,
                      request.Italic && !face->Italic};
  if (auto found = FSources.find(key); found != FSources.end()) return *found->second;
  TFaceHandle handle = OpenFace(face->Path, face->Index);
  if (!handle) return Blank(height);
  // Characters missing from a Latin face are taken from the Japanese Gothic, as the system
  // links fonts for text of another script.
  const TFontRequest gothic{TFontResolver::kJapaneseGothics[0], request.Bold, request.Italic,
                            SHIFTJIS_CHARSET};
  TGlyphSource* fallback = nullptr;
  if (request != gothic && Resolve(gothic).value_or(*face) != *face)
    fallback = &Source(gothic, height);
  auto source = std::make_unique<TFreeTypeGlyphSource>(std::move(handle), height, key.Embolden,
                                                       key.Slant, fallback);
  return *FSources.emplace(key, std::move(source)).first->second;
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
