#pragma once
// TShineSpeedButton: a flat, glossy tool button without a window of its own. Beyond a standard
// speed button it has a hover look (the button is "active" while the mouse is over it) with its
// own font and glyph effect, a second colour set for the pressed look, an optional gradient
// face, three frame styles, five looks for the disabled glyph, groups of mutually exclusive
// buttons shared with the toolkit's standard speed buttons, and accelerator keys that can toggle
// it. TShineBtnColors is one colour set of it: face, three edge colours and the gradient.

#include <memory>

#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/Bitmap.h"
#include "widgets/shinespdbtn/ShineTypes.h"

namespace tk {
class TTimer;
}

namespace widgets {

class TShineBtnColors : public tk::TPersistent {
 public:
  TShineBtnColors();
  ~TShineBtnColors() override;
  const char* ClassName() const override { return "TShineBtnColors"; }

  tk::TColor Highlight() const { return FHighlight; }
  tk::TColor Shadow() const { return FShadow; }
  tk::TColor DarkShadow() const { return FDarkShadow; }
  tk::TColor GradColor() const { return FGradColor; }
  bool GradVertical() const { return FGradVertical; }
  bool Gradation() const { return FGradation; }
  tk::TColor Color() const { return FColor; }

  // Each notifies OnChange when the value differs; equal values do nothing.
  void SetHighlight(tk::TColor value) { Set(FHighlight, value); }
  void SetShadow(tk::TColor value) { Set(FShadow, value); }
  void SetDarkShadow(tk::TColor value) { Set(FDarkShadow, value); }
  void SetGradColor(tk::TColor value) { Set(FGradColor, value); }
  void SetGradVertical(bool value) { Set(FGradVertical, value); }
  void SetGradation(bool value) { Set(FGradation, value); }
  void SetColor(tk::TColor value) { Set(FColor, value); }

  // Copies the seven values of another colour set, then notifies (also when nothing changed).
  void Assign(const tk::TPersistent& source) override;
  // Copies the seven values into another colour set and notifies that set.
  void AssignTo(tk::TPersistent& dest) const override;

  // Set by the owning button; not streamed.
  tk::TNotifyEvent OnChange;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (tk::StoreChanged(field, value)) OnChange(this);
  }
  void CopyInto(TShineBtnColors& dest) const;

  tk::TColor FHighlight;
  tk::TColor FShadow;
  tk::TColor FDarkShadow;
  tk::TColor FGradColor;
  bool FGradVertical;
  bool FGradation;
  tk::TColor FColor;
};

class TShineSpeedButton : public tk::TGraphicControl {
 public:
  explicit TShineSpeedButton(tk::TComponent* owner);
  ~TShineSpeedButton() override;
  const char* ClassName() const override { return "TShineSpeedButton"; }

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool Down() const { return FDown; }
  void SetDown(bool value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  // Shows the button pressed while OnClick runs.
  bool ClickDownHook() const { return FClickDownHook; }
  void SetClickDownHook(bool value);
  // The accelerator key toggles Down before it clicks.
  bool AccelCharDown() const { return FAccelCharDown; }
  void SetAccelCharDown(bool value);
  TFrameType FrameType() const { return FFrameType; }
  void SetFrameType(TFrameType value);
  // No background: the parent shows through wherever glyph, caption and frame leave it.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // Which looks have a frame: hovered, raised and held down.
  bool ActiveFrame() const { return FActiveFrame; }
  void SetActiveFrame(bool value);
  bool UpFrame() const { return FUpFrame; }
  void SetUpFrame(bool value);
  bool DownFrame() const { return FDownFrame; }
  void SetDownFrame(bool value);
  TActiveImageType ActiveImage() const { return FActiveImage; }
  void SetActiveImage(TActiveImageType value);
  TDisabledImageType DisabledImage() const { return FDisabledImage; }
  void SetDisabledImage(TDisabledImageType value);
  tk::TColor DisabledHighlight() const { return FDisabledHighlight; }
  void SetDisabledHighlight(tk::TColor value);
  tk::TColor DisabledShadow() const { return FDisabledShadow; }
  void SetDisabledShadow(tk::TColor value);
  // The raised and the pressed colour sets; the setters copy the given set.
  TShineBtnColors& Colors() { return *FColors; }
  void SetColors(const TShineBtnColors& value);
  TShineBtnColors& PressedColors() { return *FPressedColors; }
  void SetPressedColors(const TShineBtnColors& value);
  // The colour of the hover effects.
  tk::TColor ShineColor() const { return FShineColor; }
  void SetShineColor(tk::TColor value);
  // The caption's fonts: the control's Font raised and pressed, ActiveFont hovered. Font never
  // follows the parent's. The pointer setters copy the given font and ignore null.
  using TGraphicControl::SetFont;
  void SetFont(const tk::TFont* value);
  tk::TFont& ActiveFont() { return *FActiveFont; }
  void SetActiveFont(const tk::TFont* value);
  // Extra caption passes one pixel up-left (highlight) and down-right (shadow); clNone: none.
  tk::TColor FontHighlight() const { return FFontHighlight; }
  void SetFontHighlight(tk::TColor value);
  tk::TColor FontShadow() const { return FFontShadow; }
  void SetFontShadow(tk::TColor value);
  tk::TButtonLayout Layout() const { return FLayout; }
  void SetLayout(tk::TButtonLayout value);
  // Distance of the glyph-and-caption block from the edge its layout names; negative: centred.
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int value);
  // The glyph, kept as 32-bit rows; the setter copies the given bitmap, null empties it.
  tk::TBitmap& Glyph() { return *FGlyph; }
  void SetGlyph(const tk::TBitmap* value);

