#pragma once
// TGradBox: a box filled with a 256-band two-colour gradient in one of four directions (or
// none), an optional one-pixel outline, and a caption drawn flat, with a shadow or with a 3D
// extrusion in a second colour, engraved when disabled. It has no window of its own and is
// not opaque: the parent's background shows wherever it does not paint.

#include <array>
#include <cstdint>

#include "toolkit/controls/GraphicControl.h"
#include "toolkit/core/EnumNames.h"

namespace widgets {

enum TGradStyle : std::uint8_t { gsTopBottom, gsBottomTop, gsLeftRight, gsRightLeft, gsNone };
inline constexpr auto kGradStyleNames = tk::EnumNames<TGradStyle>({{gsTopBottom, "gsTopBottom"},
                                                                   {gsBottomTop, "gsBottomTop"},
                                                                   {gsLeftRight, "gsLeftRight"},
                                                                   {gsRightLeft, "gsRightLeft"},
                                                                   {gsNone, "gsNone"}});
enum TFontStyle3D : std::uint8_t { fsLowShadow, fsRaiseShadow, fsLow3D, fsRaise3D };
inline constexpr auto kFontStyle3DNames =
    tk::EnumNames<TFontStyle3D>({{fsLowShadow, "fsLowShadow"},
                                 {fsRaiseShadow, "fsRaiseShadow"},
                                 {fsLow3D, "fsLow3D"},
                                 {fsRaise3D, "fsRaise3D"}});

class TGradBox : public tk::TGraphicControl {
 public:
  explicit TGradBox(tk::TComponent* owner);
  const char* ClassName() const override { return "TGradBox"; }

  int CaptionLeft() const { return FCaptionLeft; }
  int CaptionTop() const { return FCaptionTop; }
  tk::TColor TopColor() const { return FTopColor; }
  tk::TColor LastColor() const { return FLastColor; }
  tk::TColor OutLineColor() const { return FOutLineColor; }
  bool DrawOutLine() const { return FDrawOutLine; }
  TGradStyle GradStyle() const { return FGradStyle; }
  bool Font3D() const { return FFont3D; }
  std::uint8_t FontDepth() const { return FFontDepth; }
  TFontStyle3D Style3D() const { return FStyle3D; }
  tk::TColor BackFont() const { return FBackFont; }

  void SetCaptionLeft(int value) { SetAndInvalidate(FCaptionLeft, value); }
  void SetCaptionTop(int value) { SetAndInvalidate(FCaptionTop, value); }
  void SetTopColor(tk::TColor value) { SetAndInvalidate(FTopColor, value); }
  void SetLastColor(tk::TColor value) { SetAndInvalidate(FLastColor, value); }
  void SetDrawOutLine(bool value) { SetAndInvalidate(FDrawOutLine, value); }
  void SetGradStyle(TGradStyle value) { SetAndInvalidate(FGradStyle, value); }
  void SetFont3D(bool value) { SetAndInvalidate(FFont3D, value); }
  void SetStyle3D(TFontStyle3D value) { SetAndInvalidate(FStyle3D, value); }
  // The outline colour shows only with the outline, the depth and back colour only in 3D.
  void SetOutLineColor(tk::TColor value) { SetAndInvalidate(FOutLineColor, value, FDrawOutLine); }
  void SetFontDepth(std::uint8_t value) { SetAndInvalidate(FFontDepth, value, FFont3D); }
  void SetBackFont(tk::TColor value) { SetAndInvalidate(FBackFont, value, FFont3D); }

  // Fired at the end of every paint; what it draws lands on top.
  tk::TNotifyEvent OnPaint;

  // Builds the colour table: entry 0 the start colour, 254 entries from repeated extended-
  // precision subtraction, entry 255 the end colour. gsNone leaves the table as it is.
  void SetColarray(tk::TColor topColor, tk::TColor lastColor, TGradStyle style);
  const std::array<tk::TColor, 256>& Colarray() const { return FColarray; }

  // Splits a colour into red, green and blue; system colours 0 to 24 are resolved first.
  static void GetRGB(tk::TColor color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue);

  // Draws the caption into a copy of `rect` in the look of Enabled, Font3D and Style3D.
  void DrawCaptionText(const tk::TRect& rect);

 protected:
  void Paint() override;
  void Dispatch(tk::TMessage& message) override;
  void CMTextChanged(tk::TMessage& message);

 private:
  void DrawCaption(tk::TRect& r);
  // A change repaints unless it cannot be seen yet.
  template <class T>
  void SetAndInvalidate(T& field, const T& value, bool shows = true) {
    if (tk::StoreChanged(field, value) && shows) Invalidate();
  }

  std::int32_t FCaptionLeft;
  std::int32_t FCaptionTop;
  tk::TColor FBackFont;
  tk::TColor FTopColor;
  tk::TColor FLastColor;
  tk::TColor FOutLineColor;
  bool FFont3D;
  bool FDrawOutLine;
  std::uint8_t FFontDepth;
  TFontStyle3D FStyle3D;
  TGradStyle FGradStyle;
  std::array<tk::TColor, 256> FColarray{};
};

}  // namespace widgets
