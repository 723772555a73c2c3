#pragma once
// A font description: face name, height, character set, colour and style. Canvases and
// controls own fonts; assigning one font to another copies every attribute.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/core/EnumNames.h"
#include "toolkit/core/Object.h"
#include "toolkit/graphics/Color.h"

namespace tk {

using TFontCharset = std::uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SHIFTJIS_CHARSET = 128;
// Character set names as form text writes them ("SHIFTJIS_CHARSET"); a character set without
// a name is written as its number.
std::optional<TFontCharset> IdentToCharset(std::string_view ident);
std::string CharsetToIdent(TFontCharset charset);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits
inline constexpr auto kFontStyleNames = SetMemberNames<TFontStyle>({{fsBold, "fsBold"},
                                                                    {fsItalic, "fsItalic"},
                                                                    {fsUnderline, "fsUnderline"},
                                                                    {fsStrikeOut, "fsStrikeOut"}});

enum class TFontPitch { fpDefault, fpVariable, fpFixed };
inline constexpr auto kFontPitchNames =
    EnumNames<TFontPitch>({{TFontPitch::fpDefault, "fpDefault"},
                           {TFontPitch::fpVariable, "fpVariable"},
                           {TFontPitch::fpFixed, "fpFixed"}});

class TFont : public TPersistent {
 public:
  TFont();
  const char* ClassName() const override { return "TFont"; }

  // The face of the program's texts, and the default of every new font.
  static constexpr const char* kDefaultName = "ＭＳ Ｐゴシック";
  static constexpr int kDefaultHeight = -12;

  const std::string& Name() const { return FAttributes.Name; }
  void SetName(const std::string& name);
  // Negative: the character height in pixels (em size). Positive: the cell height (ascent +
  // descent). Zero: the default height.
  int Height() const { return FAttributes.Height; }
  void SetHeight(int height);
  // Size in points at 96 dots per inch: -Height * 72 / 96.
  int Size() const;
  void SetSize(int points);
  TFontCharset Charset() const { return FAttributes.Charset; }
  void SetCharset(TFontCharset charset);
  TColor Color() const { return FAttributes.Color; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FAttributes.Style; }
  void SetStyle(TFontStyles style);
  TFontPitch Pitch() const { return FAttributes.Pitch; }
  void SetPitch(TFontPitch pitch);

  void Assign(const TPersistent& source) override;
  bool SameAs(const TFont& other) const;

  TNotifyEvent OnChange;

 private:
  void Changed() { OnChange(this); }

  // Everything a font is; assigning one font to another copies it whole.
  struct Attributes {
    std::string Name = kDefaultName;
    int Height = kDefaultHeight;
    TFontCharset Charset = SHIFTJIS_CHARSET;
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    TFontPitch Pitch = TFontPitch::fpDefault;
    bool operator==(const Attributes&) const = default;
  };
  Attributes FAttributes;
};

}  // namespace tk
