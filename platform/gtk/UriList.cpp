#include "platform/gtk/UriList.h"

#include <glib.h>

#include <cstring>

namespace gtkui {

namespace {
bool IsThisHost(const char* hostname) {
  return hostname == nullptr || *hostname == '\0' || std::strcmp(hostname, "localhost") == 0 ||
         std::strcmp(hostname, g_get_host_name()) == 0;
}
}  // namespace

std::vector<std::string> LocalPathsFromUriList(const char* uriList) {
  std::vector<std::string> paths;
  if (!uriList) return paths;
  gchar** uris = g_uri_list_extract_uris(uriList);
  for (gchar** uri = uris; uri && *uri; ++uri) {
    gchar* hostname = nullptr;
    gchar* path = g_filename_from_uri(*uri, &hostname, nullptr);
    if (path && IsThisHost(hostname)) paths.emplace_back(path);
    g_free(path);
    g_free(hostname);
  }
  g_strfreev(uris);
  return paths;
}

}  // namespace gtkui
