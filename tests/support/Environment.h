#pragma once

// Sets and removes environment variables of the test process, on POSIX and on Windows (whose C
// runtime has no setenv/unsetenv; an empty value removes a variable there).

#include <cstdlib>

namespace tk::test {

inline void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

inline void UnsetEnvironment(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

}  // namespace tk::test
