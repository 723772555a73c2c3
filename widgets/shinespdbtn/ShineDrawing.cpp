// The shine button's drawing: background, glyph and caption, frame. Every paint draws the whole
// button from its state; nothing is kept between paints.

#include "widgets/shinespdbtn/GlyphEffects.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace widgets {

using namespace tk;

namespace {

constexpr unsigned kCaptionFormat = DT_CENTER | DT_VCENTER;
constexpr int kRampEntries = 256;

bool PressedLook(TShineDrawState s) { return s == stActiveDown || s == stDown; }
bool ActiveLook(TShineDrawState s) { return s == stActiveDown || s == stActive; }

// Entry i of the ramp from `from` to `to` (pixel words): per channel from + (to - from) * i / 255
// in signed arithmetic, truncated toward zero.
std::uint32_t RampEntry(std::uint32_t from, std::uint32_t to, int i) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int b = static_cast<int>((from >> shift) & 0xFF),
              g = static_cast<int>((to >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(b + (g - b) * i / (kRampEntries - 1)) << shift;
  }
  return out;
}

// The ramp entry that pixel i of n along the gradient shows: the first pixel takes the first
// entry and the last pixel the last one, whether the ramp is shrunk or stretched, and the
// entries between are repeated or dropped evenly (nearest, no blending).
int RampIndex(int i, int n) {
  if (n <= 1) return 0;
  return (2 * i * (kRampEntries - 1) + (n - 1)) / (2 * (n - 1));
}

// Stretches a 256-entry ramp (one row, or one column when `vertical`) onto `dest`.
void StretchRamp(TCanvas& canvas, const TRect& dest, const TBitmap& ramp, bool vertical) {
  const TRect device = canvas.DeviceRect(dest);
  if (device.IsEmpty()) return;
  const TPoint origin = canvas.Origin();
  TBitmap& target = *canvas.Target();
  auto entry = [&](int i) {
    return vertical ? ramp.PixelWord(0, i) & 0xFFFFFF : ramp.PixelWord(i, 0) & 0xFFFFFF;
  };
  for (int y = device.Top; y < device.Bottom; ++y) {
    std::uint32_t* row = target.ScanLine(y);
    if (vertical) {
      std::fill(row + device.Left, row + device.Right,
                entry(RampIndex(y - origin.Y - dest.Top, dest.Height())));
      continue;
    }
    for (int x = device.Left; x < device.Right; ++x)
      row[x] = entry(RampIndex(x - origin.X - dest.Left, dest.Width()));
  }
}

// Two lines from a corner: (x, y) -> (toX, y) and (x, y) -> (x, toY), end points left out.
void Corner(TCanvas& canvas, TColor colour, int x, int y, int toX, int toY) {
  canvas.Pen().SetColor(colour);
  canvas.MoveTo(x, y);
  canvas.LineTo(toX, y);
  canvas.MoveTo(x, y);
  canvas.LineTo(x, toY);
}

// Paints the white pixels of a monochrome mask in `colour` and leaves the others.
void EmbossPass(TCanvas& canvas, const TBitmap& mask, TColor colour, int x, int y) {
  canvas.Brush().SetColor(colour);
  canvas.SetTextColor(clBlack);
  canvas.SetBkColor(clWhite);
  canvas.BitBlt(x, y, mask.Width(), mask.Height(), mask, 0, 0, ROP_DSPDxax);
}

}  // namespace

void TShineSpeedButton::Paint() {
  if (!Enabled()) {
    FDrawState = stDisabled;
    FTracking = false;
  }
  if (FTransparent) {
    BackDraw(Canvas());
    ImageDraw(Canvas());
    FrameDraw(Canvas());
    return;
  }
  // Composed off-screen and copied in one piece, so the button never flickers. Only the part
  // the canvas can show is composed: form text may make a button far larger than any screen.
  const TRect shown = IntersectRect(ClientRect(), Canvas().ClipRect());
  if (shown.IsEmpty()) return;
  TBitmap buffer(shown.Right - shown.Left, shown.Bottom - shown.Top);
  buffer.Canvas().SetOrigin({-shown.Left, -shown.Top});
  BackDraw(buffer.Canvas());
  ImageDraw(buffer.Canvas());
  FrameDraw(buffer.Canvas());
  Canvas().Draw(shown.Left, shown.Top, buffer);
}

