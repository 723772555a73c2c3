#include "platform/gtk/KeyMap.h"

#include <gdk/gdk.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace gtkui {

namespace {

constexpr short kDown = -128;  // GetKeyState's answer for a key held down

// Keys whose virtual-key code is not a letter, a digit or a function key. Punctuation follows
// the US layout, where each key has one code whatever it types.
constexpr std::pair<unsigned, int> kKeyTable[] = {
    {GDK_KEY_BackSpace, 0x08},    {GDK_KEY_Tab, 0x09},         {GDK_KEY_ISO_Left_Tab, 0x09},
    {GDK_KEY_Clear, 0x0C},        {GDK_KEY_Return, 0x0D},      {GDK_KEY_ISO_Enter, 0x0D},
    {GDK_KEY_KP_Enter, 0x0D},     {GDK_KEY_Shift_L, 0x10},     {GDK_KEY_Shift_R, 0x10},
    {GDK_KEY_Control_L, 0x11},    {GDK_KEY_Control_R, 0x11},   {GDK_KEY_Alt_L, 0x12},
    {GDK_KEY_Alt_R, 0x12},        {GDK_KEY_Pause, 0x13},       {GDK_KEY_Caps_Lock, 0x14},
    {GDK_KEY_Escape, 0x1B},       {GDK_KEY_space, 0x20},       {GDK_KEY_KP_Space, 0x20},
    {GDK_KEY_Page_Up, 0x21},      {GDK_KEY_KP_Page_Up, 0x21},  {GDK_KEY_Page_Down, 0x22},
    {GDK_KEY_KP_Page_Down, 0x22}, {GDK_KEY_End, 0x23},         {GDK_KEY_KP_End, 0x23},
    {GDK_KEY_Home, 0x24},         {GDK_KEY_KP_Home, 0x24},     {GDK_KEY_Left, 0x25},
    {GDK_KEY_KP_Left, 0x25},      {GDK_KEY_Up, 0x26},          {GDK_KEY_KP_Up, 0x26},
    {GDK_KEY_Right, 0x27},        {GDK_KEY_KP_Right, 0x27},    {GDK_KEY_Down, 0x28},
    {GDK_KEY_KP_Down, 0x28},      {GDK_KEY_Print, 0x2C},       {GDK_KEY_Insert, 0x2D},
    {GDK_KEY_KP_Insert, 0x2D},    {GDK_KEY_Delete, 0x2E},      {GDK_KEY_KP_Delete, 0x2E},
    {GDK_KEY_Super_L, 0x5B},      {GDK_KEY_Super_R, 0x5C},     {GDK_KEY_Menu, 0x5D},
    {GDK_KEY_KP_Multiply, 0x6A},  {GDK_KEY_KP_Add, 0x6B},      {GDK_KEY_KP_Separator, 0x6C},
    {GDK_KEY_KP_Subtract, 0x6D},  {GDK_KEY_KP_Decimal, 0x6E},  {GDK_KEY_KP_Divide, 0x6F},
    {GDK_KEY_Num_Lock, 0x90},     {GDK_KEY_Scroll_Lock, 0x91}, {GDK_KEY_semicolon, 0xBA},
    {GDK_KEY_equal, 0xBB},        {GDK_KEY_comma, 0xBC},       {GDK_KEY_minus, 0xBD},
    {GDK_KEY_period, 0xBE},       {GDK_KEY_slash, 0xBF},       {GDK_KEY_grave, 0xC0},
    {GDK_KEY_bracketleft, 0xDB},  {GDK_KEY_backslash, 0xDC},   {GDK_KEY_bracketright, 0xDD},
    {GDK_KEY_apostrophe, 0xDE},   {GDK_KEY_less, 0xE2},
};

}  // namespace

int VirtualKeyFromKeyval(unsigned keyval) {
  if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) return static_cast<int>('A' + keyval - GDK_KEY_a);
  if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z) return static_cast<int>('A' + keyval - GDK_KEY_A);
  if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9) return static_cast<int>('0' + keyval - GDK_KEY_0);
  if (keyval >= GDK_KEY_KP_0 && keyval <= GDK_KEY_KP_9)
    return static_cast<int>(0x60 + keyval - GDK_KEY_KP_0);
  if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24)
    return static_cast<int>(tk::VK_F1 + keyval - GDK_KEY_F1);
  const auto it = std::find_if(std::begin(kKeyTable), std::end(kKeyTable),
                               [keyval](const auto& entry) { return entry.first == keyval; });
  return it == std::end(kKeyTable) ? 0 : it->second;
}

tk::TShiftState ShiftStateFromModifiers(unsigned modifiers) {
  tk::TShiftState shift = 0;
  if (modifiers & GDK_SHIFT_MASK) shift |= tk::ssShift;
  if (modifiers & GDK_CONTROL_MASK) shift |= tk::ssCtrl;
  if (modifiers & GDK_MOD1_MASK) shift |= tk::ssAlt;
  return shift;
}

unsigned MouseKeysFromModifiers(unsigned modifiers) {
  unsigned keys = 0;
  if (modifiers & GDK_BUTTON1_MASK) keys |= tk::MK_LBUTTON;
  if (modifiers & GDK_BUTTON3_MASK) keys |= tk::MK_RBUTTON;
  if (modifiers & GDK_BUTTON2_MASK) keys |= tk::MK_MBUTTON;
  if (modifiers & GDK_SHIFT_MASK) keys |= tk::MK_SHIFT;
  if (modifiers & GDK_CONTROL_MASK) keys |= tk::MK_CONTROL;
  return keys;
}

namespace {
unsigned ButtonMask(unsigned button) {
  switch (button) {
    case 1: return GDK_BUTTON1_MASK;
    case 2: return GDK_BUTTON2_MASK;
    case 3: return GDK_BUTTON3_MASK;
    default: return 0;
  }
}
}  // namespace

unsigned MouseKeysAfterButton(unsigned modifiers, unsigned button, bool pressed) {
  const unsigned mask = ButtonMask(button);
  return MouseKeysFromModifiers(pressed ? modifiers | mask : modifiers & ~mask);
}

short KeyStateFromModifiers(int virtualKey, unsigned modifiers) {
  unsigned mask = 0;
  switch (virtualKey) {
    case tk::VK_LBUTTON: mask = GDK_BUTTON1_MASK; break;
    case tk::VK_RBUTTON: mask = GDK_BUTTON3_MASK; break;
    case tk::VK_MBUTTON: mask = GDK_BUTTON2_MASK; break;
    case tk::VK_SHIFT: mask = GDK_SHIFT_MASK; break;
    case tk::VK_CONTROL: mask = GDK_CONTROL_MASK; break;
    case tk::VK_MENU: mask = GDK_MOD1_MASK; break;
    default: return 0;
  }
  return (modifiers & mask) ? kDown : 0;
}

std::optional<tk::TMouseButton> MouseButtonFromGdk(unsigned button) {
  switch (button) {
    case 1: return tk::TMouseButton::mbLeft;
    case 2: return tk::TMouseButton::mbMiddle;
    case 3: return tk::TMouseButton::mbRight;
    default: return std::nullopt;
  }
}

}  // namespace gtkui
