#pragma once
// The program's arguments as the user gave them, in UTF-8: the runtime's argv is in the ANSI
// code page and loses every character outside it.

#include <string>
#include <vector>

namespace win32ui {

// Argument 0 is the program; the rest follow in order.
std::vector<std::string> CommandLineArguments();

}  // namespace win32ui
