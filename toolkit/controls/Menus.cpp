#include "toolkit/controls/Menus.h"

#include <algorithm>

#include "toolkit/controls/Messages.h"
#include "toolkit/platform/WindowSystem.h"

namespace tk {

std::string ShortCutToText(TShortCut shortCut) {
  if (shortCut == 0) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  const int key = shortCut & 0xFF;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char>(key);
  } else if (key >= VK_F1 && key < VK_F1 + 24) {
    text += "F" + std::to_string(key - VK_F1 + 1);
  } else {
    switch (key) {
      case VK_DELETE: text += "Del"; break;
      case 0x2D: text += "Ins"; break;
      case VK_RETURN: text += "Enter"; break;
      case VK_ESCAPE: text += "Esc"; break;
      case VK_SPACE: text += "Space"; break;
      case VK_TAB: text += "Tab"; break;
      case 0x08: text += "BkSp"; break;
      default: return {};
    }
  }
  return text;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* item : FItems) item->FParentItem = nullptr;
  if (FParentItem) FParentItem->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->FParentItem) item->FParentItem->Remove(item);
  FItems.push_back(item);
  item->FParentItem = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParentItem = nullptr;
}

void TMenuItem::Click() {
  if (FEnabled) OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TPopupMenu*>(parent)) menu->Items().Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (!FParentItem) return nullptr;
  if (FParentItem->FMenu) return FParentItem->FMenu;
  return FParentItem;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

void TPopupMenu::Popup(TPoint screen) {
  OnPopup(this);
  WindowSystem().PopupMenu(Model(), screen);
}

namespace {
std::vector<TMenuEntry> EntriesOf(const TMenuItem& parent) {
  std::vector<TMenuEntry> entries;
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    TMenuEntry entry;
    entry.Name = item->Name();
    entry.Caption = item->Caption();
    entry.ShortCut = ShortCutToText(item->ShortCut());
    entry.Line = item->IsLine();
    entry.Visible = item->Visible();
    entry.Enabled = item->Enabled();
    entry.Checked = item->Checked();
    entry.Items = EntriesOf(*item);
    entry.Click = [item] { item->Click(); };
    entries.push_back(std::move(entry));
  }
  return entries;
}
}  // namespace

TMenuModel TPopupMenu::Model() const { return {EntriesOf(*FItems)}; }

namespace {
TMenuItem* FindIn(const TMenuItem& parent, TShortCut shortCut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Enabled()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (TMenuItem* found = FindIn(*item, shortCut)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TPopupMenu::FindShortCut(TShortCut shortCut) const {
  return shortCut ? FindIn(*FItems, shortCut) : nullptr;
}

}  // namespace tk
