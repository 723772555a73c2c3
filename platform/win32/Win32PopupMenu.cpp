#include "platform/win32/Win32PopupMenu.h"

#include "platform/win32/WinText.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Menus.h"

#include <windows.h>

namespace win32ui {

TNativeMenu::TNativeMenu(const tk::TMenuItem& items) {
  // In the body: Build fills FCommands, which must exist by then.
  FMenu = Build(items);
}

TNativeMenu::~TNativeMenu() {
  if (FMenu) DestroyMenu(FMenu);  // submenus go with it
}

HMENU TNativeMenu::Build(const tk::TMenuItem& items) {
  HMENU menu = CreatePopupMenu();
  for (int i = 0; i < items.Count(); ++i) {
    tk::TMenuItem& item = *items.Items(i);
    if (!item.Visible()) continue;
    if (item.IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.Caption();
    const std::string shortcut = tk::ShortCutToText(item.ShortCut());
    if (!shortcut.empty()) text += "\t" + shortcut;
    UINT flags = MF_STRING;
    if (item.Checked()) flags |= MF_CHECKED;
    if (!item.Enabled()) flags |= MF_GRAYED;
    UINT_PTR id = 0;
    if (item.Count() > 0) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(Build(item));
    } else {
      FCommands.push_back(&item);
      id = FCommands.size();
    }
    AppendMenuW(menu, flags, id, Utf8ToWide(text).c_str());
  }
  return menu;
}

tk::TMenuItem* TNativeMenu::ItemOf(unsigned commandId) const {
  if (commandId == 0 || commandId > FCommands.size()) return nullptr;
  return FCommands[commandId - 1];
}

void TrackPopupMenuAt(tk::TPopupMenu& menu, HWND owner, tk::TPoint screen) {
  tk::TMenuItem* chosen = nullptr;
  {
    TNativeMenu native(menu.Items());
    // The menu answers the right button too, as it was opened by one.
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        native.Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.X,
        screen.Y, 0, owner, nullptr));
    chosen = native.ItemOf(command);
  }
  if (chosen) tk::GuardCallback([&] { chosen->Click(); });
}

}  // namespace win32ui
