#pragma once
// Messages: window messages as the system numbers them, and the toolkit's control
// notifications (0xB000 and up). Handlers receive the whole record and may set its result.

#include <cstdint>

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

// Key state bits of mouse messages (WParam).
inline constexpr unsigned MK_LBUTTON = 0x01;
inline constexpr unsigned MK_RBUTTON = 0x02;
inline constexpr unsigned MK_SHIFT = 0x04;
inline constexpr unsigned MK_CONTROL = 0x08;
inline constexpr unsigned MK_MBUTTON = 0x10;

// Mouse positions travel in LParam as two signed 16-bit halves.
inline constexpr std::intptr_t MakeLParam(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                                    static_cast<std::uint32_t>(x & 0xFFFF));
}
inline constexpr int LParamX(std::intptr_t lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
inline constexpr int LParamY(std::intptr_t lp) {
  return static_cast<std::int16_t>((lp >> 16) & 0xFFFF);
}

// Virtual keys.
inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;  // Alt
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_APPS = 0x5D;  // the context-menu key
inline constexpr int VK_F1 = 0x70;
inline constexpr int VK_F10 = 0x79;

// Shift state of mouse and key events.
using TShiftState = unsigned;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;
inline constexpr TShiftState ssLeft = 0x08;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
inline constexpr TShiftState ssDouble = 0x40;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

}  // namespace tk
