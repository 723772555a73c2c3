#include "platform/gtk/UriList.h"

#include <gio/gio.h>

#include <cstring>
#include <optional>

namespace gtkui {

namespace {
bool IsThisHost(const char* hostname) {
  return hostname == nullptr || *hostname == '\0' || std::strcmp(hostname, "localhost") == 0 ||
         std::strcmp(hostname, g_get_host_name()) == 0;
}

// The local path of one URI: a file URI of this machine, or a URI for which the desktop's
// virtual file system offers a local path (a mounted network share, say); nothing otherwise.
std::optional<std::string> LocalPathOfUri(const char* uri) {
  std::optional<std::string> local;
  gchar* hostname = nullptr;
  if (gchar* path = g_filename_from_uri(uri, &hostname, nullptr)) {
    // A file on another machine has no local path, whatever its own path says.
    if (IsThisHost(hostname)) local = path;
    g_free(path);
    g_free(hostname);
    return local;
  }
  GFile* file = g_file_new_for_uri(uri);
  if (gchar* path = g_file_get_path(file)) {
    local = path;
    g_free(path);
  }
  g_object_unref(file);
  return local;
}
}  // namespace

std::vector<std::string> LocalPathsFromUriList(const char* uriList) {
  std::vector<std::string> paths;
  if (!uriList) return paths;
  gchar** uris = g_uri_list_extract_uris(uriList);
  for (gchar** uri = uris; uri && *uri; ++uri) {
    std::optional<std::string> path = LocalPathOfUri(*uri);
    if (!path) break;
    paths.push_back(std::move(*path));
  }
  g_strfreev(uris);
  return paths;
}

}  // namespace gtkui
