#pragma once
// The board's layout: a form text embedded in the program at build time from
// MainWindow1.layout, and the property list it is read with.

#include "toolkit/streaming/ClassInfo.h"

namespace app {

extern const char* const kMainForm1Layout;

// The window's published properties: those of a form, under the class name TMainForm1.
const tk::TClassInfo& MainForm1ClassInfo();

}  // namespace app
