#pragma once
// The files of one drop as the shell hands them over with WM_DROPFILES: read from the drop
// handle itself, each path at its whole length, and the handle released exactly once.

#include <string>

#include "platform/win32/Handles.h"
#include "toolkit/platform/Platform.h"

namespace win32ui {

class TDropHandle : public tk::TDropFiles {
 public:
  explicit TDropHandle(HDROP drop) : FDrop(drop) {}
  ~TDropHandle() override { Finish(); }
  TDropHandle(const TDropHandle&) = delete;
  TDropHandle& operator=(const TDropHandle&) = delete;

  // 0 once released.
  unsigned Count() const override;
  // UTF-8; empty past the end or once released.
  std::string File(unsigned index) const override;
  // DragFinish, the first time only.
  void Finish() override;
  bool Finished() const { return FDrop == nullptr; }

 private:
  HDROP FDrop;
};

}  // namespace win32ui
