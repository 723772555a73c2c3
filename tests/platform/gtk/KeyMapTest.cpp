#include <gdk/gdk.h>
#include <gtest/gtest.h>

#include "platform/gtk/KeyMap.h"

namespace gtkui {
namespace {

struct KeyCase {
  unsigned keyval;
  int virtualKey;
};

class VirtualKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyTest, NamesThePhysicalKey) {
  EXPECT_EQ(VirtualKeyFromKeyval(GetParam().keyval), GetParam().virtualKey)
      << gdk_keyval_name(GetParam().keyval);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeyTest,
    ::testing::Values(
        // The board's shortcuts: Ctrl+S and Ctrl+M arrive as lower-case key values.
        KeyCase{GDK_KEY_s, 'S'}, KeyCase{GDK_KEY_S, 'S'}, KeyCase{GDK_KEY_m, 'M'},
        KeyCase{GDK_KEY_a, 'A'}, KeyCase{GDK_KEY_z, 'Z'}, KeyCase{GDK_KEY_Z, 'Z'},
        KeyCase{GDK_KEY_Delete, 0x2E}, KeyCase{GDK_KEY_KP_Delete, 0x2E},
        // The context-menu key and Shift+F10 open the popup.
        KeyCase{GDK_KEY_Menu, 0x5D}, KeyCase{GDK_KEY_F10, 0x79}, KeyCase{GDK_KEY_F1, 0x70},
        KeyCase{GDK_KEY_F24, 0x87}, KeyCase{GDK_KEY_0, '0'}, KeyCase{GDK_KEY_9, '9'},
        KeyCase{GDK_KEY_KP_0, 0x60}, KeyCase{GDK_KEY_KP_9, 0x69}, KeyCase{GDK_KEY_Escape, 0x1B},
        KeyCase{GDK_KEY_Return, 0x0D}, KeyCase{GDK_KEY_KP_Enter, 0x0D}, KeyCase{GDK_KEY_Tab, 0x09},
        KeyCase{GDK_KEY_ISO_Left_Tab, 0x09},  // Shift+Tab
        KeyCase{GDK_KEY_space, 0x20}, KeyCase{GDK_KEY_BackSpace, 0x08}, KeyCase{GDK_KEY_Left, 0x25},
        KeyCase{GDK_KEY_Up, 0x26}, KeyCase{GDK_KEY_Right, 0x27}, KeyCase{GDK_KEY_Down, 0x28},
        KeyCase{GDK_KEY_Home, 0x24}, KeyCase{GDK_KEY_End, 0x23}, KeyCase{GDK_KEY_Page_Up, 0x21},
        KeyCase{GDK_KEY_Page_Down, 0x22}, KeyCase{GDK_KEY_Insert, 0x2D},
        KeyCase{GDK_KEY_Shift_L, 0x10}, KeyCase{GDK_KEY_Control_R, 0x11},
        KeyCase{GDK_KEY_Alt_L, 0x12}, KeyCase{GDK_KEY_minus, 0xBD}, KeyCase{GDK_KEY_comma, 0xBC},
        // Keys without a virtual key: typed letters outside ASCII, dead keys.
        KeyCase{GDK_KEY_adiaeresis, 0}, KeyCase{GDK_KEY_Cyrillic_es, 0},
        KeyCase{GDK_KEY_dead_acute, 0}, KeyCase{GDK_KEY_VoidSymbol, 0}));

struct ModifierCase {
  unsigned modifiers;
  tk::TShiftState shift;
  unsigned mouseKeys;
};

class ModifierTest : public ::testing::TestWithParam<ModifierCase> {};

TEST_P(ModifierTest, BecomeShiftStateAndMouseKeys) {
  const auto& c = GetParam();
  EXPECT_EQ(ShiftStateFromModifiers(c.modifiers), c.shift);
  EXPECT_EQ(MouseKeysFromModifiers(c.modifiers), c.mouseKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, ModifierTest,
    ::testing::Values(
        ModifierCase{0, 0, 0}, ModifierCase{GDK_SHIFT_MASK, tk::ssShift, tk::MK_SHIFT},
        ModifierCase{GDK_CONTROL_MASK, tk::ssCtrl, tk::MK_CONTROL},
        ModifierCase{GDK_MOD1_MASK, tk::ssAlt, 0},  // mouse messages carry no Alt bit
        ModifierCase{GDK_BUTTON1_MASK, 0, tk::MK_LBUTTON},
        ModifierCase{GDK_BUTTON2_MASK, 0, tk::MK_MBUTTON},  // GDK's 2 is the middle button
        ModifierCase{GDK_BUTTON3_MASK, 0, tk::MK_RBUTTON},
        ModifierCase{GDK_LOCK_MASK | GDK_MOD2_MASK, 0, 0},  // Caps Lock, Num Lock: neither
        ModifierCase{GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK | GDK_BUTTON1_MASK,
                     tk::ssShift | tk::ssCtrl | tk::ssAlt,
                     tk::MK_SHIFT | tk::MK_CONTROL | tk::MK_LBUTTON}));

struct ButtonCase {
  unsigned modifiersBefore;
  unsigned button;
  bool pressed;
  unsigned mouseKeys;
};

class ButtonKeysTest : public ::testing::TestWithParam<ButtonCase> {};

// A press message includes its own button, a release message no longer does.
TEST_P(ButtonKeysTest, DescribeTheStateAfterTheEvent) {
  const auto& c = GetParam();
  EXPECT_EQ(MouseKeysAfterButton(c.modifiersBefore, c.button, c.pressed), c.mouseKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonKeysTest,
    ::testing::Values(ButtonCase{0, 1, true, tk::MK_LBUTTON},
                      ButtonCase{GDK_BUTTON1_MASK, 1, false, 0},
                      ButtonCase{0, 3, true, tk::MK_RBUTTON},
                      ButtonCase{GDK_BUTTON3_MASK | GDK_BUTTON1_MASK, 3, false, tk::MK_LBUTTON},
                      ButtonCase{GDK_SHIFT_MASK, 2, true, tk::MK_SHIFT | tk::MK_MBUTTON},
                      ButtonCase{GDK_BUTTON1_MASK, 8, true, tk::MK_LBUTTON}));  // "back" button

struct KeyStateCase {
  int virtualKey;
  unsigned modifiers;
  short state;
};

class KeyStateTest : public ::testing::TestWithParam<KeyStateCase> {};

TEST_P(KeyStateTest, IsNegativeWhileHeld) {
  const auto& c = GetParam();
  EXPECT_EQ(KeyStateFromModifiers(c.virtualKey, c.modifiers), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyStateTest,
    ::testing::Values(KeyStateCase{tk::VK_MENU, GDK_MOD1_MASK, -128},
                      KeyStateCase{tk::VK_MENU, GDK_CONTROL_MASK, 0},
                      KeyStateCase{tk::VK_SHIFT, GDK_SHIFT_MASK, -128},
                      KeyStateCase{tk::VK_CONTROL, GDK_CONTROL_MASK, -128},
                      KeyStateCase{tk::VK_LBUTTON, GDK_BUTTON1_MASK, -128},
                      KeyStateCase{tk::VK_RBUTTON, GDK_BUTTON3_MASK, -128},
                      KeyStateCase{tk::VK_RBUTTON, GDK_BUTTON2_MASK, 0},
                      KeyStateCase{tk::VK_MBUTTON, GDK_BUTTON2_MASK, -128},
                      KeyStateCase{'A', ~0u, 0}));  // not a modifier: not known from a mask

TEST(MouseButtonTest, GdkNumbersNameLeftMiddleRight) {
  EXPECT_EQ(MouseButtonFromGdk(1), tk::TMouseButton::mbLeft);
  EXPECT_EQ(MouseButtonFromGdk(2), tk::TMouseButton::mbMiddle);
  EXPECT_EQ(MouseButtonFromGdk(3), tk::TMouseButton::mbRight);
  EXPECT_FALSE(MouseButtonFromGdk(4).has_value());  // wheel steps are no buttons
  EXPECT_FALSE(MouseButtonFromGdk(0).has_value());
}

}  // namespace
}  // namespace gtkui
