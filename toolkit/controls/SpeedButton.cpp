#include "toolkit/controls/SpeedButton.h"

#include "toolkit/controls/WinControl.h"

namespace tk {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(csCaptureMouse | csDoubleClicks);
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGroupIndex(int value) {
  if (StoreChanged(FGroupIndex, value)) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (StoreChanged(FAllowAllUp, value)) UpdateExclusive();
}

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = value;
  if (value) {
    if (FState == TState::bsUp) Invalidate();
    FState = TState::bsExclusive;
    UpdateExclusive();
  } else {
    FState = TState::bsUp;
    Repaint();
  }
}

void TSpeedButton::SetFlat(bool value) {
  if (StoreChanged(FFlat, value)) Invalidate();
}

void BroadcastButtonPressed(TWinControl& parent, int groupIndex, TSpeedButton& sender) {
  TMessage m{CM_BUTTONPRESSED, static_cast<std::uintptr_t>(groupIndex),
             reinterpret_cast<std::intptr_t>(static_cast<TObject*>(&sender)), 0};
  parent.Broadcast(m);
}

bool AnswerButtonPressed(const TMessage& m, int groupIndex, const TSpeedButton* own, bool& down,
                         bool& allowAllUp) {
  if (m.WParam != static_cast<std::uintptr_t>(groupIndex)) return false;
  const auto* sender = dynamic_cast<const TSpeedButton*>(reinterpret_cast<TObject*>(m.LParam));
  if (!sender || sender == own) return false;
  const bool raised = sender->Down() && down;
  if (raised) down = false;
  allowAllUp = sender->AllowAllUp();
  return raised;
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex != 0 && Parent()) BroadcastButtonPressed(*Parent(), FGroupIndex, *this);
}

void TSpeedButton::CMButtonPressed(TMessage& m) {
  if (!AnswerButtonPressed(m, FGroupIndex, this, FDown, FAllowAllUp)) return;
  FState = TState::bsUp;
  Invalidate();
}

void TSpeedButton::CMDialogChar(TMessage& m) {
  if (IsAccel(static_cast<unsigned>(m.WParam), Caption()) && Enabled() && Visible() && Parent() &&
      Parent()->Showing()) {
    Click();
    m.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(m);
}

void TSpeedButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_BUTTONPRESSED: CMButtonPressed(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    default: TGraphicControl::Dispatch(m); break;
  }
}

bool TSpeedButton::Inside(int x, int y) const { return ClientRect().Contains({x, y}); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = TState::bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FDragging) return;
  TState wanted = FDown ? TState::bsExclusive : TState::bsUp;
  if (Inside(x, y) && !FDown) wanted = TState::bsDown;
  if (wanted == FState) return;
  FState = wanted;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!FDragging) return;
  FDragging = false;
  const bool click = Inside(x, y);
  if (FGroupIndex == 0) {
    FState = TState::bsUp;
    Invalidate();
  } else if (click) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    FState = FDown ? TState::bsExclusive : TState::bsUp;
    Repaint();
  }
  if (click) Click();
}

void TSpeedButton::Paint() {
  TCanvas& c = Canvas();
  const int w = Width(), h = Height();
  c.Brush().SetColor(clBtnFace);
  c.FillRect({0, 0, w, h});
  const bool pressed = FState != TState::bsUp;
  if (pressed || !FFlat) {
    const TColor topLeft = pressed ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = pressed ? clBtnHighlight : clBtnShadow;
    c.Pen().SetColor(topLeft);
    c.MoveTo(0, h - 1);
    c.LineTo(0, 0);
    c.LineTo(w - 1, 0);
    c.Pen().SetColor(bottomRight);
    c.LineTo(w - 1, h - 1);
    c.LineTo(-1, h - 1);
  }
  if (Caption().empty()) return;
  c.Font().Assign(Font());
  if (!Enabled()) c.Font().SetColor(clBtnShadow);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  TRect r{0, 0, w, h};
  if (pressed) OffsetRect(r, 1, 1);
  c.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace tk
