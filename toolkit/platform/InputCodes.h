#pragma once
// The input vocabulary shared by the backends and the controls: virtual keys, the key state
// bits of mouse events and the shift state, numbered as the Windows system numbers them, so
// that the Win32 backend passes them through and the others translate once.

namespace tk {

// Key state bits of mouse messages (WParam).
inline constexpr unsigned MK_LBUTTON = 0x01;
inline constexpr unsigned MK_RBUTTON = 0x02;
inline constexpr unsigned MK_SHIFT = 0x04;
inline constexpr unsigned MK_CONTROL = 0x08;
inline constexpr unsigned MK_MBUTTON = 0x10;

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
