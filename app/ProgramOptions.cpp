#include "app/ProgramOptions.h"

#include <gtk/gtk.h>

#include <cstdio>

namespace app {

namespace {

// The window system names the board's windows after the program (class "Poterinko"); fixing
// the name keeps them grouped with the desktop entry however the program was started.
constexpr char kProgramName[] = "poterinko";

}  // namespace

int HandleProgramOptions(int& argc, char**& argv) {
  g_set_prgname(kProgramName);
  if (argc <= 1) return -1;
  gboolean version = FALSE;
  GOptionEntry entries[] = {
      {"version", 0, 0, G_OPTION_ARG_NONE, &version, "Print the version and exit", nullptr},
      {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
  };
  GOptionContext* context = g_option_context_new(nullptr);
  g_option_context_set_summary(
      context,
      "A weekly school timetable board for children: drop pictures into its thirty cells,\n"
      "then save or mail the board as a JPEG picture. Everything else is done in the window\n"
      "(right-click for the menu); the board has no options of its own.");
  g_option_context_add_main_entries(context, entries, nullptr);
  // GTK's options (--display and friends) stay usable; FALSE: parsing opens no display.
  g_option_context_add_group(context, gtk_get_option_group(FALSE));
  GError* error = nullptr;
  const bool parsed = g_option_context_parse(context, &argc, &argv, &error);
  g_option_context_free(context);
  if (!parsed) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgramName,
                 error->message, kProgramName);
    g_error_free(error);
    return 2;
  }
  if (version) {
    std::printf("%s %s\n", kProgramName, POTERINKO_VERSION);
    return 0;
  }
  if (argc > 1) {
    std::fprintf(stderr,
                 "%s: unexpected argument '%s': the board takes no arguments\n"
                 "Try '%s --help' for more information.\n",
                 kProgramName, argv[1], kProgramName);
    return 2;
  }
  return -1;
}

}  // namespace app
