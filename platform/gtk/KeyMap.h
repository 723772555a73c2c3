#pragma once
// GDK's key values and modifier masks in the toolkit's terms: virtual-key codes, shift states,
// the MK_* bits of mouse messages and GetKeyState-style answers.

#include <optional>

#include "toolkit/platform/InputCodes.h"

namespace gtkui {

// The virtual-key code of a key value (letters of either case give 'A'..'Z'); 0 when the key
// has none.
int VirtualKeyFromKeyval(unsigned keyval);

// Shift, Ctrl and Alt of a GdkModifierType mask.
tk::TShiftState ShiftStateFromModifiers(unsigned modifiers);

// MK_* bits (buttons 1..3, Shift, Ctrl) of a GdkModifierType mask.
unsigned MouseKeysFromModifiers(unsigned modifiers);

// GDK reports the state before a button event; a mouse message carries the state after it.
unsigned MouseKeysAfterButton(unsigned modifiers, unsigned button, bool pressed);

// For the mouse buttons, Shift, Ctrl and Alt: negative while held in `modifiers`, else 0.
// Other keys: 0 (the caller knows them from key events).
short KeyStateFromModifiers(int virtualKey, unsigned modifiers);

// The toolkit's button for a GDK button number (1 left, 2 middle, 3 right); none for others.
std::optional<tk::TMouseButton> MouseButtonFromGdk(unsigned button);

}  // namespace gtkui
