#pragma once
// The picture preview of the save dialog: a child template beside the explorer-style dialog's own
// controls, with a hook that shows the file under the dialog's cursor (scaled to fit, its pixel
// size below it) whenever the selection changes, and nothing for what is not a picture.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/controls/PicturePreview.h"

// The toolkit's input codes come first: <windows.h> defines macros of the same names.
#include "toolkit/platform/InputCodes.h"

#include <windows.h>

#include <commdlg.h>

namespace win32ui {

inline constexpr int kPreviewPictureId = 1200;
inline constexpr int kPreviewCaptionId = 1201;

class TSavePreviewPane {
 public:
  TSavePreviewPane();
  ~TSavePreviewPane();
  TSavePreviewPane(const TSavePreviewPane&) = delete;
  TSavePreviewPane& operator=(const TSavePreviewPane&) = delete;

  // Adds the pane to a dialog about to be shown; the pane must outlive it.
  void Attach(OPENFILENAMEW& dialog);

 private:
  static UINT_PTR CALLBACK Hook(HWND pane, UINT message, WPARAM wParam, LPARAM lParam);
  void Update(HWND pane);
  void Draw(const DRAWITEMSTRUCT& item) const;

  HGLOBAL FTemplate = nullptr;  // fixed memory: the handle is the template's address
  std::optional<tk::TPicturePreview> FPreview;
};

}  // namespace win32ui