  tk::TMouseMoveEvent OnMouseEnter;
  tk::TMouseMoveEvent OnMouseLeave;

  // The state the next paint shows, and the hover and press tracking behind it.
  TShineDrawState DrawState() const { return FDrawState; }
  bool MouseInside() const { return FMouseInside; }
  bool Tracking() const { return FTracking; }

  void Click() override;
  // Re-derives the hover look from where the cursor really is.
  void UpdateTracking();
  // Stores the group index and tells the group about Down and AllowAllUp.
  void GroupUpdateStatus(int index);
  void Dispatch(tk::TMessage& message) override;

  // The drawing steps of Paint, in the order it runs them.
  void BackDraw(tk::TCanvas& canvas);
  void ImageDraw(tk::TCanvas& canvas);
  void FrameDraw(tk::TCanvas& canvas);
  // The glyph's look in the current state (null without a glyph), transparent when drawn.
  std::unique_ptr<tk::TBitmap> CreateStateGlyph() const;
  // Where the glyph's top-left corner and the caption's rectangle go, for the font the canvas
  // carries.
  void CalcDrawPosition(tk::TCanvas& canvas, tk::TPoint& glyphPos, tk::TRect& textRect) const;

 protected:
  void Paint() override;
  void MouseDown(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  void MouseMove(tk::TShiftState shift, int x, int y) override;
  void MouseUp(tk::TMouseButton button, tk::TShiftState shift, int x, int y) override;
  virtual void MouseEnter(tk::TShiftState shift, int x, int y);
  virtual void MouseLeave(tk::TShiftState shift, int x, int y);

 private:
  template <class T>
  void SetAndInvalidate(T& field, T value) {
    if (tk::StoreChanged(field, value)) Invalidate();
  }
  bool Inside(int x, int y) const;
  void DrawCaption(tk::TCanvas& canvas, tk::TRect r) const;

  void GlyphOnChange(tk::TObject* sender);
  void FontsAndColorsOnChange(tk::TObject* sender);
  void ActiveButtonTimerOnTimer(tk::TObject* sender);

  void WMLButtonDblClick(tk::TMessage& message);
  void CMDialogChar(tk::TMessage& message);
  void CMEnabledChanged(tk::TMessage& message);
  void CMMouseEnter(tk::TMessage& message);
  void CMMouseLeave(tk::TMessage& message);
  void CMButtonPressed(tk::TMessage& message);

  tk::TSpeedButton* FGroupSender;
  bool FDown;
  bool FClickDownHook;
  bool FAccelCharDown;
  TActiveImageType FActiveImage;
  TDisabledImageType FDisabledImage;
  tk::TColor FDisabledHighlight;
  tk::TColor FDisabledShadow;
  tk::TColor FShineColor;
  TShineDrawState FDrawState;
  bool FActiveFrame;
  bool FUpFrame;
  bool FDownFrame;
  bool FAllowAllUp;
  int FGroupIndex;
  bool FTransparent;
  TFrameType FFrameType;
  int FSpacing;
  int FMargin;
  tk::TButtonLayout FLayout;
  std::unique_ptr<TShineBtnColors> FColors;
  std::unique_ptr<TShineBtnColors> FPressedColors;
  tk::TColor FFontHighlight;
  tk::TColor FFontShadow;
  std::unique_ptr<tk::TFont> FActiveFont;
  std::unique_ptr<tk::TBitmap> FGlyph;
  bool FMouseInside;
  bool FTracking;
  tk::TTimer* FActiveButtonTimer;  // owned as a component of the button
};

}  // namespace widgets
