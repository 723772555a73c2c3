#pragma once
// Finds the font file behind a font description. The program's texts ask for
// "ＭＳ Ｐゴシック"; where that face is missing, a metric-compatible proportional Japanese
// Gothic stands in, so the board looks the same on every machine that has one of them.
// Each platform supplies the look-up of a family (fontconfig on Linux, the system font folder
// on Windows); the order of the stand-ins and the cache live here, once.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Font.h"

namespace tk {

// A face inside a font file, and the style it has by itself (what it lacks is synthesised).
struct TFontFace {
  std::string Path;
  int Index = 0;
  bool Bold = false;
  bool Italic = false;
  friend bool operator==(const TFontFace&, const TFontFace&) = default;
};

struct TFontRequest {
  std::string Name;
  bool Bold = false;
  bool Italic = false;
  TFontCharset Charset = DEFAULT_CHARSET;
  friend auto operator<=>(const TFontRequest&, const TFontRequest&) = default;
};

class EFontNotFound : public Exception {
  using Exception::Exception;
};

class TFontResolver {
 public:
  virtual ~TFontResolver() = default;

  // The requested family if installed, else the Japanese Gothic stand-ins in order, else any
  // Japanese face, else any face at all (which shows what it covers). Remembered per request.
  // Throws EFontNotFound when there is no font at all.
  const TFontFace& Resolve(const TFontRequest& request);

  // The faces that stand in for a missing family, best first.
  static constexpr const char* kJapaneseGothics[] = {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic",
                                                     "VL PGothic", "Noto Sans CJK JP"};

 protected:
  // The face of `family` itself (or one the system deliberately substitutes for it), nearest
  // to the asked style; nothing when the family is unknown here.
  virtual std::optional<TFontFace> FindFamily(const std::string& family, bool bold,
                                              bool italic) = 0;
  // Any face that covers Japanese.
  virtual std::optional<TFontFace> FindJapanese(bool bold, bool italic) = 0;
  // Any face at all.
  virtual std::optional<TFontFace> FindAny(bool bold, bool italic) = 0;

 private:
  std::map<TFontRequest, TFontFace> FCache;
};

// A family name as names are compared: ASCII letters in lower case, blanks left out.
std::string FoldFamilyName(std::string_view name);

// The resolver of this platform, created on first use.
TFontResolver& SystemFontResolver();

}  // namespace tk
