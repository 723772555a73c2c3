#include <glib/gstdio.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/gtk/GtkDialogs.h"
#include "tests/platform/gtk/DisplayFixture.h"
#include "toolkit/controls/Application.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/GraphicControl.h"

namespace gtkui::testing {
namespace {

struct DialogView {
  std::string title;
  std::string text;
  GtkMessageType type = GTK_MESSAGE_OTHER;
  std::string icon;  // the icon name shown, empty for none
  std::vector<std::string> buttons;
  std::string defaultButton;
};

std::string IconOf(GtkWidget* dialog) {
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  GtkWidget* image = gtk_message_dialog_get_image(GTK_MESSAGE_DIALOG(dialog));
  G_GNUC_END_IGNORE_DEPRECATIONS
  if (!image || !GTK_IS_IMAGE(image) || !gtk_widget_get_visible(image)) return "";
  const gchar* name = nullptr;
  gtk_image_get_icon_name(GTK_IMAGE(image), &name, nullptr);
  return name ? name : "";
}

DialogView Describe(GtkWidget* dialog) {
  DialogView view;
  view.title = gtk_window_get_title(GTK_WINDOW(dialog));
  gchar* text = nullptr;
  g_object_get(dialog, "text", &text, "message-type", &view.type, nullptr);
  view.text = text ? text : "";
  g_free(text);
  view.icon = IconOf(dialog);
  // The buttons as the user sees them, in the area GTK 3 still lays them out in.
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  GtkWidget* area = gtk_dialog_get_action_area(GTK_DIALOG(dialog));
  G_GNUC_END_IGNORE_DEPRECATIONS
  GList* buttons = gtk_container_get_children(GTK_CONTAINER(area));
  for (GList* it = buttons; it; it = it->next) {
    const std::string label = gtk_button_get_label(GTK_BUTTON(it->data));
    view.buttons.push_back(label);
    if (gtk_widget_has_default(GTK_WIDGET(it->data))) view.defaultButton = label;
  }
  g_list_free(buttons);
  return view;
}

class DialogTest : public DisplayTest {};

tk::TMessageDialogParams OverwriteQuestion() {
  tk::TMessageDialogParams p;
  p.Caption = "確認";
  p.Text = "/tmp/x.jpg は既に存在します。\n上書きしますか？";
  p.Type = tk::TMsgDlgType::mtConfirmation;
  p.Buttons = {{"はい(&Y)", tk::TModalResult::mrYes}, {"いいえ(&N)", tk::TModalResult::mrNo}};
  p.DefaultButton = tk::TModalResult::mrYes;
  p.CancelResult = tk::TModalResult::mrNo;
  return p;
}

TEST_F(DialogTest, TheOverwriteQuestionLooksAsAsked) {
  DialogView view;
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [&](GtkWidget* dialog) {
    view = Describe(dialog);
    gtk_dialog_response(GTK_DIALOG(dialog), 0);
  });
  EXPECT_EQ(platform->MessageDialog(OverwriteQuestion()), tk::TModalResult::mrYes);
  EXPECT_EQ(view.title, "確認");
  EXPECT_EQ(view.text, "/tmp/x.jpg は既に存在します。\n上書きしますか？");
  EXPECT_EQ(view.type, GTK_MESSAGE_QUESTION);
  EXPECT_EQ(view.icon, "dialog-question");
  EXPECT_EQ(view.buttons, (std::vector<std::string>{"はい(_Y)", "いいえ(_N)"}));
  EXPECT_EQ(view.defaultButton, "はい(_Y)");
}

struct ResponseCase {
  const char* name;
  int response;
  tk::TModalResult result;
};

class DialogResponseTest : public DisplayTest,
                           public ::testing::WithParamInterface<ResponseCase> {};

// Esc and the window's close button both end in GTK_RESPONSE_DELETE_EVENT.
TEST_P(DialogResponseTest, EachAnswerGivesItsResult) {
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [&](GtkWidget* dialog) {
    gtk_dialog_response(GTK_DIALOG(dialog), GetParam().response);
  });
  EXPECT_EQ(platform->MessageDialog(OverwriteQuestion()), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Answers, DialogResponseTest,
                         ::testing::Values(ResponseCase{"Yes", 0, tk::TModalResult::mrYes},
                                           ResponseCase{"No", 1, tk::TModalResult::mrNo},
                                           ResponseCase{"EscOrClose", GTK_RESPONSE_DELETE_EVENT,
                                                        tk::TModalResult::mrNo}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, EscapeKeyAnswersWithTheCancelResult) {
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [](GtkWidget* dialog) {
    gint x = 0;
    gint y = 0;
    gdk_window_get_origin(gtk_widget_get_window(dialog), &x, &y);
    FakeKey({x + 10, y + 10}, GDK_KEY_Escape);
  });
  EXPECT_EQ(platform->MessageDialog(OverwriteQuestion()), tk::TModalResult::mrNo);
}

TEST_F(DialogTest, ANoticeHasNoIconAndOneOkButton) {
  DialogView view;
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [&](GtkWidget* dialog) {
    view = Describe(dialog);
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_DELETE_EVENT);
  });
  tk::Application().SetTitle("ぽてりんこ");
  tk::ShowMessage("お使いのメーラーを設定してください。");
  EXPECT_EQ(view.title, "ぽてりんこ");
  EXPECT_EQ(view.icon, "");
  EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
}

