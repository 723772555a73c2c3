#pragma once
// Popup menus: items with captions (an "&" marks the access key, "-" is a separator), shortcut
// keys, check marks and click handlers.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/core/Component.h"
#include "toolkit/core/EnumNames.h"
#include "toolkit/graphics/Geometry.h"
#include "toolkit/platform/MenuModel.h"

namespace tk {

// A virtual-key code plus modifier bits.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// "Ctrl+S", "Del", "Shift+F10", ... as a menu shows it; empty for 0.
std::string ShortCutToText(TShortCut shortCut);

class TPopupMenu;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  const char* ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption) { FCaption = caption; }
  bool IsLine() const { return FCaption == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut) { FShortCut = shortCut; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked) { FChecked = checked; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { FEnabled = enabled; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) { FVisible = visible; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems[static_cast<std::size_t>(index)]; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);

  // Runs the item's command (fires OnClick) when it is enabled.
  virtual void Click();

  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;

  TNotifyEvent OnClick;

 private:
  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParentItem = nullptr;
  TPopupMenu* FMenu = nullptr;  // set on a menu's root item
  friend class TPopupMenu;
};

enum class TMenuAutoFlag { maAutomatic, maManual, maParent };
inline constexpr auto kMenuAutoFlagNames =
    EnumNames<TMenuAutoFlag>({{TMenuAutoFlag::maAutomatic, "maAutomatic"},
                              {TMenuAutoFlag::maManual, "maManual"},
                              {TMenuAutoFlag::maParent, "maParent"}});

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  const char* ClassName() const override { return "TPopupMenu"; }

  TMenuItem& Items() { return *FItems; }
  const TMenuItem& Items() const { return *FItems; }
  // With maManual the captions' own access keys are used and none are added.
  TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag v) { FAutoHotkeys = v; }

  // Shows the menu with its top-left corner at a screen point.
  void Popup(TPoint screen);
  // The items as the platform shows them; each entry's Click clicks its item.
  TMenuModel Model() const;

  // The enabled item, at any depth, whose shortcut is `shortCut`.
  TMenuItem* FindShortCut(TShortCut shortCut) const;

  TNotifyEvent OnPopup;

 private:
  std::unique_ptr<TMenuItem> FItems;
  TMenuAutoFlag FAutoHotkeys = TMenuAutoFlag::maAutomatic;
};

}  // namespace tk
