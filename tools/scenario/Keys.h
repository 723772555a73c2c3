#pragma once
// Key names of the script: modifiers joined with '+' before one key, e.g. "ctrl+s", "delete",
// "shift+f10", "menu", "alt+s", "a".

#include <optional>
#include <string>

#include "toolkit/controls/Messages.h"

namespace scenario {

struct TKeyStroke {
  int VirtualKey = 0;
  tk::TShiftState Shift = 0;
  unsigned CharCode = 0;  // the character the key types, 0 for none
};

std::optional<TKeyStroke> ParseKeys(const std::string& keys);

}  // namespace scenario
