#include "platform/gtk/MailHandOff.h"

#include <glib.h>
#include <sys/wait.h>

namespace gtkui {

std::vector<std::string> MailCommandLine(const tk::TMailRequest& request) {
  return {"xdg-email", "--utf8", "--subject", request.Subject, "--attach", request.AttachmentPath};
}

unsigned HandMailToDesktop(const tk::TMailRequest& request) {
  const std::vector<std::string> args = MailCommandLine(request);
  std::vector<gchar*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<gchar*>(arg.c_str()));
  argv.push_back(nullptr);
  gint status = 0;
  GError* error = nullptr;
  const gboolean started = g_spawn_sync(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr,
                                        nullptr, nullptr, nullptr, &status, &error);
  if (!started) {
    g_error_free(error);
    return 1;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

}  // namespace gtkui
