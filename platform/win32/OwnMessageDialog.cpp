#include "platform/win32/OwnMessageDialog.h"

#include <algorithm>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WinText.h"

#include <windows.h>

namespace win32ui {

namespace {

struct DialogState {
  const tk::TMessageDialogParams& params;
  HICON icon;
};

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonHeight = 23;
constexpr int kButtonMinWidth = 75;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;

SIZE TextSize(HWND control, const std::wstring& text, UINT format, int maxWidth) {
  HDC dc = GetDC(control);
  HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {r.right - r.left, r.bottom - r.top};
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void LayOut(HWND dialog, const DialogState& state) {
  const int buttonCount = static_cast<int>(state.params.Buttons.size());
  HWND text = GetDlgItem(dialog, kTextControlId);
  const SIZE textSize =
      TextSize(text, WindowText(text), DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, kMaxTextWidth);

  std::vector<int> widths;
  int buttonsWidth = 0;
  for (int i = 0; i < buttonCount; ++i) {
    HWND button =
        GetDlgItem(dialog, MessageDialogButtonId(state.params, static_cast<std::size_t>(i)));
    const int width = std::max<int>(kButtonMinWidth,
                                    TextSize(button, WindowText(button), DT_SINGLELINE, 0).cx + 24);
    widths.push_back(width);
    buttonsWidth += width + (i ? kButtonGap : 0);
  }

  const int textLeft = kMargin + (state.icon ? kIconSize + kMargin : 0);
  const int topHeight = std::max<int>(textSize.cy, state.icon ? kIconSize : 0);
  const int clientWidth =
      std::max<int>(textLeft + textSize.cx + kMargin, buttonsWidth + 2 * kMargin);
  const int buttonsTop = kMargin + topHeight + 2 * kMargin;
  const int clientHeight = buttonsTop + kButtonHeight + kMargin;

  if (state.icon) {
    HWND icon = GetDlgItem(dialog, kIconControlId);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(state.icon), 0);
    MoveWindow(icon, kMargin, kMargin, kIconSize, kIconSize, FALSE);
  }
  // A single line stands level with the middle of the icon.
  const int textTop = kMargin + (topHeight - textSize.cy) / 2;
  MoveWindow(text, textLeft, textTop, textSize.cx, textSize.cy, FALSE);
  int x = (clientWidth - buttonsWidth) / 2;
  for (int i = 0; i < buttonCount; ++i) {
    MoveWindow(GetDlgItem(dialog, MessageDialogButtonId(state.params, static_cast<std::size_t>(i))),
               x, buttonsTop, widths[static_cast<std::size_t>(i)], kButtonHeight, FALSE);
    x += widths[static_cast<std::size_t>(i)] + kButtonGap;
  }

  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int DefaultButtonIndex(const tk::TMessageDialogParams& params) {
  for (std::size_t i = 0; i < params.Buttons.size(); ++i)
    if (params.Buttons[i].second == params.DefaultButton) return static_cast<int>(i);
  return 0;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& state = *reinterpret_cast<const DialogState*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      LayOut(dialog, state);
      const int defaultId = MessageDialogButtonId(
          state.params, static_cast<std::size_t>(DefaultButtonIndex(state.params)));
      SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);
      SetFocus(GetDlgItem(dialog, defaultId));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      const auto* state =
          reinterpret_cast<const DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
      const int id = LOWORD(wParam);
      bool ours = id == IDCANCEL;
      for (std::size_t i = 0; state && i < state->params.Buttons.size(); ++i)
        ours = ours || MessageDialogButtonId(state->params, i) == id;
      if (ours) {
        EndDialog(dialog, id);
        return TRUE;
      }
      break;
    }
    default: break;
  }
  return FALSE;
}

}  // namespace

std::vector<std::uint16_t> MessageDialogTemplate(const tk::TMessageDialogParams& params,
                                                 bool withIcon) {
  TTemplateWriter writer;
  const int defaultIndex = DefaultButtonIndex(params);
  const int items = static_cast<int>(params.Buttons.size()) + 1 + (withIcon ? 1 : 0);
  // Placed and sized at WM_INITDIALOG.
  writer.Dialog(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, items, {}, params.Caption);
  if (withIcon) writer.Item(SS_ICON, kIconControlId, kStaticClass, "");
  writer.Item(SS_LEFT | SS_NOPREFIX, kTextControlId, kStaticClass, params.Text);
  for (std::size_t i = 0; i < params.Buttons.size(); ++i) {
    const std::uint32_t style =
        WS_TABSTOP | (static_cast<int>(i) == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    writer.Item(style, static_cast<std::uint16_t>(MessageDialogButtonId(params, i)), kButtonClass,
                params.Buttons[i].first);
  }
  return writer.Take();
}

tk::TModalResult RunOwnMessageDialog(HWND owner, const tk::TMessageDialogParams& params,
                                     HICON icon) {
  const std::vector<std::uint16_t> words = MessageDialogTemplate(params, icon != nullptr);
  DialogState state{params, icon};
  const INT_PTR id = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                             owner, DialogProc, reinterpret_cast<LPARAM>(&state));
  return MessageDialogResult(params, static_cast<int>(id));
}

}  // namespace win32ui
