#include "app/ProgramOptions.h"

#include <cstdio>

#include "platform/gtk/ProgramOptions.h"

namespace app {

namespace {

// The window system names the board's windows after the program (class "Poterinko"); fixing
// the name keeps them grouped with the desktop entry however the program was started.
constexpr gtkui::TProgramDescription kBoard = {
    "poterinko", POTERINKO_VERSION,
    "A weekly school timetable board for children: drop pictures into its thirty cells,\n"
    "then save or mail the board as a JPEG picture. Everything else is done in the window\n"
    "(right-click for the menu); the board has no options of its own."};

}  // namespace

int HandleProgramOptions(int& argc, char**& argv) {
  if (const int code = gtkui::ParseProgramOptions(argc, argv, kBoard); code >= 0) return code;
  if (argc > 1) {
    std::fprintf(stderr,
                 "%s: unexpected argument '%s': the board takes no arguments\n"
                 "Try '%s --help' for more information.\n",
                 kBoard.Name, argv[1], kBoard.Name);
    return 2;
  }
  return -1;
}

}  // namespace app
