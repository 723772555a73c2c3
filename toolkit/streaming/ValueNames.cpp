#include "toolkit/streaming/ValueNames.h"

namespace tk {
namespace {
struct NamedCharset {
  int value;
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

std::optional<int> IdentToCharset(std::string_view ident) {
  for (const auto& c : kCharsets)
    if (ident == c.name) return c.value;
  return std::nullopt;
}

std::string CharsetToIdent(int charset) {
  for (const auto& c : kCharsets)
    if (charset == c.value) return c.name;
  return std::to_string(charset);
}

}  // namespace tk
