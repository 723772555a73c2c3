// The shine button's state and behaviour: construction, setters, the group protocol, hover,
// press and click. Drawing is in ShineDrawing.cpp.

#include "widgets/shinespdbtn/Shinespdbtn.h"

#include "toolkit/controls/Screen.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/platform/WindowSystem.h"

namespace widgets {

using namespace tk;

namespace {

constexpr unsigned kActiveButtonInterval = 200;  // ms between checks that the cursor is still over

// The shift state as the keyboard has it now: a key is down when its state is negative.
TShiftState CurrentShiftState() {
  const std::pair<int, TShiftState> keys[] = {{VK_LBUTTON, ssLeft},   {VK_RBUTTON, ssRight},
                                              {VK_MBUTTON, ssMiddle}, {VK_SHIFT, ssShift},
                                              {VK_CONTROL, ssCtrl},   {VK_MENU, ssAlt}};
  TShiftState shift = 0;
  for (auto [key, member] : keys)
    if (WindowSystem().KeyState(key) < 0) shift |= member;
  return shift;
}

}  // namespace

// --- TShineBtnColors ---

TShineBtnColors::TShineBtnColors()
    : FHighlight(clBtnHighlight),
      FShadow(clBtnShadow),
      FDarkShadow(clWindowFrame),
      FGradColor(clBlue),
      FGradVertical(false),
      FGradation(false),
      FColor(clBtnFace) {}

TShineBtnColors::~TShineBtnColors() { OnChange.Clear(); }

void TShineBtnColors::CopyInto(TShineBtnColors& dest) const {
  dest.FColor = FColor;
  dest.FHighlight = FHighlight;
  dest.FShadow = FShadow;
  dest.FDarkShadow = FDarkShadow;
  dest.FGradColor = FGradColor;
  dest.FGradVertical = FGradVertical;
  dest.FGradation = FGradation;
}

void TShineBtnColors::Assign(const TPersistent& source) {
  if (auto* colors = dynamic_cast<const TShineBtnColors*>(&source)) {
    if (colors != this) colors->CopyInto(*this);
    OnChange(this);
    return;
  }
  TPersistent::Assign(source);
}

void TShineBtnColors::AssignTo(TPersistent& dest) const {
  if (auto* colors = dynamic_cast<TShineBtnColors*>(&dest)) {
    if (colors != this) CopyInto(*colors);
    colors->OnChange(colors);
    return;
  }
  TPersistent::AssignTo(dest);
}

// --- TShineSpeedButton: life ---

TShineSpeedButton::TShineSpeedButton(TComponent* owner)
    : TGraphicControl(owner),
      FGroupSender(nullptr),
      FDown(false),
      FClickDownHook(false),
      FAccelCharDown(false),
      FActiveImage(aiFrameLight),
      FDisabledImage(diDefault),
      FDisabledHighlight(clBtnHighlight),
      FDisabledShadow(clBtnShadow),
      FShineColor(clYellow),
      FDrawState(stUp),
      FActiveFrame(true),
      FUpFrame(true),
      FDownFrame(true),
      FAllowAllUp(false),
      FGroupIndex(0),
      FTransparent(false),
      FFrameType(ftNormalFrame),
      FSpacing(4),
      FMargin(-1),
      FLayout(blGlyphLeft),
      FFontHighlight(clNone),
      FFontShadow(clNone),
      FMouseInside(false),
      FTracking(false),
      FActiveButtonTimer(nullptr) {
  // Exactly these: no automatic click, the button raises its clicks itself.
  SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks);
  const TNotifyEvent changed([this](TObject* s) { FontsAndColorsOnChange(s); });

  FColors = std::make_unique<TShineBtnColors>();
  FColors->SetColor(clBtnFace);
  FColors->OnChange = changed;
  FPressedColors = std::make_unique<TShineBtnColors>();
  FPressedColors->SetColor(clBtnHighlight);
  FPressedColors->OnChange = changed;

  Font().SetColor(clBtnText);
  SetParentFont(false);
  FActiveFont = std::make_unique<TFont>();
  FActiveFont->SetColor(clHighlight);
  FActiveFont->OnChange = changed;

  FGlyph = std::make_unique<TBitmap>();
  FGlyph->OnChange = TNotifyEvent([this](TObject* s) { GlyphOnChange(s); });
  FGlyph->SetTransparentColor(clOlive);

  SetWidth(25);
  SetHeight(25);
  SetCaption("");

  FActiveButtonTimer = new TTimer(this);
  FActiveButtonTimer->SetInterval(kActiveButtonInterval);
  FActiveButtonTimer->SetEnabled(false);
  FActiveButtonTimer->SetOnTimer(TNotifyEvent([this](TObject* s) { ActiveButtonTimerOnTimer(s); }));
}

TShineSpeedButton::~TShineSpeedButton() {
  delete FActiveButtonTimer;  // leaves the button's component list as it goes
  FGlyph.reset();
  FColors.reset();
  FPressedColors.reset();
  FActiveFont.reset();
}

