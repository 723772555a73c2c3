#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/gtk/GtkPopupMenu.h"
#include "tests/platform/gtk/DisplayFixture.h"
#include "toolkit/controls/Menus.h"

namespace gtkui::testing {
namespace {

// The board's menu: access keys, shortcuts, separators, a checked item; plus a disabled one.
class PopupMenuTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    if (IsSkipped()) return;
    Add("Save1", "保存(&S)...", tk::scCtrl | 'S');
    Add("M1", "メール送信(&M)...", tk::scCtrl | 'M');
    Add("N1", "-", 0);
    Add("D1", "ぜんぶ消去(&D)", tk::VK_DELETE);
    Add("N3", "-", 0);
    Add("S1", "常に手前に表示(&T)", 0)->SetChecked(true);
    Add("X1", "使えない(&X)", 0)->SetEnabled(false);
    Add("H1", "見えない(&H)", 0)->SetVisible(false);
  }

  tk::TMenuItem* Add(const char* name, const char* caption, tk::TShortCut shortCut) {
    auto* item = new tk::TMenuItem(&owner);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = tk::TNotifyEvent([this, name](tk::TObject*) { clicked.push_back(name); });
    menu->Items().Add(item);
    return item;
  }

  tk::TComponent owner{nullptr};
  tk::TPopupMenu* menu = new tk::TPopupMenu(&owner);
  std::vector<std::string> clicked;
};

struct ItemView {
  std::string kind;      // "item", "check", "separator"
  std::string caption;   // the mnemonic label
  std::string shortcut;  // the right-hand text
  bool active = false;
  bool sensitive = true;
  bool operator==(const ItemView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ItemView& v) {
  return out << v.kind << " '" << v.caption << "' '" << v.shortcut << "' active=" << v.active
             << " sensitive=" << v.sensitive;
}

std::vector<GtkWidget*> Children(GtkWidget* container) {
  std::vector<GtkWidget*> out;
  GList* list = gtk_container_get_children(GTK_CONTAINER(container));
  for (GList* it = list; it; it = it->next) out.push_back(GTK_WIDGET(it->data));
  g_list_free(list);
  return out;
}

ItemView Describe(GtkWidget* item) {
  ItemView view;
  view.sensitive = gtk_widget_get_sensitive(item);
  if (GTK_IS_SEPARATOR_MENU_ITEM(item)) {
    view.kind = "separator";
    return view;
  }
  view.kind = GTK_IS_CHECK_MENU_ITEM(item) ? "check" : "item";
  if (GTK_IS_CHECK_MENU_ITEM(item))
    view.active = gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(item));
  const std::vector<GtkWidget*> labels = Children(gtk_bin_get_child(GTK_BIN(item)));
  if (!labels.empty()) view.caption = gtk_label_get_label(GTK_LABEL(labels[0]));
  if (labels.size() > 1) view.shortcut = gtk_label_get_text(GTK_LABEL(labels[1]));
  return view;
}

TEST_F(PopupMenuTest, ListsTheItemsAsTheBoardShowsThem) {
  GtkWidget* gtkMenu = g_object_ref_sink(BuildGtkMenu(menu->Model().Items));
  std::vector<ItemView> seen;
  for (GtkWidget* item : Children(gtkMenu)) seen.push_back(Describe(item));
  const std::vector<ItemView> expected{
      {"item", "保存(_S)...", "Ctrl+S", false, true},
      {"item", "メール送信(_M)...", "Ctrl+M", false, true},
      {"separator", "", "", false, true},
      {"item", "ぜんぶ消去(_D)", "Del", false, true},
      {"separator", "", "", false, true},
      {"check", "常に手前に表示(_T)", "", true, true},
      {"item", "使えない(_X)", "", false, false},
  };
  EXPECT_EQ(seen, expected);
  gtk_widget_destroy(gtkMenu);
  g_object_unref(gtkMenu);
}

TEST_F(PopupMenuTest, AChosenItemRunsAfterTheMenuHasClosedAndTheMenuIsDestroyed) {
  ShowPopupMenu(menu->Model(), gdk_get_default_root_window(), {100, 100});
  ASSERT_TRUE(RunUntil([] { return ShownMenu() != nullptr; }));
  GtkWidget* shown = ShownMenu();
  GObject* weak = G_OBJECT(shown);
  g_object_add_weak_pointer(weak, reinterpret_cast<gpointer*>(&weak));
  // The check item: GTK toggles its own widget, the toolkit's state is the handler's business.
  GtkWidget* check = Children(shown)[5];
  bool visibleWhenClicked = true;
  menu->Items().Items(5)->OnClick = tk::TNotifyEvent([&](tk::TObject*) {
    clicked.push_back("S1");
    visibleWhenClicked = weak && gtk_widget_get_visible(GTK_WIDGET(weak));
  });
  gtk_menu_shell_activate_item(GTK_MENU_SHELL(shown), check, TRUE);
  EXPECT_TRUE(clicked.empty());  // not from inside GTK's activation
  ASSERT_TRUE(RunUntil([&] { return !clicked.empty() && weak == nullptr; }));
  EXPECT_EQ(clicked, std::vector<std::string>{"S1"});
  EXPECT_FALSE(visibleWhenClicked);
  EXPECT_TRUE(menu->Items().Items(5)->Checked());
}

TEST_F(PopupMenuTest, ManyOpeningsLeaveNoMenusBehind) {
  std::vector<GObject*> menus;
  for (int i = 0; i < 5; ++i) {
    ShowPopupMenu(menu->Model(), gdk_get_default_root_window(), {50 + i, 50});
    ASSERT_TRUE(RunUntil([] { return ShownMenu() != nullptr; }));
    GtkWidget* shown = ShownMenu();
    menus.push_back(G_OBJECT(shown));
    g_object_add_weak_pointer(menus.back(), reinterpret_cast<gpointer*>(&menus.back()));
    gtk_menu_shell_deactivate(GTK_MENU_SHELL(shown));
    ASSERT_TRUE(RunUntil([&] { return menus.back() == nullptr; })) << i;
  }
  EXPECT_TRUE(clicked.empty());
}

}  // namespace
}  // namespace gtkui::testing
