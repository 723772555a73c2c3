#include "widgets/gradbox/Gradbox.h"

#include "toolkit/core/ExtendedPrecision.h"

namespace widgets {

using namespace tk;

namespace {
// DrawText format of every caption pass: word break plus tab expansion, left and top aligned.
constexpr unsigned kCaptionFormat = DT_WORDBREAK | DT_EXPANDTABS;
constexpr TColor kDisabledHighlight = 0xFFFFFF;
constexpr TColor kDisabledShadow = 0x808080;
}  // namespace

TGradBox::TGradBox(TComponent* owner)
    : TGraphicControl(owner),
      FCaptionLeft(10),
      FCaptionTop(10),
      FBackFont(0x00FFFF),
      FTopColor(0x008000),
      FLastColor(0x00FF00),
      FOutLineColor(0x000000),
      FFont3D(false),
      FDrawOutLine(false),
      FFontDepth(1),
      FStyle3D(fsRaise3D),
      FGradStyle(gsTopBottom) {
  SetWidth(200);
  SetHeight(100);
}

void TGradBox::GetRGB(TColor color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
  // Only the indices the system knows (0 to 24) are looked up; anything else is used as it is.
  std::uint32_t value = color;
  if (color >= 0x80000000u && color <= 0x80000018u)
    value = tk::GetSysColor(static_cast<int>(color - 0x80000000u));
  red = value & 0xFF;
  green = (value >> 8) & 0xFF;
  blue = (value >> 16) & 0xFF;
}

void TGradBox::SetColarray(TColor topColor, TColor lastColor, TGradStyle style) {
  if (style == gsNone) return;
  const bool reversed = style == gsBottomTop || style == gsRightLeft;
  const TColor start = reversed ? lastColor : topColor;
  const TColor end = reversed ? topColor : lastColor;
  std::uint8_t sr, sg, sb, er, eg, eb;
  GetRGB(start, sr, sg, sb);
  GetRGB(end, er, eg, eb);

  TExtendedPrecision precision;
  // Repeated subtraction, not i x delta: the accumulated value may lie just below a whole
  // number and truncate to one less, and the table must show exactly that.
  const TExtended deltaR = static_cast<TExtended>(sr - er) / 255;
  const TExtended deltaG = static_cast<TExtended>(sg - eg) / 255;
  const TExtended deltaB = static_cast<TExtended>(sb - eb) / 255;
  TExtended accR = sr, accG = sg, accB = sb;
  FColarray[0] = start;
  for (int i = 1; i <= 254; ++i) {
    accR -= deltaR;
    accG -= deltaG;
    accB -= deltaB;
    FColarray[static_cast<std::size_t>(i)] = static_cast<TColor>(
        (Trunc(accR) & 0xFF) | (Trunc(accG) & 0xFF) << 8 | (Trunc(accB) & 0xFF) << 16);
  }
  FColarray[255] = end;
}

void TGradBox::Paint() {
  SetColarray(FTopColor, FLastColor, FGradStyle);
  TCanvas& canvas = Canvas();
  if (FGradStyle != gsNone) {
    const bool horizontalBands = FGradStyle == gsTopBottom || FGradStyle == gsBottomTop;
    const int size = horizontalBands ? Height() : Width();
    TExtendedPrecision precision;
    const TExtended step = static_cast<TExtended>(size) / 255;
    const int band = static_cast<int>(Trunc(step + 1));
    int offset = 0;
    for (int i = 0; i <= 255; ++i) {
      canvas.Brush().SetColor(FColarray[static_cast<std::size_t>(i)]);
      canvas.FillRect(horizontalBands ? TRect{0, offset, Width(), offset + band}
                                      : TRect{offset, 0, offset + band, Height()});
      // The next band starts after i, not i + 1, so bands 0 and 1 both start at 0.
      offset = static_cast<int>(Trunc(static_cast<TExtended>(i) * step));
    }
  }
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetColor(FOutLineColor);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  if (FDrawOutLine) canvas.Rectangle(0, 0, Width(), Height());
  DrawCaptionText({FCaptionLeft, FCaptionTop, Width(), Height()});
  OnPaint(this);
}

void TGradBox::DrawCaption(TRect& r) { Canvas().DrawText(Caption(), r, kCaptionFormat); }

void TGradBox::DrawCaptionText(const TRect& rect) {
  TRect r = rect;
  const int d = FFontDepth;
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled()) {
    OffsetRect(r, 1, 1);
    canvas.Font().SetColor(kDisabledHighlight);
    DrawCaption(r);
    OffsetRect(r, -1, -1);
    canvas.Font().SetColor(kDisabledShadow);
    DrawCaption(r);
    return;
  }
  if (!FFont3D) {
    DrawCaption(r);
    return;
  }
  canvas.Font().SetColor(FBackFont);
  switch (FStyle3D) {
    case fsLowShadow:
      OffsetRect(r, d, d);
      DrawCaption(r);
      OffsetRect(r, -d, -d);
      break;
    case fsRaiseShadow:
      OffsetRect(r, -d, -d);
      DrawCaption(r);
      OffsetRect(r, d, d);
      break;
    case fsLow3D:
      for (int k = 0; k < d; ++k) {
        OffsetRect(r, 1, 1);
        DrawCaption(r);
      }
      OffsetRect(r, -d, -d);
      break;
    case fsRaise3D:
      for (int k = 0; k < d; ++k) {
        OffsetRect(r, -1, -1);
        DrawCaption(r);
      }
      OffsetRect(r, d, d);
      break;
  }
  canvas.Font().Assign(Font());
  DrawCaption(r);
}

void TGradBox::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) CMTextChanged(message);
  else TGraphicControl::Dispatch(message);
}

void TGradBox::CMTextChanged(TMessage& message) {
  TGraphicControl::Dispatch(message);
  Invalidate();
}

}  // namespace widgets