// --- setters ---

void TShineSpeedButton::SetClickDownHook(bool value) { SetAndInvalidate(FClickDownHook, value); }
void TShineSpeedButton::SetAccelCharDown(bool value) { SetAndInvalidate(FAccelCharDown, value); }
void TShineSpeedButton::SetActiveFrame(bool value) { SetAndInvalidate(FActiveFrame, value); }
void TShineSpeedButton::SetUpFrame(bool value) { SetAndInvalidate(FUpFrame, value); }
void TShineSpeedButton::SetDownFrame(bool value) { SetAndInvalidate(FDownFrame, value); }
void TShineSpeedButton::SetFrameType(TFrameType value) { SetAndInvalidate(FFrameType, value); }
void TShineSpeedButton::SetActiveImage(TActiveImageType value) {
  SetAndInvalidate(FActiveImage, value);
}
void TShineSpeedButton::SetDisabledImage(TDisabledImageType value) {
  SetAndInvalidate(FDisabledImage, value);
}
void TShineSpeedButton::SetDisabledHighlight(TColor value) {
  SetAndInvalidate(FDisabledHighlight, value);
}
void TShineSpeedButton::SetDisabledShadow(TColor value) {
  SetAndInvalidate(FDisabledShadow, value);
}
void TShineSpeedButton::SetShineColor(TColor value) { SetAndInvalidate(FShineColor, value); }
void TShineSpeedButton::SetLayout(TButtonLayout value) { SetAndInvalidate(FLayout, value); }
void TShineSpeedButton::SetMargin(int value) { SetAndInvalidate(FMargin, value); }
void TShineSpeedButton::SetSpacing(int value) { SetAndInvalidate(FSpacing, value); }

void TShineSpeedButton::SetFontHighlight(TColor value) {
  FFontHighlight = value;
  Invalidate();
}

void TShineSpeedButton::SetFontShadow(TColor value) {
  FFontShadow = value;
  Invalidate();
}

void TShineSpeedButton::SetTransparent(bool value) {
  if (!StoreChanged(FTransparent, value)) return;
  SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

void TShineSpeedButton::SetColors(const TShineBtnColors& value) { FColors->Assign(value); }

void TShineSpeedButton::SetPressedColors(const TShineBtnColors& value) {
  FPressedColors->Assign(value);
}

void TShineSpeedButton::SetFont(const TFont* value) {
  if (!value) return;
  Font().Assign(*value);
  Invalidate();
}

void TShineSpeedButton::SetActiveFont(const TFont* value) {
  if (!value) return;
  FActiveFont->Assign(*value);
  Invalidate();
}

void TShineSpeedButton::SetGlyph(const TBitmap* value) {
  TNotifyEvent notify = FGlyph->OnChange;
  FGlyph->OnChange.Clear();
  if (value) {
    FGlyph->Assign(*value);
    FGlyph->OnChange = notify;
    GlyphOnChange(FGlyph.get());
  } else {
    FGlyph->ReleaseImage();
    FGlyph->SetSize(0, 0);
    FGlyph->OnChange = notify;
  }
  Invalidate();
}

void TShineSpeedButton::GlyphOnChange(TObject*) {
  // Converting raises this notification again; the second call finds the rows converted.
  if (FGlyph->PixelFormat() != TPixelFormat::pf32bit) FGlyph->SetPixelFormat(TPixelFormat::pf32bit);
  Invalidate();
}

void TShineSpeedButton::FontsAndColorsOnChange(TObject*) { Invalidate(); }

// --- the group ---

void TShineSpeedButton::SetAllowAllUp(bool value) {
  if (StoreChanged(FAllowAllUp, value)) GroupUpdateStatus(FGroupIndex);
}

void TShineSpeedButton::SetGroupIndex(int value) {
  if (value != FGroupIndex) GroupUpdateStatus(value);
}

void TShineSpeedButton::SetDown(bool value) {
  if (value == FDown || FGroupIndex == 0) return;
  // Without AllowAllUp a down member is raised only by another member going down.
  if (!FAllowAllUp && FDown) return;
  FDown = value;
  GroupUpdateStatus(FGroupIndex);
  FDrawState = FDown ? stDown : stUp;
  Repaint();
}

void TShineSpeedButton::GroupUpdateStatus(int index) {
  FGroupIndex = index;
  TWinControl* parent = Parent();
  if (index == 0 || !parent) return;
  // Every member, shine button or standard one, reads Down and AllowAllUp from a sender of the
  // standard class. It stays invisible: it only has to exist while the message travels.
  auto sender = std::make_unique<TSpeedButton>(parent);
  sender->SetVisible(false);
  FGroupSender = sender.get();
  struct Cleanup {
    TWinControl* parent;
    std::unique_ptr<TSpeedButton>& sender;
    TSpeedButton*& slot;
    ~Cleanup() {
      parent->RemoveControl(sender.get());
      sender.reset();
      slot = nullptr;
    }
  } cleanup{parent, sender, FGroupSender};
  parent->InsertControl(sender.get());
  sender->SetGroupIndex(FGroupIndex);
  sender->SetAllowAllUp(FAllowAllUp);
  sender->SetDown(FDown);
  BroadcastButtonPressed(*parent, FGroupIndex, *sender);
}

void TShineSpeedButton::CMButtonPressed(TMessage& m) {
  if (!AnswerButtonPressed(m, FGroupIndex, FGroupSender, FDown, FAllowAllUp)) return;
  FDrawState = stUp;
  Invalidate();
}

// --- mouse ---

bool TShineSpeedButton::Inside(int x, int y) const {
  return x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
}

void TShineSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  FDrawState = stActiveDown;
  if (!FDown) Invalidate();
  FTracking = true;
}

void TShineSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (FTracking) {
    const TShineDrawState wanted = Inside(x, y) ? stActiveDown : FDown ? stDown : stUp;
    if (wanted != FDrawState) {
      FDrawState = wanted;
      Invalidate();
    }
  } else if (!FMouseInside) {
    UpdateTracking();
  }
}

void TShineSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FTracking) return;
  const bool inside = Inside(x, y);
  // Each branch leaves the hover part so that UpdateTracking below sets it right.
  if (FGroupIndex == 0) {
    FDrawState = stUp;
    FMouseInside = false;
    FDown = false;
    if (inside) Repaint();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    FDrawState = FDown ? stActiveDown : stActive;
    Repaint();
  }
  FTracking = false;
  if (inside) Click();
  UpdateTracking();
}

void TShineSpeedButton::MouseEnter(TShiftState shift, int x, int y) {
  OnMouseEnter(this, shift, x, y);
  if (FMouseInside || !Enabled() || DragMode() == TDragMode::dmAutomatic || MouseCaptureHeld())
    return;
  FMouseInside = true;
  if (FDrawState == stUp) FDrawState = stActive;
  else if (FDrawState == stDown) FDrawState = stActiveDown;
  Repaint();
  FActiveButtonTimer->SetEnabled(true);
}

void TShineSpeedButton::MouseLeave(TShiftState shift, int x, int y) {
  OnMouseLeave(this, shift, x, y);
  if (!FMouseInside || !Enabled() || FTracking) return;
  FActiveButtonTimer->SetEnabled(false);
  FMouseInside = false;
  if (FDrawState == stActive) FDrawState = stUp;
  else if (FDrawState == stActiveDown) FDrawState = stDown;
  Repaint();
}

void TShineSpeedButton::CMMouseEnter(TMessage&) {
  const TPoint p = ScreenToClient(WindowSystem().CursorPos());
  MouseEnter(CurrentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::CMMouseLeave(TMessage&) {
  const TPoint p = ScreenToClient(WindowSystem().CursorPos());
  MouseLeave(CurrentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::ActiveButtonTimerOnTimer(TObject*) {
  if (!FMouseInside || !Enabled() || FTracking) {
    FActiveButtonTimer->SetEnabled(false);
    return;
  }
  const TPoint p = ScreenToClient(WindowSystem().CursorPos());
  if (ClientRect().Contains(p)) return;
  MouseLeave(CurrentShiftState(), p.X, p.Y);
}

void TShineSpeedButton::UpdateTracking() {
  if (!Enabled()) return;
  // Primed the opposite way, so that the handler performed below always acts.
  if (FindControlAtScreen(WindowSystem().CursorPos(), true) == this) {
    FMouseInside = false;
    Perform(CM_MOUSEENTER);
  } else {
    FMouseInside = true;
    Perform(CM_MOUSELEAVE);
  }
}

// --- clicks, keys, notifications ---

void TShineSpeedButton::Click() {
  const TShineDrawState before = FDrawState;
  if (FClickDownHook) {
    FDrawState = stActiveDown;
    Repaint();
  }
  TGraphicControl::Click();
  if (FClickDownHook) {
    FDrawState = before;
    Repaint();
  }
}

void TShineSpeedButton::WMLButtonDblClick(TMessage& m) {
  TGraphicControl::Dispatch(m);
  if (FDown) TGraphicControl::DblClick();
}

void TShineSpeedButton::CMDialogChar(TMessage& m) {
  if (IsAccel(static_cast<unsigned>(m.WParam), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    if (FAccelCharDown) SetDown(!FDown);
    Click();
    m.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(m);
}

void TShineSpeedButton::CMEnabledChanged(TMessage&) {
  FDown = false;  // the group is not told
  FDrawState = Enabled() ? stUp : stDisabled;
  UpdateTracking();
  Invalidate();
}

void TShineSpeedButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDBLCLK: WMLButtonDblClick(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_BUTTONPRESSED: CMButtonPressed(m); break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE: Invalidate(); break;
    default: TGraphicControl::Dispatch(m); break;
  }
}

}  // namespace widgets
