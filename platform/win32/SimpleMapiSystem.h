#pragma once
// The system calls of the Simple MAPI rule, made for real on Windows.

#include <cstdint>
#include <memory>

#include "platform/win32/mapi/SimpleMapi.h"

namespace win32ui {

// `uiParent` is the application window: the mail program's windows belong to it.
std::unique_ptr<ISimpleMapiSystem> CreateWin32SimpleMapiSystem(std::uintptr_t uiParent);

}  // namespace win32ui
