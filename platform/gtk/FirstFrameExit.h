#pragma once
// Start-up is measured from outside as a whole process: with POTERINKO_EXIT_AFTER_FIRST_FRAME
// set in the environment, the process ends as soon as the X server holds its first painted
// frame. Any GTK program may call this after gtk_init; the bare window it is compared with does.

namespace gtkui {

void ExitAfterFirstFrameWhenAsked();

}  // namespace gtkui
