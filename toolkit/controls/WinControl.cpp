#include "toolkit/controls/WinControl.h"

#include <algorithm>

#include "toolkit/controls/Form.h"

namespace tk {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children that outlive us (owned elsewhere) must not point back here.
  while (!FControls.empty()) RemoveControl(FControls.back());
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || std::find(FControls.begin(), FControls.end(), control) != FControls.end()) return;
  if (control->Parent()) control->Parent()->RemoveControl(control);
  FControls.push_back(control);
  control->LinkParent(this);
  if (control->ParentFont()) control->Perform(CM_PARENTFONTCHANGED);
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  control->Invalidate();
  if (TForm* form = ParentForm()) form->ForgetControl(control);
  FControls.erase(it);
  control->LinkParent(nullptr);
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (c->Visible() && (c->Enabled() || allowDisabled) && c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  // By index: a receiver may add or remove controls while the message travels.
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    FControls[i]->Dispatch(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(unsigned msg) {
  for (std::size_t i = 0; i < FControls.size(); ++i) FControls[i]->Perform(msg);
}

void TWinControl::InvalidateRect(const TRect& r) {
  if (!Visible() || !Parent()) return;
  TRect moved = r;
  OffsetRect(moved, Left(), Top());
  Parent()->InvalidateRect(moved);
}

void TWinControl::UpdateWindow() {
  if (Parent()) Parent()->UpdateWindow();
}

TControl* TWinControl::CaptureControl() const {
  return Parent() ? Parent()->CaptureControl() : nullptr;
}

void TWinControl::SetCaptureControl(TControl* control) {
  if (Parent()) Parent()->SetCaptureControl(control);
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      TControl::Dispatch(message);
      NotifyControls(CM_PARENTFONTCHANGED);
      break;
    default: TControl::Dispatch(message);
  }
}

}  // namespace tk
