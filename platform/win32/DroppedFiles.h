#pragma once
// The files of one drop as the shell hands them over with WM_DROPFILES.

#include "platform/win32/Handles.h"
#include "toolkit/platform/NativeWindow.h"

namespace win32ui {

// Every path of the drop, in order, each at its whole length (no cut at MAX_PATH) and in
// UTF-8; the drop is released (DragFinish) before this returns, whatever happens, so the form
// that receives the list owns nothing native.
tk::TDroppedFiles TakeDroppedFiles(HDROP drop);

}  // namespace win32ui
