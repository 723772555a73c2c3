#pragma once
// The device-independent bitmap our back buffers are: 32 bits per pixel, BI_RGB, top-down (a
// negative height), row 0 first. The words 0x00RRGGBB lie in memory as blue, green, red, 0,
// which is what BI_RGB means for 32 bits. Include after the toolkit's headers.

// The toolkit's input codes come first: <windows.h> defines macros of the same names.
#include "toolkit/platform/InputCodes.h"

#include <windows.h>

namespace win32ui {

inline BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace win32ui
