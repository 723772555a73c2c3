#pragma once
// A popup menu as data: what a backend shows, and the command each entry runs.

#include <functional>
#include <string>
#include <vector>

namespace tk {

// One entry of a popup menu as a backend shows it.
struct TMenuEntry {
  std::string Name;      // the item's component name
  std::string Caption;   // '&' marks the access key
  std::string ShortCut;  // as shown at the right ("Ctrl+S"); empty when there is none
  bool Line = false;     // a separator
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  std::vector<TMenuEntry> Items;  // a submenu's entries
  std::function<void()> Click;    // the entry's command; the backend runs it once the menu is gone
};

struct TMenuModel {
  std::vector<TMenuEntry> Items;
};

}  // namespace tk