TEST_F(DialogTest, TheErrorReportHasTheErrorIconTitleAndOneOk) {
  DialogView view;
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [&](GtkWidget* dialog) {
    view = Describe(dialog);
    gtk_dialog_response(GTK_DIALOG(dialog), 0);
  });
  platform->ShowErrorBox("ぽてりんこ", "ビットマップイメージが不正です.");
  EXPECT_EQ(view.title, "ぽてりんこ");
  EXPECT_EQ(view.text, "ビットマップイメージが不正です.");
  EXPECT_EQ(view.type, GTK_MESSAGE_ERROR);
  EXPECT_EQ(view.icon, "dialog-error");
  EXPECT_EQ(view.buttons, std::vector<std::string>{"OK"});
}

// A control whose painting fails once.
class FailingPaint : public tk::TGraphicControl {
 public:
  using tk::TGraphicControl::TGraphicControl;
  int paints = 0;

 protected:
  void Paint() override {
    if (++paints == 1) throw std::runtime_error("JPEG エラー #42");
  }
};

// The report waits until the window has finished drawing; the window goes on working.
TEST_F(DialogTest, AnErrorWhilePaintingIsReportedAfterTheFrame) {
  tk::Application().SetTitle("ぽてりんこ");
  tk::TForm form(nullptr);
  form.SetBounds(40, 40, 60, 40);
  auto* control = new FailingPaint(&form);
  control->SetParent(&form);
  control->SetBounds(0, 0, 20, 20);
  DialogView view;
  AnswerNextDialog(GTK_TYPE_MESSAGE_DIALOG, [&](GtkWidget* dialog) {
    view = Describe(dialog);
    gtk_dialog_response(GTK_DIALOG(dialog), 0);
  });
  form.Show();
  ASSERT_TRUE(RunUntil([&] { return !view.title.empty(); }));
  EXPECT_EQ(view.text, "JPEG エラー #42.");
  control->Invalidate();
  EXPECT_TRUE(RunUntil([&] { return control->paints >= 2; }));
}

// The chooser accepts a name only once it has loaded the folder it shows.
constexpr int kFolderLoaded = 500;

class SaveDialogTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    folder = g_dir_make_tmp("poterinko-save-XXXXXX", nullptr);
  }
  void TearDown() override {
    g_rmdir(folder);
    g_free(folder);
  }
  tk::TSaveDialogParams BoardParams() const {
    return {"JPEG ファイル (*.jpg;*.jpeg)|*.jpg;*.jpeg", "jpg", std::string(folder) + "/last.jpg",
            ""};
  }
  gchar* folder = nullptr;
};

TEST_F(SaveDialogTest, OffersTheLastPathAndGivesTheChosenOne) {
  std::string offeredName, offeredFolder, filterName;
  gboolean confirms = TRUE;
  bool hasPreview = false;
  AnswerNextDialog(
      GTK_TYPE_FILE_CHOOSER_DIALOG,
      [&](GtkWidget* dialog) {
        GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
        gchar* name = gtk_file_chooser_get_current_name(chooser);
        offeredName = name ? name : "";
        g_free(name);
        gchar* current = gtk_file_chooser_get_current_folder(chooser);
        offeredFolder = current ? current : "";
        g_free(current);
        filterName = gtk_file_filter_get_name(gtk_file_chooser_get_filter(chooser));
        confirms = gtk_file_chooser_get_do_overwrite_confirmation(chooser);
        hasPreview = gtk_file_chooser_get_preview_widget(chooser) != nullptr;
        gtk_file_chooser_set_current_name(chooser, "board");
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
      },
      kFolderLoaded);
  const auto chosen = platform->SaveDialog(BoardParams());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, std::string(folder) + "/board");  // TSavePictureDialog adds ".jpg"
  EXPECT_EQ(offeredName, "last.jpg");
  EXPECT_EQ(offeredFolder, folder);
  EXPECT_EQ(filterName, "JPEG ファイル (*.jpg;*.jpeg)");
  EXPECT_FALSE(confirms);  // the program asks its own question
  EXPECT_TRUE(hasPreview);
}

TEST_F(SaveDialogTest, ANameWithAnExtensionIsKept) {
  AnswerNextDialog(
      GTK_TYPE_FILE_CHOOSER_DIALOG,
      [&](GtkWidget* dialog) {
        gtk_file_chooser_set_current_name(GTK_FILE_CHOOSER(dialog), "board.JPEG");
        gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
      },
      kFolderLoaded);
  EXPECT_EQ(platform->SaveDialog(BoardParams()), std::string(folder) + "/board.JPEG");
}

TEST_F(SaveDialogTest, CancelGivesNothing) {
  AnswerNextDialog(GTK_TYPE_FILE_CHOOSER_DIALOG, [](GtkWidget* dialog) {
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
  });
  EXPECT_FALSE(platform->SaveDialog(BoardParams()).has_value());
}

}  // namespace
}  // namespace gtkui::testing
