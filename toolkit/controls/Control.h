#pragma once
// TControl: a rectangle inside a parent with caption, font, visibility and enabled state, fed
// with messages. Subclasses route their own messages in Dispatch and pass the rest to the base.

#include <memory>
#include <string>

#include "toolkit/controls/Messages.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/EnumNames.h"
#include "toolkit/graphics/Color.h"
#include "toolkit/graphics/Font.h"
#include "toolkit/graphics/Geometry.h"

namespace tk {

class TWinControl;
class TForm;
class TPopupMenu;

enum TControlStyleFlag : unsigned {
  csCaptureMouse = 0x01,
  csClickEvents = 0x02,
  csSetCaption = 0x04,
  csOpaque = 0x08,
  csDoubleClicks = 0x10,
  csReplicatable = 0x20,
};
enum TControlStateFlag : unsigned { csLButtonDown = 0x01, csClicked = 0x02 };

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
inline constexpr auto kAlignNames = EnumNames<TAlign>({{TAlign::alNone, "alNone"},
                                                       {TAlign::alTop, "alTop"},
                                                       {TAlign::alBottom, "alBottom"},
                                                       {TAlign::alLeft, "alLeft"},
                                                       {TAlign::alRight, "alRight"},
                                                       {TAlign::alClient, "alClient"},
                                                       {TAlign::alCustom, "alCustom"}});
enum class TDragMode { dmManual, dmAutomatic };
inline constexpr auto kDragModeNames = EnumNames<TDragMode>(
    {{TDragMode::dmManual, "dmManual"}, {TDragMode::dmAutomatic, "dmAutomatic"}});
enum class THelpType { htKeyword, htContext };
inline constexpr auto kHelpTypeNames = EnumNames<THelpType>(
    {{THelpType::htKeyword, "htKeyword"}, {THelpType::htContext, "htContext"}});
enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
inline constexpr auto kBiDiModeNames =
    EnumNames<TBiDiMode>({{TBiDiMode::bdLeftToRight, "bdLeftToRight"},
                          {TBiDiMode::bdRightToLeft, "bdRightToLeft"},
                          {TBiDiMode::bdRightToLeftNoAlign, "bdRightToLeftNoAlign"},
                          {TBiDiMode::bdRightToLeftReadingOnly, "bdRightToLeftReadingOnly"}});
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crDrag = -12;
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
inline constexpr auto kAnchorNames = SetMemberNames<TAnchorKind>(
    {{akLeft, "akLeft"}, {akTop, "akTop"}, {akRight, "akRight"}, {akBottom, "akBottom"}});

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, int, bool&>;
using TEndDragEvent = TEvent<TObject*, TObject*, int, int>;
using TStartDragEvent = TEvent<TObject*, TObject*&>;

// Size limits of a control (0: none). Kept for form text; the board's layout never changes.
class TSizeConstraints : public TPersistent {
 public:
  const char* ClassName() const override { return "TSizeConstraints"; }
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  // The form at the top of the parent chain, if any.
  TForm* ParentForm() const;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // The screen position of client pixel (0, 0), and conversions through it.
  virtual TPoint ClientOrigin() const;
  TPoint ScreenToClient(TPoint screen) const;
  TPoint ClientToScreen(TPoint client) const;

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  // Visible, and every parent up to a shown form visible too.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);

  const std::string& Caption() const { return FText; }
  void SetCaption(const std::string& text);

  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }
  void SetFont(const TFont& font) { FFont->Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);

  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }

  // Values kept for form text and for the widgets that read them.
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v) { FAlign = v; }
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors v) { FAnchors = v; }
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode v) { FBiDiMode = v; }
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool v) { FParentBiDiMode = v; }
  TSizeConstraints& Constraints() { return FConstraints; }
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode v) { FDragMode = v; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor v) { FDragCursor = v; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor v) { FCursor = v; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& v) { FHint = v; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool v) {
    FShowHint = v;
    FParentShowHint = false;
  }
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v) { FParentShowHint = v; }
  THelpType HelpType() const { return FHelpType; }
  void SetHelpType(THelpType v) { FHelpType = v; }
  const std::string& HelpKeyword() const { return FHelpKeyword; }
  void SetHelpKeyword(const std::string& v) { FHelpKeyword = v; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int v) { FHelpContext = v; }

  unsigned ControlStyle() const { return FControlStyle; }
  void SetControlStyle(unsigned style) { FControlStyle = style; }

  // While set, every mouse message of the parent window goes to this control.
  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // Repaint later (the parent's background is repainted beneath).
  virtual void Invalidate();
  // Repaint now.
  virtual void Repaint();
  // Paint whatever is pending in the parent window now.
  void Update();

  // Delivers a message to this control synchronously; returns its result.
  std::intptr_t Perform(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Routes a message to its handler; messages nobody handles go to DefaultHandler.
  virtual void Dispatch(TMessage& message);
  virtual void DefaultHandler(TMessage& message) {}

  // The accelerator test: the caption's `&` character equals `charCode` (ASCII case ignored).
  static bool IsAccel(unsigned charCode, const std::string& caption);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDrag;
  TStartDragEvent OnStartDrag;

  // Runs the click step as the mouse or keyboard would (fires OnClick).
  virtual void Click();
  virtual void DblClick();

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  // The base handling of each message.
  void WMMouseMove(TMessage& m);
  void WMLButtonDown(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMButtonDown(TMessage& m, TMouseButton button);
  void WMButtonUp(TMessage& m, TMouseButton button);
  void CMEnabledChanged(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMTextChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMParentFontChanged(TMessage& m);

  // The shift state from a mouse message's key bits, with Alt from the keyboard.
  static TShiftState KeysToShiftState(std::uintptr_t keys);

  unsigned FControlState = 0;

 private:
  friend class TWinControl;  // keeps FParent in step with its list of controls
  void LinkParent(TWinControl* parent) { FParent = parent; }
  void FontChanged(TObject* sender);

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FText;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FAssigningParentFont = false;
  TColor FColor = clWindow;
  TPopupMenu* FPopupMenu = nullptr;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors = akLeft | akTop;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FParentBiDiMode = true;
  TSizeConstraints FConstraints;
  TDragMode FDragMode = TDragMode::dmManual;
  TCursor FDragCursor = crDrag;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  THelpType FHelpType = THelpType::htContext;
  std::string FHelpKeyword;
  int FHelpContext = 0;
  unsigned FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
};

}  // namespace tk
