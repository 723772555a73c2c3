#include "toolkit/graphics/text/FontconfigResolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace tk {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* Text(const char* s) { return reinterpret_cast<const FcChar8*>(s); }

Pattern StylePattern(bool bold, bool italic) {
  Pattern p(FcPatternCreate());
  FcPatternAddInteger(p.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(p.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(p.get(), FC_SCALABLE, FcTrue);
  return p;
}

Pattern Match(FcConfig* config, Pattern pattern) {
  FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(config, pattern.get(), &result));
}

std::string FilePath(const FcPattern* match) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return {};
  return reinterpret_cast<const char*>(file);
}

std::optional<TFontFace> FaceOf(const FcPattern* match) {
  if (!match) return std::nullopt;
  TFontFace face;
  face.Path = FilePath(match);
  if (face.Path.empty()) return std::nullopt;
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_INDEX, 0, &index);
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  // The configuration may promise bold or italic it only synthesises (embolden, a shear
  // matrix); the face itself is regular then, and we synthesise the style ourselves.
  FcBool embolden = FcFalse;
  FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
  FcMatrix* shear = nullptr;
  const bool sheared = FcPatternGetMatrix(match, FC_MATRIX, 0, &shear) == FcResultMatch;
  face.Index = index;
  face.Bold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
  face.Italic = slant != FC_SLANT_ROMAN && !sheared;
  return face;
}

bool HasFamily(const FcPattern* match, const std::string& family) {
  const std::string wanted = FoldFamilyName(family);
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (FoldFamilyName(reinterpret_cast<const char*>(name)) == wanted) return true;
  return false;
}

bool IsGenericFamily(const std::string& family) {
  static constexpr std::array<std::string_view, 6> kGeneric{"sans-serif", "serif", "monospace",
                                                            "sans",       "mono",  "system-ui"};
  const std::string folded = FoldFamilyName(family);
  return std::find(kGeneric.begin(), kGeneric.end(), folded) != kGeneric.end();
}

}  // namespace

struct TFontconfigResolver::State {
  FcConfig* Config = nullptr;
};

TFontconfigResolver::TFontconfigResolver() : FConfig(std::make_unique<State>()) {
  FConfig->Config = FcInitLoadConfigAndFonts();
}

TFontconfigResolver::~TFontconfigResolver() {
  if (FConfig->Config) FcConfigDestroy(FConfig->Config);
}

// fontconfig answers every question with some font. Its answer counts when it carries the
// asked family, or when it differs from what a request without any family gets: then the
// configuration substituted it on purpose (a metric alias, say), which is the system's choice
// to respect. Otherwise it is only the default face and the stand-ins get their turn.
std::optional<TFontFace> TFontconfigResolver::FindFamily(const std::string& family, bool bold,
                                                         bool italic) {
  FcConfig* config = FConfig->Config;
  if (!config) return std::nullopt;
  Pattern request = StylePattern(bold, italic);
  FcPatternAddString(request.get(), FC_FAMILY, Text(family.c_str()));
  const Pattern match = Match(config, std::move(request));
  if (!match) return std::nullopt;
  if (HasFamily(match.get(), family) || IsGenericFamily(family)) return FaceOf(match.get());
  const Pattern fallback = Match(config, StylePattern(bold, italic));
  if (fallback && FilePath(fallback.get()) != FilePath(match.get())) return FaceOf(match.get());
  return std::nullopt;
}

std::optional<TFontFace> TFontconfigResolver::FindJapanese(bool bold, bool italic) {
  FcConfig* config = FConfig->Config;
  if (!config) return std::nullopt;
  Pattern request = StylePattern(bold, italic);
  FcLangSet* languages = FcLangSetCreate();
  FcLangSetAdd(languages, Text("ja"));
  FcPatternAddLangSet(request.get(), FC_LANG, languages);
  FcLangSetDestroy(languages);
  const Pattern match = Match(config, std::move(request));
  if (!match) return std::nullopt;
  FcLangSet* covered = nullptr;
  if (FcPatternGetLangSet(match.get(), FC_LANG, 0, &covered) != FcResultMatch ||
      FcLangSetHasLang(covered, Text("ja")) != FcLangEqual)
    return std::nullopt;
  return FaceOf(match.get());
}

// With no families to choose from, fontconfig's default face, whatever it covers.
std::optional<TFontFace> TFontconfigResolver::FindAny(bool bold, bool italic) {
  FcConfig* config = FConfig->Config;
  if (!config) return std::nullopt;
  const Pattern match = Match(config, StylePattern(bold, italic));
  return match ? FaceOf(match.get()) : std::nullopt;
}

}  // namespace tk
