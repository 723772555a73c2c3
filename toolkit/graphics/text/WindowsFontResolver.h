#pragma once
// Font look-up on Windows: the faces in the system font folder and the user's own font folder,
// known by every family name they carry (the Japanese names too, such as "ＭＳ Ｐゴシック" for
// face 1 of msgothic.ttc).

#ifdef _WIN32

#include <vector>

#include "toolkit/graphics/text/FontResolver.h"

namespace tk {

class TWindowsFontResolver : public TFontResolver {
 protected:
  std::optional<TFontFace> FindFamily(const std::string& family, bool bold, bool italic) override;
  std::optional<TFontFace> FindJapanese(bool bold, bool italic) override;
  std::optional<TFontFace> FindAny(bool bold, bool italic) override;

 private:
  struct Entry {
    std::vector<std::string> Families;  // folded for comparison
    TFontFace Face;
    bool Japanese = false;
  };
  const std::vector<Entry>& Entries();
  static std::optional<TFontFace> Nearest(const std::vector<const Entry*>& candidates, bool bold,
                                          bool italic);

  std::vector<Entry> FEntries;
  bool FScanned = false;
};

}  // namespace tk

#endif  // _WIN32
