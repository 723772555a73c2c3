#include "toolkit/controls/Control.h"

#include "toolkit/core/Utf8.h"

#include "toolkit/controls/Form.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange = TNotifyEvent([this](TObject* s) { FontChanged(s); });
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->FParent) c = c->FParent;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* window = dynamic_cast<TWinControl*>(parent)) SetParent(window);
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ScreenToClient(TPoint screen) const {
  TPoint o = ClientOrigin();
  return {screen.X - o.X, screen.Y - o.Y};
}

TPoint TControl::ClientToScreen(TPoint client) const {
  TPoint o = ClientOrigin();
  return {client.X + o.X, client.Y + o.Y};
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  // Invalidate while still visible so the area beneath is repainted when hiding.
  if (!value) Invalidate();
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value);
}

bool TControl::Showing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::SetEnabled(bool value) {
  if (StoreChanged(FEnabled, value)) Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& text) {
  if (StoreChanged(FText, text)) Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (!StoreChanged(FParentFont, value)) return;
  if (value && FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor value) {
  if (StoreChanged(FColor, value)) Perform(CM_COLORCHANGED);
}

void TControl::FontChanged(TObject*) {
  if (!FAssigningParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

bool TControl::MouseCapture() const {
  TForm* form = ParentForm();
  return form && form->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
  TForm* form = ParentForm();
  if (!form) return;
  if (value) form->SetCaptureControl(this);
  else if (form->CaptureControl() == this) form->SetCaptureControl(nullptr);
}

void TControl::Invalidate() {
  if (FVisible && FParent) FParent->InvalidateRect(BoundsRect());
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (FParent) FParent->UpdateWindow();
}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  TMessage m{msg, wParam, lParam, 0};
  Dispatch(m);
  return m.Result;
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_LBUTTONDOWN: WMLButtonDown(m); break;
    case WM_LBUTTONUP: WMLButtonUp(m); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: WMButtonDown(m, TMouseButton::mbRight); break;
    case WM_RBUTTONUP: WMButtonUp(m, TMouseButton::mbRight); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: WMButtonDown(m, TMouseButton::mbMiddle); break;
    case WM_MBUTTONUP: WMButtonUp(m, TMouseButton::mbMiddle); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    default: DefaultHandler(m); break;
  }
}

TShiftState TControl::KeysToShiftState(std::uintptr_t keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (WindowSystem().KeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

void TControl::WMMouseMove(TMessage& m) {
  MouseMove(KeysToShiftState(m.WParam), LParamX(m.LParam), LParamY(m.LParam));
}

void TControl::WMLButtonDown(TMessage& m) {
  if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
  if (FControlStyle & csClickEvents) FControlState |= csClicked;
  MouseDown(TMouseButton::mbLeft, KeysToShiftState(m.WParam), LParamX(m.LParam), LParamY(m.LParam));
}

void TControl::WMLButtonUp(TMessage& m) {
  if (FControlStyle & csCaptureMouse) SetMouseCapture(false);
  if (FControlState & csClicked) {
    FControlState &= ~csClicked;
    if (ClientRect().Contains({LParamX(m.LParam), LParamY(m.LParam)})) Click();
  }
  MouseUp(TMouseButton::mbLeft, KeysToShiftState(m.WParam), LParamX(m.LParam), LParamY(m.LParam));
}

void TControl::WMLButtonDblClk(TMessage& m) {
  if (FControlStyle & csCaptureMouse) SetMouseCapture(true);
  if (FControlStyle & csClickEvents) DblClick();
  MouseDown(TMouseButton::mbLeft, KeysToShiftState(m.WParam) | ssDouble, LParamX(m.LParam),
            LParamY(m.LParam));
}

void TControl::WMButtonDown(TMessage& m, TMouseButton button) {
  TShiftState shift = KeysToShiftState(m.WParam);
  if (m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK) shift |= ssDouble;
  MouseDown(button, shift, LParamX(m.LParam), LParamY(m.LParam));
}

void TControl::WMButtonUp(TMessage& m, TMouseButton button) {
  MouseUp(button, KeysToShiftState(m.WParam), LParamX(m.LParam), LParamY(m.LParam));
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FAssigningParentFont = true;
  FFont->Assign(FParent->Font());
  FAssigningParentFont = false;
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp(this, button, shift, x, y);
}

bool TControl::IsAccel(unsigned charCode, const std::string& caption) {
  // Characters are taken whole; "&&" is a literal ampersand; a later "&x" replaces an earlier.
  char32_t accel = 0;
  for (std::size_t i = 0; i < caption.size();) {
    const char32_t c = DecodeUtf8(caption, i);
    if (c == U'&' && i < caption.size()) {
      const char32_t next = DecodeUtf8(caption, i);
      if (next != U'&') accel = next;
    }
  }
  auto fold = [](char32_t c) { return c >= U'a' && c <= U'z' ? c - 32 : c; };
  return accel != 0 && fold(accel) == fold(static_cast<char32_t>(charCode));
}

}  // namespace tk
