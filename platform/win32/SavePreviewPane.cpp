#include "platform/win32/SavePreviewPane.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/TopDownDib.h"
#include "platform/win32/WinText.h"

#include <windows.h>

#include <dlgs.h>

namespace win32ui {

namespace {

// In dialog units. The dialog puts its own controls where stc32 stands and moves the controls
// right of it beyond them, so the preview stands to the right of the file list.
std::vector<std::uint16_t> PaneTemplate() {
  TTemplateWriter writer;
  writer.Dialog(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL, 3,
                {0, 0, 124, 116}, "");
  writer.Item(SS_LEFT, stc32, kStaticClass, "", {0, 0, 8, 8});
  writer.Item(SS_OWNERDRAW, kPreviewPictureId, kStaticClass, "", {14, 6, 104, 94});
  writer.Item(SS_CENTER | SS_NOPREFIX, kPreviewCaptionId, kStaticClass, "", {14, 102, 104, 10});
  return writer.Take();
}

}  // namespace

TSavePreviewPane::TSavePreviewPane() {
  const std::vector<std::uint16_t> words = PaneTemplate();
  const std::size_t bytes = words.size() * sizeof(words[0]);
  FTemplate = GlobalAlloc(GMEM_FIXED, bytes);
  if (FTemplate) std::memcpy(FTemplate, words.data(), bytes);
}

TSavePreviewPane::~TSavePreviewPane() {
  if (FTemplate) GlobalFree(FTemplate);
}

void TSavePreviewPane::Attach(OPENFILENAMEW& dialog) {
  if (!FTemplate) return;  // no memory for the pane: the dialog goes without a preview
  dialog.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATEHANDLE;
  dialog.hInstance = static_cast<HINSTANCE>(FTemplate);
  dialog.lpfnHook = &TSavePreviewPane::Hook;
  dialog.lCustData = reinterpret_cast<LPARAM>(this);
}

UINT_PTR CALLBACK TSavePreviewPane::Hook(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto& dialog = *reinterpret_cast<const OPENFILENAMEW*>(lParam);
    SetWindowLongPtrW(pane, DWLP_USER, dialog.lCustData);
    return TRUE;
  }
  auto* self = reinterpret_cast<TSavePreviewPane*>(GetWindowLongPtrW(pane, DWLP_USER));
  if (!self) return 0;
  switch (message) {
    case WM_NOTIFY: {
      const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
      if (code == CDN_SELCHANGE || code == CDN_FOLDERCHANGE) self->Update(pane);
      break;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != kPreviewPictureId) break;
      self->Draw(item);
      return TRUE;
    }
    default: break;
  }
  return 0;
}

void TSavePreviewPane::Update(HWND pane) {
  HWND picture = GetDlgItem(pane, kPreviewPictureId);
  RECT box{};
  GetClientRect(picture, &box);
  std::vector<wchar_t> path(32768, L'\0');
  const LRESULT length =
      SendMessageW(GetParent(pane), CDM_GETFILEPATH, static_cast<WPARAM>(path.size()),
                   reinterpret_cast<LPARAM>(path.data()));
  // Nothing may unwind into the dialog's own code: anything unexpected previews as nothing.
  try {
    FPreview.reset();
    if (length > 0)
      FPreview = tk::LoadPicturePreview(WideToUtf8(path.data()),
                                        std::max<int>(1, std::min(box.right, box.bottom)));
  } catch (...) {
    FPreview.reset();
  }
  SetDlgItemTextW(pane, kPreviewCaptionId, FPreview ? Utf8ToWide(FPreview->Caption).c_str() : L"");
  InvalidateRect(picture, nullptr, TRUE);
}

void TSavePreviewPane::Draw(const DRAWITEMSTRUCT& item) const {
  const RECT& box = item.rcItem;
  FillRect(item.hDC, &box, GetSysColorBrush(COLOR_BTNFACE));
  if (!FPreview) return;
  const tk::TBitmap& image = *FPreview->Image;
  const int width = image.Width();
  const int height = image.Height();
  const BITMAPINFO info = TopDownDibInfo(width, height);
  // Centred in the box.
  SetDIBitsToDevice(item.hDC, box.left + (box.right - box.left - width) / 2,
                    box.top + (box.bottom - box.top - height) / 2, static_cast<DWORD>(width),
                    static_cast<DWORD>(height), 0, 0, 0, static_cast<UINT>(height),
                    image.ScanLine(0), &info, DIB_RGB_COLORS);
}

}  // namespace win32ui
