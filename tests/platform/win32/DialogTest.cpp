// The modal dialogs on real windows: the confirmation's own button labels in both
// implementations, the error report's message box, the save dialog. Each is answered from a
// timer while its modal loop runs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/win32/OwnMessageDialog.h"
#include "platform/win32/SavePreviewPane.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/WinText.h"
#include "tests/platform/win32/WindowFixture.h"
#include "tests/support/BmpBuilder.h"
#include "tests/support/TempFolder.h"
#include "toolkit/controls/Dialogs.h"

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

namespace win32ui::test {
namespace {

tk::TMessageDialogParams Confirmation() {
  tk::TMessageDialogParams p;
  p.Caption = "確認";
  p.Text = "C:\\board.jpg は既に存在します。\n上書きしますか？";
  p.Type = tk::TMsgDlgType::mtConfirmation;
  p.Buttons = {{"はい(&Y)", tk::TModalResult::mrYes}, {"いいえ(&N)", tk::TModalResult::mrNo}};
  p.DefaultButton = tk::TModalResult::mrYes;
  p.CancelResult = tk::TModalResult::mrNo;
  return p;
}

HWND FindDialog(const std::wstring& caption) { return FindThreadWindow(L"#32770", &caption); }

// Every window of the thread (the application window and the dialog's owner included) is
// disabled while a dialog modal to the program is open; only the dialog itself takes input.
struct Seen {
  std::wstring yes, no;
  bool ownerEnabled = true;
};

enum class Reply { Yes, No, Escape, Enter, CloseButton };

struct DialogCase {
  TDialogKind Kind;
  Reply Answer;
  tk::TModalResult Expected;
};

void PrintTo(const DialogCase& c, std::ostream* os) {
  static const char* const kAnswers[] = {"Yes", "No", "Escape", "Enter", "CloseButton"};
  *os << (c.Kind == TDialogKind::kTaskDialog ? "TaskDialog" : "OwnDialog") << "_"
      << kAnswers[static_cast<int>(c.Answer)];
}

class ConfirmationDialog : public testing::TestWithParam<DialogCase> {
 protected:
  void SetUp() override {
    if (GetParam().Kind == TDialogKind::kTaskDialog && !TaskDialogAvailable())
      GTEST_SKIP() << "no task dialog in this system's common controls";
  }
};

TEST_P(ConfirmationDialog, ShowsOurLabelsAndAnswersAsTheUserChose) {
  TWin32Platform& platform = SharedPlatform();
  HWND owner = platform.ApplicationWindow();
  Seen seen;
  const Reply answer = GetParam().Answer;
  // Keys go to the focused control: answer once the dialog has taken the focus.
  AnswerWhenShown(
      [] {
        HWND dialog = FindDialog(L"確認");
        HWND focus = GetFocus();
        return dialog && focus && (focus == dialog || IsChild(dialog, focus)) ? dialog : nullptr;
      },
      [&](HWND dialog) {
        // "No" answers as Esc does: it carries IDCANCEL, which Esc presses.
        HWND yes = GetDlgItem(dialog, kFirstButtonId);
        HWND no = GetDlgItem(dialog, IDCANCEL);
        seen.yes = WindowText(yes);
        seen.no = WindowText(no);
        seen.ownerEnabled = IsWindowEnabled(owner) != FALSE;
        switch (answer) {
          case Reply::Yes: PostMessageW(yes, BM_CLICK, 0, 0); break;
          case Reply::No: PostMessageW(no, BM_CLICK, 0, 0); break;
          case Reply::Escape: PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001); break;
          case Reply::Enter: PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001); break;
          case Reply::CloseButton: PostMessageW(dialog, WM_CLOSE, 0, 0); break;
        }
      });
  const tk::TModalResult result = RunMessageDialog(owner, Confirmation(), GetParam().Kind);
  EXPECT_FALSE(AnswerPending());
  EXPECT_EQ(seen.yes, L"はい(&Y)");
  EXPECT_EQ(seen.no, L"いいえ(&N)");
  EXPECT_FALSE(seen.ownerEnabled);
  EXPECT_EQ(result, GetParam().Expected);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

using enum Reply;
using tk::TModalResult;
constexpr TDialogKind kTask = TDialogKind::kTaskDialog;
constexpr TDialogKind kOwn = TDialogKind::kOwnDialog;

INSTANTIATE_TEST_SUITE_P(Answers, ConfirmationDialog,
                         testing::Values(DialogCase{kTask, Yes, TModalResult::mrYes},
                                         DialogCase{kTask, No, TModalResult::mrNo},
                                         DialogCase{kTask, Escape, TModalResult::mrNo},
                                         DialogCase{kTask, Enter, TModalResult::mrYes},
                                         DialogCase{kTask, CloseButton, TModalResult::mrNo},
                                         DialogCase{kOwn, Yes, TModalResult::mrYes},
                                         DialogCase{kOwn, No, TModalResult::mrNo},
                                         DialogCase{kOwn, Escape, TModalResult::mrNo},
                                         DialogCase{kOwn, Enter, TModalResult::mrYes},
                                         DialogCase{kOwn, CloseButton, TModalResult::mrNo}),
                         [](const auto& info) {
                           std::ostringstream name;
                           PrintTo(info.param, &name);
                           return name.str();
                         });

// The dialog of our own: its question icon, its text, the default button with the focus, and
// its place in the middle of the screen.
TEST(OwnMessageDialog, HasTheIconTheTextAndTheDefaultButtonCentredOnTheScreen) {
  TWin32Platform& platform = SharedPlatform();
  bool checked = false;
  AnswerWhenShown([] { return FindDialog(L"確認"); },
                  [&](HWND dialog) {
                    checked = true;
                    EXPECT_NE(SendDlgItemMessageW(dialog, kIconControlId, STM_GETICON, 0, 0), 0);
                    EXPECT_EQ(WindowText(GetDlgItem(dialog, kTextControlId)),
                              Utf8ToWide(Confirmation().Text));
                    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kFirstButtonId));
                    EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), kFirstButtonId);
                    RECT r{}, work{};
                    GetWindowRect(dialog, &r);
                    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
                    EXPECT_LE(std::abs((r.left + r.right) - (work.left + work.right)), 1);
                    EXPECT_LE(std::abs((r.top + r.bottom) - (work.top + work.bottom)), 1);
                    // Both buttons lie inside the dialog, side by side.
                    RECT yes{}, no{};
                    GetWindowRect(GetDlgItem(dialog, kFirstButtonId), &yes);
                    GetWindowRect(GetDlgItem(dialog, IDCANCEL), &no);
                    EXPECT_LT(yes.right, no.left);
                    EXPECT_GE(yes.left, r.left);
                    EXPECT_LE(no.right, r.right);
                    PostMessageW(dialog, WM_COMMAND, kFirstButtonId, 0);
                  });
  EXPECT_EQ(RunMessageDialog(platform.ApplicationWindow(), Confirmation(), TDialogKind::kOwnDialog),
            tk::TModalResult::mrYes);
  EXPECT_TRUE(checked);
}

