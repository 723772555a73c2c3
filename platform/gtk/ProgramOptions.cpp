#include "platform/gtk/ProgramOptions.h"

#include <gtk/gtk.h>

#include <cstdio>

namespace gtkui {

int ParseProgramOptions(int& argc, char**& argv, const TProgramDescription& program) {
  g_set_prgname(program.Name);
  if (argc <= 1) return -1;
  gboolean version = FALSE;
  GOptionEntry entries[] = {
      {"version", 0, 0, G_OPTION_ARG_NONE, &version, "Print the version and exit", nullptr},
      {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
  };
  GOptionContext* context = g_option_context_new(nullptr);
  g_option_context_set_summary(context, program.Summary);
  g_option_context_add_main_entries(context, entries, nullptr);
  // GTK's options (--display and friends) stay usable; FALSE: parsing opens no display.
  g_option_context_add_group(context, gtk_get_option_group(FALSE));
  GError* error = nullptr;
  const bool parsed = g_option_context_parse(context, &argc, &argv, &error);
  g_option_context_free(context);
  if (!parsed) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", program.Name,
                 error->message, program.Name);
    g_error_free(error);
    return 2;
  }
  if (version) {
    std::printf("%s %s\n", program.Name, program.Version);
    return 0;
  }
  return -1;
}

}  // namespace gtkui
