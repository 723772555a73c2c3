#pragma once
// Every way Windows calls back into us (window procedures, timers, the drop) goes through here.
// The work runs under the application's error report; should the report itself fail, the error
// still stops here, because a C++ exception must never unwind through the system's frames.

#include <utility>

#include "toolkit/controls/Application.h"

namespace win32ui {

template <class Work>
void RunGuarded(Work&& work) noexcept {
  try {
    tk::Application().Guard(std::forward<Work>(work));
  } catch (...) {
  }
}

}  // namespace win32ui
