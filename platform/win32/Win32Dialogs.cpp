#include "platform/win32/Win32Dialogs.h"

#include <vector>

#include "platform/win32/FileFilter.h"
#include "platform/win32/OwnMessageDialog.h"
#include "platform/win32/SavePreviewPane.h"
#include "platform/win32/TaskModal.h"
#include "platform/win32/WinText.h"

#include <windows.h>

#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>

namespace win32ui {

namespace {

using TaskDialogIndirectFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFunction TaskDialogEntry() {
  // With the program's manifest the process loads common controls 6, which has the entry;
  // version 5 has not. The library stays loaded for the rest of the run.
  static const TaskDialogIndirectFunction entry = [] {
    HMODULE module = LoadLibraryW(L"comctl32.dll");
    return module ? reinterpret_cast<TaskDialogIndirectFunction>(
                        reinterpret_cast<void*>(GetProcAddress(module, "TaskDialogIndirect")))
                  : nullptr;
  }();
  return entry;
}

HICON IconOf(tk::TMsgDlgType type) {
  switch (type) {
    case tk::TMsgDlgType::mtWarning:
      return LoadIconW(nullptr, MAKEINTRESOURCEW(32515));  // IDI_WARNING
    case tk::TMsgDlgType::mtError: return LoadIconW(nullptr, MAKEINTRESOURCEW(32513));  // IDI_ERROR
    case tk::TMsgDlgType::mtInformation:
      return LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
    case tk::TMsgDlgType::mtConfirmation:
      return LoadIconW(nullptr, MAKEINTRESOURCEW(32514));  // IDI_QUESTION
    case tk::TMsgDlgType::mtCustom: break;
  }
  return nullptr;
}

std::optional<tk::TModalResult> RunTaskDialog(HWND owner, const tk::TMessageDialogParams& params,
                                              HICON icon) {
  const TaskDialogIndirectFunction entry = TaskDialogEntry();
  if (!entry) return std::nullopt;
  const std::wstring caption = Utf8ToWide(params.Caption);
  const std::wstring text = Utf8ToWide(params.Text);
  std::vector<std::wstring> labels;
  std::vector<TASKDIALOG_BUTTON> buttons;
  for (const auto& button : params.Buttons) labels.push_back(Utf8ToWide(button.first));
  int defaultId = 0;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const int id = MessageDialogButtonId(params, i);
    buttons.push_back({id, labels[i].c_str()});
    if (params.Buttons[i].second == params.DefaultButton && !defaultId) defaultId = id;
  }
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  // Without TDF_POSITION_RELATIVE_TO_WINDOW the dialog is centred on the screen.
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | (icon ? TDF_USE_HICON_MAIN : 0);
  config.pszWindowTitle = caption.c_str();
  config.hMainIcon = icon;
  config.pszContent = text.c_str();
  config.cButtons = static_cast<UINT>(buttons.size());
  config.pButtons = buttons.data();
  config.nDefaultButton = defaultId;
  int pressed = 0;
  if (FAILED(entry(&config, &pressed, nullptr, nullptr))) return std::nullopt;
  return MessageDialogResult(params, pressed);
}

}  // namespace

bool TaskDialogAvailable() { return TaskDialogEntry() != nullptr; }

int MessageDialogButtonId(const tk::TMessageDialogParams& params, std::size_t index) {
  for (std::size_t i = 0; i < params.Buttons.size(); ++i) {
    if (params.Buttons[i].second == params.CancelResult) {
      if (i == index) return IDCANCEL;
      break;  // only the first such button
    }
  }
  return kFirstButtonId + static_cast<int>(index);
}

tk::TModalResult MessageDialogResult(const tk::TMessageDialogParams& params, int id) {
  for (std::size_t i = 0; i < params.Buttons.size(); ++i)
    if (MessageDialogButtonId(params, i) == id) return params.Buttons[i].second;
  // Esc or the close button where no button answers as Esc does.
  return params.CancelResult;
}

tk::TModalResult RunMessageDialog(HWND owner, const tk::TMessageDialogParams& params,
                                  TDialogKind kind) {
  TTaskModal modal;
  HICON icon = IconOf(params.Type);
  if (kind == TDialogKind::kTaskDialog) {
    if (const auto result = RunTaskDialog(owner, params, icon)) return *result;
  }
  return RunOwnMessageDialog(owner, params, icon);
}

void RunErrorBox(HWND owner, const std::string& caption, const std::string& text) {
  TTaskModal modal;
  MessageBoxW(owner, Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

std::optional<std::string> RunSaveDialog(HWND owner, const tk::TSaveDialogParams& params) {
  const std::wstring filter = FilterForFileDialog(params.Filter);
  const std::wstring defaultExt = Utf8ToWide(params.DefaultExt);
  const std::wstring title = Utf8ToWide(params.Title);
  // Room for the longest path the system takes.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring initial = Utf8ToWide(params.FileName);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // The command asks the overwrite question itself.
  dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
  TSavePreviewPane preview;
  preview.Attach(dialog);

  TTaskModal modal;
  BOOL chosen = GetSaveFileNameW(&dialog);
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME) {
    // The name offered again is no longer a valid one (a folder that went away): offer none.
    file.assign(file.size(), L'\0');
    chosen = GetSaveFileNameW(&dialog);
  }
  if (!chosen) return std::nullopt;
  return WideToUtf8(file.data());
}

}  // namespace win32ui
