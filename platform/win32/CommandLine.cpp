#include "platform/win32/CommandLine.h"

#include "platform/win32/WinText.h"

#include <windows.h>

#include <shellapi.h>

namespace win32ui {

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(WideToUtf8(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace win32ui
