#pragma once
// The Linux program's command line. The board takes no options of its own; it answers --help
// and --version as packaged programs are expected to (the GTK backend reads them, GTK's own
// options included), and refuses anything else before a window is made.

namespace app {

// Parses and removes the options it knows (GTK's included). Returns -1 when the board should
// start, otherwise the exit code: 0 after --help or --version, 2 after a usage error (told on
// stderr). Needs no display.
int HandleProgramOptions(int& argc, char**& argv);

}  // namespace app
