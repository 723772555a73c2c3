#include "platform/gtk/GtkDialogs.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/gtk/GlobPattern.h"
#include "platform/gtk/Mnemonics.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/FileFilter.h"

namespace gtkui {

namespace {

constexpr int kPreviewSize = 160;

GtkMessageType MessageTypeOf(tk::TMsgDlgType type) {
  switch (type) {
    case tk::TMsgDlgType::mtWarning: return GTK_MESSAGE_WARNING;
    case tk::TMsgDlgType::mtError: return GTK_MESSAGE_ERROR;
    case tk::TMsgDlgType::mtInformation: return GTK_MESSAGE_INFO;
    case tk::TMsgDlgType::mtConfirmation: return GTK_MESSAGE_QUESTION;
    case tk::TMsgDlgType::mtCustom: break;
  }
  return GTK_MESSAGE_OTHER;
}

const char* IconNameOf(tk::TMsgDlgType type) {
  switch (type) {
    case tk::TMsgDlgType::mtWarning: return "dialog-warning";
    case tk::TMsgDlgType::mtError: return "dialog-error";
    case tk::TMsgDlgType::mtInformation: return "dialog-information";
    case tk::TMsgDlgType::mtConfirmation: return "dialog-question";
    case tk::TMsgDlgType::mtCustom: break;
  }
  return nullptr;  // a plain notice has no icon
}

// Current GTK no longer shows an icon for the message type by itself; the dialog's kind is
// what the user reads first, so it gets the icon set explicitly.
void SetIcon(GtkWidget* dialog, tk::TMsgDlgType type) {
  const char* name = IconNameOf(type);
  if (!name) return;
  GtkWidget* image = gtk_image_new_from_icon_name(name, GTK_ICON_SIZE_DIALOG);
  gtk_widget_set_valign(image, GTK_ALIGN_START);
  gtk_widget_show(image);
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), image);
  G_GNUC_END_IGNORE_DEPRECATIONS
  // Setting an image makes the dialog forget its type, which assistive tools announce.
  g_object_set(dialog, "message-type", MessageTypeOf(type), nullptr);
}

// A file chooser sizes itself from the font when it is mapped, and may then ask for more
// room than a small screen has: keep it within the monitor's work area.
void FitOnMonitor(GtkWidget* dialog) {
  GdkWindow* window = gtk_widget_get_window(dialog);
  GdkDisplay* display = gtk_widget_get_display(dialog);
  GdkMonitor* monitor = window ? gdk_display_get_monitor_at_window(display, window) : nullptr;
  if (!monitor) return;
  GdkRectangle area;
  gdk_monitor_get_workarea(monitor, &area);
  gint width = 0;
  gint height = 0;
  gtk_window_get_size(GTK_WINDOW(dialog), &width, &height);
  const gint fitWidth = std::min(width, area.width * 9 / 10);
  const gint fitHeight = std::min(height, area.height * 9 / 10);
  if (fitWidth == width && fitHeight == height) return;
  gtk_window_resize(GTK_WINDOW(dialog), fitWidth, fitHeight);
  gtk_window_move(GTK_WINDOW(dialog), area.x + (area.width - fitWidth) / 2,
                  area.y + (area.height - fitHeight) / 2);
}

void ChooserMapSignal(GtkWidget* dialog, gpointer) {
  tk::GuardCallback([&] { FitOnMonitor(dialog); });
}

void PlaceModal(GtkWidget* dialog, GtkWindow* parent) {
  if (parent) gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
  gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
  gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
}

// The picture under the chooser's cursor, at most kPreviewSize pixels each way; null when the
// file is no picture GDK can read.
GdkPixbuf* LoadPreview(const char* path) {
  gint width = 0;
  gint height = 0;
  if (!gdk_pixbuf_get_file_info(path, &width, &height) || width <= 0 || height <= 0) return nullptr;
  GdkPixbuf* pixbuf =
      width <= kPreviewSize && height <= kPreviewSize
          ? gdk_pixbuf_new_from_file(path, nullptr)
          : gdk_pixbuf_new_from_file_at_scale(path, kPreviewSize, kPreviewSize, TRUE, nullptr);
  if (!pixbuf) return nullptr;
  GdkPixbuf* upright = gdk_pixbuf_apply_embedded_orientation(pixbuf);
  g_object_unref(pixbuf);
  return upright;
}