TEST(OwnMessageDialog, ANoticeHasNoIcon) {
  tk::TMessageDialogParams p;
  p.Caption = "ぽてりんこ";
  p.Text = "お知らせ";
  p.Type = tk::TMsgDlgType::mtCustom;
  p.Buttons = {{"OK", tk::TModalResult::mrOk}};
  p.DefaultButton = p.CancelResult = tk::TModalResult::mrOk;
  // The template holds the text and the button only.
  const std::vector<std::uint16_t> words = MessageDialogTemplate(p, false);
  ASSERT_GT(words.size(), 5u);
  EXPECT_EQ(words[4], 2u);  // DLGTEMPLATE.cdit
  bool checked = false;
  AnswerWhenShown([] { return FindDialog(L"ぽてりんこ"); },
                  [&](HWND dialog) {
                    checked = true;
                    EXPECT_EQ(GetDlgItem(dialog, kIconControlId), nullptr);
                    // The one button answers as Esc does.
                    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDCANCEL)), L"OK");
                    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
                  });
  EXPECT_EQ(RunOwnMessageDialog(SharedPlatform().ApplicationWindow(), p, nullptr),
            tk::TModalResult::mrOk);
  EXPECT_TRUE(checked);
}

TEST(ErrorBox, IsAMessageBoxOfTheApplicationWindowWithTheTitleAndText) {
  TWin32Platform& platform = SharedPlatform();
  HWND app = platform.ApplicationWindow();
  std::wstring text;
  HWND owner = nullptr;
  bool appEnabled = true;
  AnswerWhenShown([] { return FindDialog(L"ぽてりんこ"); },
                  [&](HWND box) {
                    // A message box keeps its text in the static control 0xFFFF.
                    text = WindowText(GetDlgItem(box, 0xFFFF));
                    owner = GetWindow(box, GW_OWNER);
                    appEnabled = IsWindowEnabled(app) != FALSE;
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                  });
  RunErrorBox(app, "ぽてりんこ", "ビットマップイメージが不正です.");
  EXPECT_EQ(text, L"ビットマップイメージが不正です.");
  EXPECT_EQ(owner, app);
  EXPECT_FALSE(appEnabled);
  EXPECT_TRUE(IsWindowEnabled(app));
}

