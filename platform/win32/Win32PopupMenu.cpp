#include "platform/win32/Win32PopupMenu.h"

#include "platform/win32/WinText.h"
#include "toolkit/controls/Application.h"

#include <windows.h>

namespace win32ui {

TNativeMenu::TNativeMenu(const std::vector<tk::TMenuEntry>& items) {
  // In the body: Build fills FCommands, which must exist by then.
  FMenu = Build(items);
}

TNativeMenu::~TNativeMenu() {
  if (FMenu) DestroyMenu(FMenu);  // submenus go with it
}

HMENU TNativeMenu::Build(const std::vector<tk::TMenuEntry>& items) {
  HMENU menu = CreatePopupMenu();
  for (const tk::TMenuEntry& item : items) {
    if (!item.Visible) continue;
    if (item.Line) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = item.Caption;
    if (!item.ShortCut.empty()) text += "\t" + item.ShortCut;
    UINT flags = MF_STRING;
    if (item.Checked) flags |= MF_CHECKED;
    if (!item.Enabled) flags |= MF_GRAYED;
    UINT_PTR id = 0;
    if (!item.Items.empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(Build(item.Items));
    } else {
      FCommands.push_back(&item);
      id = FCommands.size();
    }
    AppendMenuW(menu, flags, id, Utf8ToWide(text).c_str());
  }
  return menu;
}

const tk::TMenuEntry* TNativeMenu::EntryOf(unsigned commandId) const {
  if (commandId == 0 || commandId > FCommands.size()) return nullptr;
  return FCommands[commandId - 1];
}

void TrackPopupMenuAt(const tk::TMenuModel& menu, HWND owner, tk::TPoint screen) {
  const tk::TMenuEntry* chosen = nullptr;
  {
    TNativeMenu native(menu.Items);
    // The menu answers the right button too, as it was opened by one.
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        native.Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.X,
        screen.Y, 0, owner, nullptr));
    chosen = native.EntryOf(command);
  }
  if (chosen && chosen->Click) tk::GuardCallback([&] { chosen->Click(); });
}

}  // namespace win32ui