void UpdatePreviewSignal(GtkFileChooser* chooser, gpointer image) {
  tk::GuardCallback([&] {
    gchar* path = gtk_file_chooser_get_preview_filename(chooser);
    GdkPixbuf* preview =
        path && g_file_test(path, G_FILE_TEST_IS_REGULAR) ? LoadPreview(path) : nullptr;
    g_free(path);
    gtk_image_set_from_pixbuf(GTK_IMAGE(image), preview);
    gtk_file_chooser_set_preview_widget_active(chooser, preview != nullptr);
    if (preview) g_object_unref(preview);
  });
}

void AddFilters(GtkFileChooser* chooser, const std::string& filter) {
  for (const tk::TFileFilterEntry& entry : tk::ParseFileFilter(filter)) {
    GtkFileFilter* gtkFilter = gtk_file_filter_new();
    gtk_file_filter_set_name(gtkFilter, entry.Name.c_str());
    for (const std::string& pattern : entry.Patterns)
      gtk_file_filter_add_pattern(gtkFilter, CaseInsensitiveGlob(pattern).c_str());
    gtk_file_chooser_add_filter(chooser, gtkFilter);  // the first one added is selected
  }
}

// The last chosen path is offered again: its folder opened, its name in the name field.
void OfferFileName(GtkFileChooser* chooser, const std::string& fileName) {
  if (fileName.empty()) return;
  gchar* folder = g_path_get_dirname(fileName.c_str());
  gchar* name = g_path_get_basename(fileName.c_str());
  if (g_path_is_absolute(fileName.c_str()) && g_file_test(folder, G_FILE_TEST_IS_DIR))
    gtk_file_chooser_set_current_folder(chooser, folder);
  gchar* displayName = g_filename_display_name(name);
  gtk_file_chooser_set_current_name(chooser, displayName);
  g_free(displayName);
  g_free(name);
  g_free(folder);
}

}  // namespace

tk::TModalResult ResultOfResponse(const tk::TMessageDialogParams& params, int response) {
  if (response >= 0 && static_cast<std::size_t>(response) < params.Buttons.size())
    return params.Buttons[static_cast<std::size_t>(response)].second;
  return params.CancelResult;
}

tk::TModalResult RunMessageDialog(GtkWindow* parent, const tk::TMessageDialogParams& params) {
  GtkWidget* dialog = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, MessageTypeOf(params.Type),
                                             GTK_BUTTONS_NONE, "%s", params.Text.c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), params.Caption.c_str());
  SetIcon(dialog, params.Type);
  PlaceModal(dialog, parent);
  for (std::size_t i = 0; i < params.Buttons.size(); ++i) {
    const auto& [caption, result] = params.Buttons[i];
    gtk_dialog_add_button(GTK_DIALOG(dialog), MnemonicFromCaption(caption).c_str(),
                          static_cast<gint>(i));
    if (result == params.DefaultButton)
      gtk_dialog_set_default_response(GTK_DIALOG(dialog), static_cast<gint>(i));
  }
  const gint response = gtk_dialog_run(GTK_DIALOG(dialog));
  gtk_widget_destroy(dialog);
  return ResultOfResponse(params, response);
}

std::optional<std::string> RunSaveDialog(GtkWindow* parent, const tk::TSaveDialogParams& params) {
  // GTK's own words for the title and buttons, in the user's language.
  const char* title =
      params.Title.empty() ? g_dgettext("gtk30", "Save File") : params.Title.c_str();
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      title, parent, GTK_FILE_CHOOSER_ACTION_SAVE, g_dgettext("gtk30", "_Cancel"),
      GTK_RESPONSE_CANCEL, g_dgettext("gtk30", "_Save"), GTK_RESPONSE_ACCEPT, nullptr);
  PlaceModal(dialog, parent);
  g_signal_connect_after(dialog, "map", G_CALLBACK(ChooserMapSignal), nullptr);
  gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  // The program asks its own question before it replaces a file.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
  AddFilters(chooser, params.Filter);
  OfferFileName(chooser, params.FileName);

  GtkWidget* preview = gtk_image_new();
  gtk_widget_set_size_request(preview, kPreviewSize + 8, -1);
  gtk_file_chooser_set_preview_widget(chooser, preview);
  gtk_file_chooser_set_use_preview_label(chooser, FALSE);
  g_signal_connect(chooser, "update-preview", G_CALLBACK(UpdatePreviewSignal), preview);

  std::optional<std::string> chosen;
  if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
    if (gchar* path = gtk_file_chooser_get_filename(chooser)) {
      chosen = path;
      g_free(path);
    }
  }
  gtk_widget_destroy(dialog);
  return chosen;
}

}  // namespace gtkui