// The common save dialog: our filter and default extension; a name typed without an extension
// comes back with ".jpg".
class SaveDialog : public testing::Test {
 protected:
  std::optional<std::string> Run(const std::wstring& typed) {
    tk::TSaveDialogParams params{"JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg", "jpg", "", ""};
    AnswerWhenShown(
        [] { return FindThreadWindow(L"#32770"); },
        [&](HWND dialog) {
          if (typed.empty()) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            return;
          }
          SendMessageW(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(typed.c_str()));
          SendMessageW(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(typed.c_str()));
          PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
    return RunSaveDialog(SharedPlatform().ApplicationWindow(), params);
  }
  tk::test::TempFolder folder;
};

TEST_F(SaveDialog, ANameWithoutExtensionGetsJpg) {
  const std::string chosen = Run(Utf8ToWide(folder.Path("board"))).value_or("(cancelled)");
  EXPECT_EQ(chosen, folder.Path("board.jpg"));
}

TEST_F(SaveDialog, AJpegExtensionIsKept) {
  const std::string chosen = Run(Utf8ToWide(folder.Path("board.jpeg"))).value_or("(cancelled)");
  EXPECT_EQ(chosen, folder.Path("board.jpeg"));
}

TEST_F(SaveDialog, CancelGivesNothing) { EXPECT_FALSE(Run(L"").has_value()); }

struct DescendantSearch {
  const std::function<bool(HWND)>& Wanted;
  HWND Found = nullptr;
};

BOOL CALLBACK CheckDescendant(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<DescendantSearch*>(data);
  if (search.Wanted(window)) search.Found = window;
  return search.Found == nullptr;
}

HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& wanted) {
  DescendantSearch search{wanted};
  EnumChildWindows(parent, CheckDescendant, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// What the preview pane shows after the user selects a file in the dialog's own file list.
struct PreviewSeen {
  std::wstring Caption;
  std::vector<std::uint32_t> Pixels;
  int Width = 0, Height = 0;
  std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y * Width + x)]; }
};

PreviewSeen SelectAndLook(HWND dialog, const wchar_t* name) {
  HWND list = FindDescendant(dialog, [](HWND w) { return ClassNameOf(w) == L"SysListView32"; });
  HWND pane =
      FindDescendant(dialog, [](HWND w) { return GetDlgItem(w, kPreviewPictureId) != nullptr; });
  PreviewSeen seen;
  if (!list || !pane) return seen;
  // Starts with the name whether or not the view shows extensions.
  LVFINDINFOW find{};
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = name;
  const auto index =
      SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = 0;  // only the one named stays selected
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  HWND picture = GetDlgItem(pane, kPreviewPictureId);
  seen.Caption = WindowText(GetDlgItem(pane, kPreviewCaptionId));
  RECT box{};
  GetClientRect(picture, &box);
  seen.Width = box.right;
  seen.Height = box.bottom;
  seen.Pixels = PrintClient(picture);
  return seen;
}

TEST_F(SaveDialog, PreviewShowsTheSelectedPictureScaledToFitAndNothingForOtherFiles) {
  // 200 x 100: the left half red, the right half blue.
  std::vector<std::uint32_t> row(200, 0x0000FFu);
  std::fill(row.begin(), row.begin() + 100, 0xFF0000u);
  tk::test::BmpFields f;
  f.width = 200;
  f.height = 100;
  f.pixels = tk::test::PackRows(std::vector(100, row), 24);
  const std::vector<std::uint8_t> bmp = tk::test::BuildBmp(f);
  std::ofstream(folder.Path("two.bmp"), std::ios::binary)
      .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  std::ofstream(folder.Path("notes.txt")) << "not a picture";

  PreviewSeen picture, text;
  AnswerWhenShown([] { return FindThreadWindow(L"#32770"); },
                  [&](HWND dialog) {
                    picture = SelectAndLook(dialog, L"two");
                    text = SelectAndLook(dialog, L"notes");
                    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  });
  const tk::TSaveDialogParams params{"All|*.*", "jpg", folder.Path("board.jpg"), ""};
  EXPECT_FALSE(RunSaveDialog(SharedPlatform().ApplicationWindow(), params).has_value());

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t background =
      (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  ASSERT_GT(picture.Width, 0) << "no preview pane or file list found";
  EXPECT_EQ(picture.Caption, L"200 × 100");
  // Scaled to fit the box, proportions kept, centred.
  const tk::TPreviewSize shown = tk::FitWithin(200, 100, std::min(picture.Width, picture.Height));
  const int left = (picture.Width - shown.Width) / 2;
  const int top = (picture.Height - shown.Height) / 2;
  const int middle = top + shown.Height / 2;
  ASSERT_GE(top, 2) << "a 2:1 picture leaves room above it in the square-ish box";
  EXPECT_EQ(picture.At(left + 1, middle), 0xFF0000u);
  EXPECT_EQ(picture.At(left + shown.Width / 2 - 2, middle), 0xFF0000u);
  EXPECT_EQ(picture.At(left + shown.Width / 2 + 2, middle), 0x0000FFu);
  EXPECT_EQ(picture.At(left + shown.Width - 2, middle), 0x0000FFu);
  EXPECT_EQ(picture.At(0, 0), background);
  EXPECT_EQ(picture.At(left + 1, top - 2), background);

  EXPECT_EQ(text.Caption, L"");
  ASSERT_FALSE(text.Pixels.empty());
  EXPECT_EQ(std::count(text.Pixels.begin(), text.Pixels.end(), background),
            static_cast<std::ptrdiff_t>(text.Pixels.size()));
}

}  // namespace
}  // namespace win32ui::test
