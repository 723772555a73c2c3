#pragma once
// What the program's forms know together: which forms exist, whether any of them holds the
// mouse capture, and which control lies under a point of the screen.

#include <vector>

#include "toolkit/graphics/Geometry.h"

namespace tk {

class TControl;
class TForm;

// Every form that exists, in creation order. Forms enter and leave this list themselves.
const std::vector<TForm*>& Forms();
void AddForm(TForm* form);
void RemoveForm(TForm* form);

// True while a mouse button holds the capture for some control of some form, or the window
// system reports a capture of its own: the answer a button needs before it takes the hover look.
bool MouseCaptureHeld();

// The topmost visible control under a screen point, looked up in the shown forms, latest form
// first, and down through nested windows; disabled controls count when `allowDisabled` is set.
// A point over a form but no control gives the form; a point over no form gives null.
TControl* FindControlAtScreen(TPoint screen, bool allowDisabled);

}  // namespace tk
