#include "platform/win32/TaskModal.h"

#include <windows.h>

namespace win32ui {

namespace {
BOOL CALLBACK DisableWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}
}  // namespace

TTaskModal::TTaskModal() : FActive(GetActiveWindow()) {
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&FDisabled));
}

TTaskModal::~TTaskModal() {
  for (auto it = FDisabled.rbegin(); it != FDisabled.rend(); ++it)
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  if (FActive && IsWindow(FActive)) SetActiveWindow(FActive);
}

}  // namespace win32ui
