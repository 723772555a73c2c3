#pragma once
// Key names of the script: modifiers joined with '+' before one key, e.g. "ctrl+s", "delete",
// "shift+f10", "menu", "alt+s", "a".

#include <optional>
#include <string>

#include "toolkit/controls/Messages.h"

namespace scenario {

struct TKeyStroke {
  int virtualKey = 0;
  tk::TShiftState shift = 0;
  unsigned charCode = 0;  // the character the key types, 0 for none
};

std::optional<TKeyStroke> ParseKeys(const std::string& keys);

}  // namespace scenario
