#include "toolkit/controls/Form.h"

#include <algorithm>

#include "toolkit/controls/Application.h"
#include "toolkit/controls/GraphicControl.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Screen.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  FBufferCanvas.SetTarget(&FBackBuffer);
  AddForm(this);
}

TForm::~TForm() {
  RemoveForm(this);
  // Controls owned by the form are destroyed by the component base after this body; they must
  // not reach the native window any more.
  FCaptureControl = nullptr;
  FMouseControl = nullptr;
}

void TForm::SetFormStyle(TFormStyle style) {
  if (!StoreChanged(FFormStyle, style)) return;
  if (FHandle) FHandle->SetTopmost(style == TFormStyle::fsStayOnTop);
}

void TForm::SetBounds(int left, int top, int width, int height) {
  width = std::clamp(width, 0, kMaxClientExtent);
  height = std::clamp(height, 0, kMaxClientExtent);
  TWinControl::SetBounds(left, top, width, height);
  if (FBackBuffer.Width() != width || FBackBuffer.Height() != height) {
    FBackBuffer.SetSize(width, height);
    FBufferCanvas.SetTarget(&FBackBuffer);
    if (FHandle) FHandle->SetClientSize(width, height);
    InvalidateRect(ClientRect());
  }
}

TPoint TForm::ClientOrigin() const {
  if (FHandle) return FHandle->ClientOrigin();
  return {Left(), Top()};
}

bool TForm::Showing() const { return Visible() && FShown; }

INativeWindow& TForm::Handle() {
  if (!FHandle) {
    TWindowParams params;
    params.Caption = Caption();
    params.Position = {Left(), Top()};
    params.ClientWidth = Width();
    params.ClientHeight = Height();
    params.BorderStyle = FBorderStyle;
    params.Topmost = FFormStyle == TFormStyle::fsStayOnTop;
    params.AcceptFiles = FAcceptFiles;
    FHandle = WindowSystem().CreateNativeWindow(*this, params);
  }
  return *FHandle;
}

void TForm::Show() {
  Handle();
  SetVisible(true);
  FShown = true;
  FHandle->Show();
  InvalidateRect(ClientRect());
}

void TForm::Close() {
  OnClose(this);
  if (FHandle) FHandle->Hide();
  FShown = false;
  SetVisible(false);
  if (Application().MainForm() == this) Application().Terminate();
}

void TForm::DragAcceptFiles(bool accept) {
  FAcceptFiles = accept;
  Handle().SetAcceptFiles(accept);
}

void TForm::InvalidateRect(const TRect& r) {
  const TRect area = IntersectRect(r, ClientRect());
  if (area.IsEmpty()) return;
  FDirty = UnionRect(FDirty, area);
  if (FHandle) FHandle->InvalidateRect(area);
}

void TForm::UpdateWindow() {
  if (FDirty.IsEmpty()) return;
  const TRect r = FDirty;
  FDirty = {};
  PaintRect(r);
}

void TForm::PaintRect(const TRect& r) {
  FBufferCanvas.SetOrigin({0, 0});
  FBufferCanvas.SetClipRect(r);
  FBufferCanvas.Brush().SetColor(Color());
  FBufferCanvas.FillRect(r);
  // By index: a control's paint may not add or remove controls, but stay safe if it does.
  for (int i = 0; i < ControlCount(); ++i) {
    auto* control = dynamic_cast<TGraphicControl*>(Controls(i));
    if (control && control->Visible()) control->PaintOnto(FBackBuffer, r);
  }
}

void TForm::ForgetControl(TControl* control) {
  if (FCaptureControl == control) FCaptureControl = nullptr;
  if (FMouseControl == control) FMouseControl = nullptr;
}

TControl* TForm::MouseTarget(TPoint client) const {
  if (FCaptureControl) return FCaptureControl;
  return ControlAtPos(client, false);
}

namespace {
TPoint ToTarget(const TForm& form, const TControl& target, TPoint client) {
  if (&target == &form) return client;
  return {client.X - target.Left(), client.Y - target.Top()};
}
}  // namespace

void TForm::HandleMouseMove(TPoint client, unsigned keys) {
  TControl* target = MouseTarget(client);
  if (!target) target = this;
  const TPoint p = ToTarget(*this, *target, client);
  target->Perform(WM_MOUSEMOVE, keys, MakeLParam(p.X, p.Y));
  TrackMouseControl(client);
}

void TForm::HandleMouseButton(TMouseButton button, bool down, bool doubleClick, TPoint client,
                              unsigned keys) {
  TControl* target = MouseTarget(client);
  if (!target) target = this;
  const TPoint p = ToTarget(*this, *target, client);
  const bool dbl = doubleClick && (target->ControlStyle() & csDoubleClicks);
  unsigned msg = 0;
  switch (button) {
    case TMouseButton::mbLeft:
      msg = down ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
      break;
    case TMouseButton::mbRight:
      msg = down ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
      break;
    case TMouseButton::mbMiddle:
      msg = down ? (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
      break;
  }
  target->Perform(msg, keys, MakeLParam(p.X, p.Y));
  // Only a left press holds the capture, and only until its release.
  if (button == TMouseButton::mbLeft && !down) FCaptureControl = nullptr;
  if (button == TMouseButton::mbRight && !down) PopupAt(client);
  TrackMouseControl(client);
}

void TForm::HandleMouseLeaveWindow() {
  if (!FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = nullptr;
  old->Perform(CM_MOUSELEAVE);
}

void TForm::TrackMouseControl(TPoint client) {
  TControl* now = ClientRect().Contains(client) ? ControlAtPos(client, true) : nullptr;
  if (now == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = now;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (now) now->Perform(CM_MOUSEENTER);
}

bool TForm::HandleKeyDown(int virtualKey, TShiftState shift) {
  const TShiftState mods = shift & (ssShift | ssCtrl | ssAlt);
  if (virtualKey == VK_APPS || (virtualKey == VK_F10 && mods == ssShift)) {
    PopupFromKeyboard();
    return true;
  }
  return IsShortCut(virtualKey, mods);
}

bool TForm::IsShortCut(int virtualKey, TShiftState shift) {
  if (!PopupMenu()) return false;
  TShortCut code = static_cast<TShortCut>(virtualKey);
  if (shift & ssShift) code |= scShift;
  if (shift & ssCtrl) code |= scCtrl;
  if (shift & ssAlt) code |= scAlt;
  TMenuItem* item = PopupMenu()->FindShortCut(code);
  if (!item) return false;
  item->Click();
  return true;
}

void TForm::HandleChar(unsigned charCode) {
  TMessage m{CM_DIALOGCHAR, charCode, 0, 0};
  Broadcast(m);
}

void TForm::HandleDropFiles(const TDroppedFiles& drop) {
  if (FAcceptFiles) FilesDropped(drop);
}

void TForm::HandleCloseRequest() { Close(); }

void TForm::PopupFromKeyboard() {
  if (PopupMenu()) PopupMenu()->Popup(ClientToScreen({0, 0}));
}

void TForm::PopupAt(TPoint client) {
  TControl* control = ControlAtPos(client, false);
  TPopupMenu* menu = control && control->PopupMenu() ? control->PopupMenu() : PopupMenu();
  if (menu) menu->Popup(ClientToScreen(client));
}

void TForm::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED && FHandle) FHandle->SetCaption(Caption());
  TWinControl::Dispatch(message);
}

}  // namespace tk