void TShineSpeedButton::BackDraw(TCanvas& canvas) {
  if (FTransparent) return;
  const TShineBtnColors& set = PressedLook(FDrawState) ? *FPressedColors : *FColors;
  const TRect client = ClientRect();
  if (!set.Gradation()) {
    canvas.Brush().SetColor(set.Color());
    canvas.FillRect(client);
    return;
  }
  const bool vertical = set.GradVertical();
  TBitmap ramp;
  ramp.SetPixelFormat(TPixelFormat::pf32bit);
  ramp.SetSize(vertical ? 1 : kRampEntries, vertical ? kRampEntries : 1);
  const std::uint32_t from = ColorToPixel(set.Color()), to = ColorToPixel(set.GradColor());
  for (int i = 0; i < kRampEntries; ++i) {
    std::uint32_t& word = vertical ? ramp.ScanLine(i)[0] : ramp.ScanLine(0)[i];
    word = RampEntry(from, to, i);
  }
  StretchRamp(canvas, client, ramp, vertical);
}

std::unique_ptr<TBitmap> TShineSpeedButton::CreateStateGlyph() const {
  if (FGlyph->Empty()) return nullptr;
  auto result = std::make_unique<TBitmap>();
  result->Assign(*FGlyph);
  switch (FDrawState) {
    case stActiveDown:
    case stActive:
      ApplyActiveImage(*FGlyph, *result, FActiveImage, ColorToPixel(FShineColor));
      break;
    case stDisabled:
      ApplyDisabledImage(*FGlyph, *result, FDisabledImage, ColorToPixel(FColors->Color()));
      break;
    case stDown:
    case stUp: break;
  }
  result->SetHandleType(TBitmapHandleType::bmDDB);
  // The key is whatever the effect left in the bottom-left corner; an outline that reached it
  // becomes transparent with it.
  if (FDrawState == stDisabled && FDisabledImage == diDefault) result->SetTransparentColor(clBlack);
  else result->SetTransparentColor(result->GetPixel(0, result->Height() - 1));
  result->SetTransparent(true);
  return result;
}

void TShineSpeedButton::CalcDrawPosition(TCanvas& canvas, TPoint& glyphPos, TRect& textRect) const {
  const bool g = !FGlyph->Empty();
  const bool c = !Caption().empty();
  const int s = FSpacing, m = FMargin;
  const int gw = g ? FGlyph->Width() : 0, gh = g ? FGlyph->Height() : 0;
  const int cw = ClientWidth(), ch = ClientHeight();

  textRect = {0, 0, cw, 0};
  if (c) canvas.DrawText(Caption(), textRect, DT_CALCRECT);
  const int tw = textRect.Width(), th = textRect.Height();

  // The parts follow each other along the layout's axis; across it the block is as thick as the
  // thicker part, and each part is centred on it.
  const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const bool glyphFirst = FLayout == blGlyphLeft || FLayout == blGlyphTop;
  int along = 0, across = 0, glyphAlong = 0, textAlong = 0;
  auto add = [&](int& at, bool present, int length, int thickness) {
    at = along;
    if (present) along += length, across = std::max(across, thickness);
  };
  auto addGlyph = [&] { add(glyphAlong, g, horizontal ? gw : gh, horizontal ? gh : gw); };
  auto addText = [&] { add(textAlong, c, horizontal ? tw : th, horizontal ? th : tw); };
  if (glyphFirst) addGlyph();
  else addText();
  // With the glyph on top also above a lone caption: the caption then sits lower by the spacing.
  if (c && (g || FLayout == blGlyphTop)) along += s;
  if (glyphFirst) addText();
  else addGlyph();
  // Signed halvings truncate toward zero: the odd pixel goes right or down either way.
  const int glyphAcross = g ? (across - (horizontal ? gh : gw)) / 2 : 0;
  const int textAcross = c ? (across - (horizontal ? th : tw)) / 2 : 0;
  const int bw = horizontal ? along : across, bh = horizontal ? across : along;
  const int gx = horizontal ? glyphAlong : glyphAcross, gy = horizontal ? glyphAcross : glyphAlong;
  const int tx = horizontal ? textAlong : textAcross, ty = horizontal ? textAcross : textAlong;

  int mx = (cw - bw) / 2, my = (ch - bh) / 2;
  if (m >= 0) {
    switch (FLayout) {
      case blGlyphLeft: mx = m; break;
      case blGlyphRight: mx = cw - bw - m; break;
      case blGlyphTop: my = m; break;
      case blGlyphBottom: my = ch - bh - m; break;
    }
  }
  glyphPos = {gx + mx, gy + my};
  OffsetRect(textRect, tx + mx, ty + my);
}

