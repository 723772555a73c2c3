#pragma once
// A dialog modal to the whole program: while it is open, every window of the program takes no
// input; afterwards the windows are enabled again and the window that was active before is
// active again.

#include <vector>

#include "platform/win32/Handles.h"

namespace win32ui {

class TTaskModal {
 public:
  TTaskModal();
  ~TTaskModal();
  TTaskModal(const TTaskModal&) = delete;
  TTaskModal& operator=(const TTaskModal&) = delete;

 private:
  HWND FActive = nullptr;
  std::vector<HWND> FDisabled;
};

}  // namespace win32ui
