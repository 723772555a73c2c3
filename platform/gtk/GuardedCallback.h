#pragma once
// Every way GTK and GLib call back into us goes through here. The work runs under the
// application's error report; should the report itself fail, the error still stops here,
// because a C++ exception must never unwind through GTK's C frames.

#include <utility>

#include "toolkit/controls/Application.h"

namespace gtkui {

template <class Work>
void RunGuarded(Work&& work) noexcept {
  try {
    tk::Application().Guard(std::forward<Work>(work));
  } catch (...) {
  }
}

}  // namespace gtkui
