#pragma once
// A popup menu's model as a native popup menu: the captions' own access keys, the shortcut
// text at the right ("保存(&S)...\tCtrl+S"), check marks, separators, greyed disabled items,
// submenus. The chosen item is clicked after the menu has closed.

#include <vector>

#include "platform/win32/Handles.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/MenuModel.h"

struct HMENU__;
typedef HMENU__* HMENU;

namespace win32ui {

// A native menu built from a menu's entries; destroyed with the object.
class TNativeMenu {
 public:
  explicit TNativeMenu(const std::vector<tk::TMenuEntry>& items);
  ~TNativeMenu();
  TNativeMenu(const TNativeMenu&) = delete;
  TNativeMenu& operator=(const TNativeMenu&) = delete;

  HMENU Handle() const { return FMenu; }
  // The entry of a command identifier, or null (0 is "nothing chosen").
  const tk::TMenuEntry* EntryOf(unsigned commandId) const;

 private:
  HMENU Build(const std::vector<tk::TMenuEntry>& items);

  HMENU FMenu = nullptr;
  std::vector<const tk::TMenuEntry*> FCommands;  // identifier i + 1
};

// Shows the menu with its top-left corner at a screen point, owned by `owner`; runs the chosen
// entry's command, guarded, once the menu is gone.
void TrackPopupMenuAt(const tk::TMenuModel& menu, HWND owner, tk::TPoint screen);

}  // namespace win32ui