void TShineSpeedButton::DrawCaption(TCanvas& canvas, TRect r) const {
  canvas.DrawText(Caption(), r, kCaptionFormat);
}

void TShineSpeedButton::ImageDraw(TCanvas& canvas) {
  canvas.Font().Assign(ActiveLook(FDrawState) ? *FActiveFont : Font());
  const std::unique_ptr<TBitmap> variant = CreateStateGlyph();
  TPoint p;
  TRect r;
  CalcDrawPosition(canvas, p, r);
  const bool pressed = PressedLook(FDrawState);

  if (variant) {
    if (pressed) p = {p.X + 1, p.Y + 1};
    if (FDrawState == stDisabled && FDisabledImage == diDefault) {
      // Embossed: the edges in the highlight colour one pixel down-right, under the shadow.
      EmbossPass(canvas, *variant, FDisabledHighlight, p.X + 1, p.Y + 1);
      EmbossPass(canvas, *variant, FDisabledShadow, p.X, p.Y);
    } else {
      canvas.Brush().SetStyle(TBrushStyle::bsClear);
      canvas.Draw(p.X, p.Y, *variant);
    }
  }

  if (Caption().empty()) return;
  if (pressed) OffsetRect(r, 1, 1);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  TFont& font = canvas.Font();
  if (FDrawState == stDisabled) {
    font.SetColor(FDisabledHighlight);
    OffsetRect(r, 1, 1);
    DrawCaption(canvas, r);
    font.SetColor(FDisabledShadow);
    OffsetRect(r, -1, -1);
    DrawCaption(canvas, r);
    return;
  }
  const TColor main = font.Color();
  // The shadow pass one pixel down-right, the highlight pass one up-left, then the caption.
  const std::pair<TColor, int> passes[] = {{FFontShadow, 1}, {FFontHighlight, -1}};
  for (auto [colour, offset] : passes) {
    if (colour == clNone) continue;
    font.SetColor(colour);
    TRect moved = r;
    OffsetRect(moved, offset, offset);
    DrawCaption(canvas, moved);
  }
  font.SetColor(main);
  DrawCaption(canvas, r);
}

void TShineSpeedButton::FrameDraw(TCanvas& canvas) {
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetMode(TPenMode::pmCopy);
  const bool pressed =
      (FDrawState == stDown && FDownFrame) || (FDrawState == stActiveDown && FActiveFrame);
  const bool raised = ((FDrawState == stUp || FDrawState == stDisabled) && FUpFrame) ||
                      (FDrawState == stActive && FActiveFrame);
  if (!pressed && !raised) return;
  const TShineBtnColors& set = pressed ? *FPressedColors : *FColors;
  const int w = Width(), h = Height();
  switch (FFrameType) {
    case ftFlatFrame:
      Corner(canvas, pressed ? set.Shadow() : set.Highlight(), 0, 0, w - 1, h - 1);
      Corner(canvas, pressed ? set.Highlight() : set.Shadow(), w - 1, h - 1, 0, 0);
      break;
    case ftNormalFrame:
      if (pressed) {
        Corner(canvas, set.Shadow(), 1, 1, w - 1, h - 1);
        Corner(canvas, set.DarkShadow(), 0, 0, w - 1, h - 1);
        Corner(canvas, set.Highlight(), w - 1, h - 1, 0, 0);
      } else {
        Corner(canvas, set.Shadow(), w - 2, h - 2, 0, 0);
        Corner(canvas, set.DarkShadow(), w - 1, h - 1, 0, 0);
        Corner(canvas, set.Highlight(), 0, 0, w - 1, h - 1);
      }
      break;
    case ftEnclosedFrame:
      Corner(canvas, pressed ? set.Shadow() : set.Highlight(), 1, 1, w - 2, h - 2);
      Corner(canvas, pressed ? set.Highlight() : set.Shadow(), w - 2, h - 2, 1, 1);
      // The enclosing line always comes from the raised set; the inside stays as it is.
      canvas.Brush().SetStyle(TBrushStyle::bsClear);
      canvas.Pen().SetColor(FColors->DarkShadow());
      canvas.Rectangle(0, 0, w, h);
      break;
  }
}

}  // namespace widgets
