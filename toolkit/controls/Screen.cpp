#include "toolkit/controls/Screen.h"

#include <algorithm>

#include "toolkit/controls/Form.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {
namespace {
std::vector<TForm*>& FormList() {
  static std::vector<TForm*> forms;
  return forms;
}
}  // namespace

const std::vector<TForm*>& Forms() { return FormList(); }

void AddForm(TForm* form) { FormList().push_back(form); }

void RemoveForm(TForm* form) {
  auto& forms = FormList();
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

bool MouseCaptureHeld() {
  for (TForm* form : Forms())
    if (form->CaptureControl()) return true;
  return WindowSystem().HasNativeCapture();
}

TControl* FindControlAtScreen(TPoint screen, bool allowDisabled) {
  const auto& forms = Forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    TForm* form = *it;
    if (!form->Showing()) continue;
    TPoint p = form->ScreenToClient(screen);
    if (!form->ClientRect().Contains(p)) continue;
    TControl* found = form;
    while (auto* window = dynamic_cast<TWinControl*>(found)) {
      TControl* child = window->ControlAtPos(p, allowDisabled);
      if (!child) break;
      p = {p.X - child->Left(), p.Y - child->Top()};
      found = child;
    }
    return found;
  }
  return nullptr;
}

}  // namespace tk
