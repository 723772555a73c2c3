#pragma once
// Messages: window messages as the system numbers them, and the toolkit's control
// notifications (0xB000 and up). Handlers receive the whole record and may set its result.

#include <cstdint>

#include "toolkit/platform/InputCodes.h"

namespace tk {

struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// Window messages.
inline constexpr unsigned WM_CANCELMODE = 0x001F;
inline constexpr unsigned WM_CONTEXTMENU = 0x007B;
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_CHAR = 0x0102;
inline constexpr unsigned WM_SYSCHAR = 0x0106;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
inline constexpr unsigned WM_MBUTTONDOWN = 0x0207;
inline constexpr unsigned WM_MBUTTONUP = 0x0208;
inline constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;

// Control notifications.
inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_DIALOGCHAR = CM_BASE + 0x06;
inline constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 0x0B;
inline constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr unsigned CM_COLORCHANGED = CM_BASE + 0x0D;
inline constexpr unsigned CM_FONTCHANGED = CM_BASE + 0x0E;
inline constexpr unsigned CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr unsigned CM_MOUSEENTER = CM_BASE + 0x13;
inline constexpr unsigned CM_MOUSELEAVE = CM_BASE + 0x14;
inline constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 0x18;
inline constexpr unsigned CM_SYSCOLORCHANGE = CM_BASE + 0x24;
inline constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 0x08;

// Mouse positions travel in LParam as two signed 16-bit halves.
inline constexpr std::intptr_t MakeLParam(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                    static_cast<std::uint32_t>(x & 0xFFFF));
}
inline constexpr int LParamX(std::intptr_t lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
inline constexpr int LParamY(std::intptr_t lp) {
  return static_cast<std::int16_t>((lp >> 16) & 0xFFFF);
}

}  // namespace tk
