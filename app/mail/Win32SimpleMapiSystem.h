#pragma once
// The system calls of the Simple MAPI rule, made for real on Windows.

#include <cstdint>
#include <memory>

#include "app/mail/SimpleMapi.h"

namespace app {

// `uiParent` is the application window: the mail program's windows belong to it.
std::unique_ptr<ISimpleMapiSystem> CreateWin32SimpleMapiSystem(std::uintptr_t uiParent);

}  // namespace app
