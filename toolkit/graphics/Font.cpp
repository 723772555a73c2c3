#include "toolkit/graphics/Font.h"

namespace tk {
namespace {
struct NamedCharset {
  TFontCharset value;
  const char* name;
};
constexpr NamedCharset kCharsets[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};
}  // namespace

std::optional<TFontCharset> IdentToCharset(std::string_view ident) {
  for (const auto& c : kCharsets)
    if (ident == c.name) return c.value;
  return std::nullopt;
}

std::string CharsetToIdent(TFontCharset charset) {
  for (const auto& c : kCharsets)
    if (charset == c.value) return c.name;
  return std::to_string(charset);
}

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
  if (!name.empty() && StoreChanged(FAttributes.Name, name)) Changed();
}

void TFont::SetHeight(int height) {
  if (StoreChanged(FAttributes.Height, height)) Changed();
}

int TFont::Size() const { return -FAttributes.Height * 72 / 96; }

void TFont::SetSize(int points) { SetHeight(-(points * 96 + 36) / 72); }

void TFont::SetCharset(TFontCharset charset) {
  if (StoreChanged(FAttributes.Charset, charset)) Changed();
}

void TFont::SetColor(TColor color) {
  if (StoreChanged(FAttributes.Color, color)) Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (StoreChanged(FAttributes.Style, style)) Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (StoreChanged(FAttributes.Pitch, pitch)) Changed();
}

bool TFont::SameAs(const TFont& o) const { return FAttributes == o.FAttributes; }

void TFont::Assign(const TPersistent& source) {
  if (auto* f = dynamic_cast<const TFont*>(&source)) {
    if (SameAs(*f)) return;
    FAttributes = f->FAttributes;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

}  // namespace tk
