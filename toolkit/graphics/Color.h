#pragma once
// Colours as the widgets store them: 0x00BBGGRR for a plain colour, 0x80000000 + index for a
// system colour resolved when drawn, and two markers (clNone, clDefault).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

using TColor = std::uint32_t;

// System colours (0x80000000 + the system's colour index).
inline constexpr TColor clScrollBar = 0x80000000;
inline constexpr TColor clBackground = 0x80000001;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;
inline constexpr TColor clMenu = 0x80000004;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clMenuText = 0x80000007;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clCaptionText = 0x80000009;
inline constexpr TColor clActiveBorder = 0x8000000A;
inline constexpr TColor clInactiveBorder = 0x8000000B;
inline constexpr TColor clAppWorkSpace = 0x8000000C;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clHighlightText = 0x8000000E;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clGrayText = 0x80000011;
inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clInactiveCaptionText = 0x80000013;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor cl3DDkShadow = 0x80000015;
inline constexpr TColor cl3DLight = 0x80000016;
inline constexpr TColor clInfoText = 0x80000017;
inline constexpr TColor clInfoBk = 0x80000018;

// Plain colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// No colour: the drawing pass that would use it is skipped.
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// The current value (0x00BBGGRR) of system colour `index`, as GetSysColor gives it.
std::uint32_t GetSysColor(int index);

// Backends that ask the system (Windows) install their own source; headless and Linux keep the
// fixed table. Passing an empty function restores the table.
void SetSysColorSource(std::function<std::uint32_t(int index)> source);

// Resolves a system colour to its current value; any other colour is returned unchanged, except
// that the top byte is dropped.
std::uint32_t ColorToRGB(TColor color);

// The 32-bit pixel word 0x00RRGGBB of a colour (resolved first; red and blue exchanged).
inline constexpr std::uint32_t RgbToPixel(std::uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}
inline constexpr std::uint32_t PixelToRgb(std::uint32_t pixel) { return RgbToPixel(pixel); }
std::uint32_t ColorToPixel(TColor color);

// Colour names as form text writes them ("clBtnFace", "clWhite", ...).
std::optional<std::string> ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(std::string_view ident);

}  // namespace tk
