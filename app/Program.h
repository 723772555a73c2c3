#pragma once

namespace app {

// The program's start-up sequence on whatever backend is installed: the application object,
// its title, the board window, the message loop until the window closes. An error that leaves
// start-up is shown by the top-level error report. Returns the exit code, 0.
int RunPoterinko();

}  // namespace app
