#pragma once
// The toolkit's popup menu as a native popup menu: the captions' own access keys, the shortcut
// text at the right ("保存(&S)...\tCtrl+S"), check marks, separators, greyed disabled items,
// submenus. The chosen item is clicked after the menu has closed.

#include <vector>

#include "platform/win32/Handles.h"

struct HMENU__;
typedef HMENU__* HMENU;

namespace tk {
class TMenuItem;
class TPopupMenu;
struct TPoint;
}  // namespace tk

namespace win32ui {

// A native menu built from a menu's items; destroyed with the object.
class TNativeMenu {
 public:
  explicit TNativeMenu(const tk::TMenuItem& items);
  ~TNativeMenu();
  TNativeMenu(const TNativeMenu&) = delete;
  TNativeMenu& operator=(const TNativeMenu&) = delete;

  HMENU Handle() const { return FMenu; }
  // The item of a command identifier, or null (0 is "nothing chosen").
  tk::TMenuItem* ItemOf(unsigned commandId) const;

 private:
  HMENU Build(const tk::TMenuItem& items);

  HMENU FMenu = nullptr;
  std::vector<tk::TMenuItem*> FCommands;  // identifier i + 1
};

// Shows the menu with its top-left corner at a screen point, owned by `owner`; runs the chosen
// item's click, guarded, once the menu is gone.
void TrackPopupMenuAt(tk::TPopupMenu& menu, HWND owner, tk::TPoint screen);

}  // namespace win32ui
