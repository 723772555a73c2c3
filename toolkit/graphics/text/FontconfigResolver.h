#pragma once
// Font look-up through fontconfig (Linux and other systems that have it).

#include "toolkit/graphics/text/FontResolver.h"

namespace tk {

class TFontconfigResolver : public TFontResolver {
 public:
  TFontconfigResolver();
  ~TFontconfigResolver() override;

 protected:
  std::optional<TFontFace> FindFamily(const std::string& family, bool bold, bool italic) override;
  std::optional<TFontFace> FindJapanese(bool bold, bool italic) override;
  std::optional<TFontFace> FindAny(bool bold, bool italic) override;

 private:
  struct State;
  std::unique_ptr<State> FConfig;
};

}  // namespace tk
