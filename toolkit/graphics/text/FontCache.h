#pragma once
// From a TFont to the glyph source that draws it. Sources are made once per face, height and
// synthesised style and live as long as the process: the program uses a handful of fonts,
// and every paint asks for them again.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

#include "toolkit/graphics/Font.h"
#include "toolkit/graphics/text/FontResolver.h"

namespace tk {

class TGlyphSource;

class TFontCache {
 public:
  explicit TFontCache(TFontResolver& resolver) : FResolver(resolver) {}
  TFontCache(const TFontCache&) = delete;
  TFontCache& operator=(const TFontCache&) = delete;
  ~TFontCache();

  // Where no font can be found or read at all, a source of the same metrics as a usual
  // Japanese Gothic whose glyphs are blank, so that layout, fills and outlines go on.
  TGlyphSource& Source(const TFont& font);

 private:
  struct SourceKey {
    std::string Path;
    int Index, Height;
    bool Embolden, Slant;
    friend auto operator<=>(const SourceKey&, const SourceKey&) = default;
  };
  TGlyphSource& Source(const TFontRequest& request, int height);
  TGlyphSource& SourceOfFace(const TFontRequest& request, int height);
  std::optional<TFontFace> Resolve(const TFontRequest& request);
  TGlyphSource& Blank(int height);

  TFontResolver& FResolver;
  std::map<std::pair<TFontRequest, int>, TGlyphSource*> FByRequest;
  std::map<SourceKey, std::unique_ptr<TGlyphSource>> FSources;
  std::map<int, std::unique_ptr<TGlyphSource>> FBlank;
};

// The glyph source for `font`, from the process-wide cache over the system's fonts. Text is
// drawn on the GUI thread only; the cache takes no locks.
TGlyphSource& GlyphSourceFor(const TFont& font);

// Puts other glyphs in place of the system's fonts for every later GlyphSourceFor, so that
// drawing with fixed metrics can be checked pixel by pixel; an empty function restores the
// system's fonts.
void SetGlyphSourceProvider(std::function<TGlyphSource&(const TFont&)> provider);

}  // namespace tk
