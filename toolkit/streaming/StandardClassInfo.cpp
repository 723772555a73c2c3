#include "toolkit/streaming/StandardClassInfo.h"

#include "toolkit/codecs/BmpReader.h"
#include "toolkit/codecs/BmpWriter.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Shape.h"
#include "toolkit/controls/SpeedButton.h"

namespace tk {

const TClassInfo& FontClassInfo() {
  using F = TFont;
  static const TClassInfo info =
      TClassBuilder<F>("TFont")
          .Charset("Charset", &F::Charset, &F::SetCharset, kNoDefault)
          .Color("Color", &F::Color, &F::SetColor, kNoDefault)
          .Integer("Height", &F::Height, &F::SetHeight, kNoDefault)
          .String("Name", &F::Name, &F::SetName, kNoDefault)
          .Enum("Pitch", kFontPitchNames, &F::Pitch, &F::SetPitch)
          .Set("Style", kFontStyleNames, &F::Style, &F::SetStyle, kNoDefault)
          .Build();
  return info;
}

const TClassInfo& PenClassInfo() {
  static const TClassInfo info = TClassBuilder<TPen>("TPen")
                                     .Color("Color", &TPen::Color, &TPen::SetColor)
                                     .Enum("Style", kPenStyleNames, &TPen::Style, &TPen::SetStyle)
                                     .Integer("Width", &TPen::Width, &TPen::SetWidth)
                                     .Build();
  return info;
}

const TClassInfo& BrushClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBrush>("TBrush")
          .Color("Color", &TBrush::Color, &TBrush::SetColor)
          .Enum("Style", kBrushStyleNames, &TBrush::Style, &TBrush::SetStyle)
          .Build();
  return info;
}

const TClassInfo& ConstraintsClassInfo() {
  using C = TSizeConstraints;
  static const TClassInfo info = TClassBuilder<C>("TSizeConstraints")
                                     .Integer("MaxHeight", &C::MaxHeight, &C::MaxHeight)
                                     .Integer("MaxWidth", &C::MaxWidth, &C::MaxWidth)
                                     .Integer("MinHeight", &C::MinHeight, &C::MinHeight)
                                     .Integer("MinWidth", &C::MinWidth, &C::MinWidth)
                                     .Build();
  return info;
}

namespace {

std::vector<std::uint8_t> BitmapData(const TBitmap& bitmap) {
  std::vector<std::uint8_t> file = EncodeBmp(bitmap);
  if (file.empty()) return file;
  const auto size = static_cast<std::uint32_t>(file.size());
  std::vector<std::uint8_t> data = {
      static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
      static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  data.insert(data.end(), file.begin(), file.end());
  return data;
}

// The bitmap file of Data is read apart and the bitmap takes it only once it is complete.
void SetBitmapData(TBitmap& bitmap, const std::vector<std::uint8_t>& data) {
  if (data.size() < 4) throw Exception("bitmap data without its length");
  const std::uint32_t size = data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t{data[3]} << 24;
  if (size != data.size() - 4) throw Exception("bitmap data length does not match its contents");
  if (size == 0) {
    bitmap.Assign(TBitmap());
    return;
  }
  const std::unique_ptr<TBitmap> read = ReadBmp(std::span(data).subspan(4));
  bitmap.Assign(*read);
}

}  // namespace

const TClassInfo& BitmapClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBitmap>("TBitmap").Binary("Data", &BitmapData, &SetBitmapData).Build();
  return info;
}

const TClassInfo& ComponentCatalogue() {
  using C = TComponent;
  static const TClassInfo info = TClassBuilder<C>("TComponent")
                                     .String("Name", &C::Name, &C::SetName, kNeverStored)
                                     .Integer("Tag", &C::Tag, &C::SetTag)
                                     .Build();
  return info;
}

namespace {

// Actions are published for form text compatibility but none can be bound.
TComponent* NoAction(TControl&) { return nullptr; }
void RefuseAction(TControl&, TComponent* action) {
  if (action) throw Exception("actions are not supported");
}

}  // namespace

const TClassInfo& ControlCatalogue() {
  using C = TControl;
  static const TClassInfo info =
      TClassBuilder<C>("TControl")
          .From(ComponentCatalogue(), {"Name", "Tag"})
          .Integer("Left", &C::Left, &C::SetLeft, kNoDefault)
          .Integer("Top", &C::Top, &C::SetTop, kNoDefault)
          .Integer("Width", &C::Width, &C::SetWidth, kNoDefault)
          .Integer("Height", &C::Height, &C::SetHeight, kNoDefault)
          .Integer("Cursor", &C::Cursor, &C::SetCursor)
          .String("Hint", &C::Hint, &C::SetHint)
          .Enum("HelpType", kHelpTypeNames, &C::HelpType, &C::SetHelpType)
          .String("HelpKeyword", &C::HelpKeyword, &C::SetHelpKeyword)
          .Integer("HelpContext", &C::HelpContext, &C::SetHelpContext)
          .Component("Action", &NoAction, &RefuseAction)
          .Enum("Align", kAlignNames, &C::Align, &C::SetAlign)
          .Set("Anchors", kAnchorNames, &C::Anchors, &C::SetAnchors)
          .Enum("BiDiMode", kBiDiModeNames, &C::BiDiMode, &C::SetBiDiMode)
          .String("Caption", &C::Caption, &C::SetCaption)
          .Color("Color", &C::Color, &C::SetColor)
          .Object("Constraints", ConstraintsClassInfo(), &C::Constraints)
          .Integer("DragCursor", &C::DragCursor, &C::SetDragCursor)
          .Enum("DragMode", kDragModeNames, &C::DragMode, &C::SetDragMode)
          .Boolean("Enabled", &C::Enabled, &C::SetEnabled)
          .Object("Font", FontClassInfo(), &C::Font, StoredUnless(&C::ParentFont))
          .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode)
          .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont)
          .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint)
          .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
          .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint, kNoDefault,
                   StoredUnless(&C::ParentShowHint))
          .Boolean("Visible", &C::Visible, &C::SetVisible)
          .Event("OnClick", &C::OnClick)
          .Event("OnDblClick", &C::OnDblClick)
          .Event("OnDragDrop", &C::OnDragDrop)
          .Event("OnDragOver", &C::OnDragOver)
          .Event("OnEndDrag", &C::OnEndDrag)
          .Event("OnMouseDown", &C::OnMouseDown)
          .Event("OnMouseMove", &C::OnMouseMove)
          .Event("OnMouseUp", &C::OnMouseUp)
          .Event("OnStartDrag", &C::OnStartDrag)
          .Build();
  return info;
}

const TClassInfo& FormClassInfo() {
  using F = TForm;
  static const TClassInfo info =
      TClassBuilder<F>("TForm")
          .Creatable()
          .From(ControlCatalogue(), {"Name", "Tag", "Left", "Top"})
          .Integer("ClientWidth", &F::Width, &F::SetClientWidth, kNoDefault)
          .Integer("ClientHeight", &F::Height, &F::SetClientHeight, kNoDefault)
          .Enum("BorderStyle", kBorderStyleNames, &F::BorderStyle, &F::SetBorderStyle)
          .From(ControlCatalogue(), {"Caption"})
          .Color("Color", &F::Color, &F::SetColor)
          .From(ControlCatalogue(), {"Font"})
          .Enum("FormStyle", kFormStyleNames, &F::FormStyle, &F::SetFormStyle)
          .From(ControlCatalogue(), {"PopupMenu"})
          .Enum("Position", kPositionNames, &F::Position, &F::SetPosition)
          .Boolean("KeyPreview", &F::KeyPreview, &F::SetKeyPreview)
          .Boolean("OldCreateOrder", &F::OldCreateOrder, &F::SetOldCreateOrder)
          .Integer("PixelsPerInch", &F::PixelsPerInch, &F::SetPixelsPerInch)
          .Boolean("Scaled", &F::Scaled, &F::SetScaled)
          .Integer("TextHeight", &F::TextHeight, &F::SetTextHeight)
          .From(ControlCatalogue(),
                {"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
          .Event("OnClose", &F::OnClose)
          .Build();
  return info;
}

namespace {
const std::initializer_list<const char*> kMouseEvents = {
    "OnClick",     "OnDblClick",  "OnDragDrop", "OnDragOver", "OnEndDrag",
    "OnMouseDown", "OnMouseMove", "OnMouseUp",  "OnStartDrag"};
}

const TClassInfo& ImageClassInfo() {
  using I = TImage;
  static const TClassInfo info =
      TClassBuilder<I>("TImage")
          .Creatable()
          .From(ControlCatalogue(), kControlBase)
          .From(ControlCatalogue(), {"Align", "Anchors"})
          .Boolean("Center", &I::Center, &I::SetCenter)
          .From(ControlCatalogue(), {"Constraints", "DragCursor", "DragMode", "Enabled",
                                     "ParentShowHint", "PopupMenu", "ShowHint"})
          .Boolean("Stretch", &I::Stretch, &I::SetStretch)
          .Boolean("Transparent", &I::Transparent, &I::SetTransparent)
          .From(ControlCatalogue(), {"Visible"})
          .From(ControlCatalogue(), kMouseEvents)
          .Build();
  return info;
}

const TClassInfo& ShapeClassInfo() {
  using S = TShape;
  static const TClassInfo info =
      TClassBuilder<S>("TShape")
          .Creatable()
          .From(ControlCatalogue(), kControlBase)
          .From(ControlCatalogue(), {"Align", "Anchors"})
          .Object("Brush", BrushClassInfo(), &S::Brush)
          .From(ControlCatalogue(),
                {"Constraints", "DragCursor", "DragMode", "Enabled", "ParentShowHint"})
          .Object("Pen", PenClassInfo(), &S::Pen)
          .From(ControlCatalogue(), {"ShowHint", "Visible"})
          .From(ControlCatalogue(), {"OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                                     "OnMouseMove", "OnMouseUp", "OnStartDrag"})
          .Build();
  return info;
}

const TClassInfo& PopupMenuClassInfo() {
  using P = TPopupMenu;
  static const TClassInfo info =
      TClassBuilder<P>("TPopupMenu")
          .Creatable()
          .From(ComponentCatalogue(), {"Name", "Tag"})
          .Enum("AutoHotkeys", kMenuAutoFlagNames, &P::AutoHotkeys, &P::SetAutoHotkeys)
          .Event("OnPopup", &P::OnPopup)
          .Build();
  return info;
}

const TClassInfo& MenuItemClassInfo() {
  using M = TMenuItem;
  static const TClassInfo info = TClassBuilder<M>("TMenuItem")
                                     .Creatable()
                                     .From(ComponentCatalogue(), {"Name", "Tag"})
                                     .String("Caption", &M::Caption, &M::SetCaption)
                                     .Boolean("Checked", &M::Checked, &M::SetChecked)
                                     .Boolean("Enabled", &M::Enabled, &M::SetEnabled)
                                     .Integer("ShortCut", &M::ShortCut, &M::SetShortCut)
                                     .Boolean("Visible", &M::Visible, &M::SetVisible)
                                     .Event("OnClick", &M::OnClick)
                                     .Build();
  return info;
}

const TClassInfo& SavePictureDialogClassInfo() {
  using D = TSavePictureDialog;
  static const TClassInfo info = TClassBuilder<D>("TSavePictureDialog")
                                     .Creatable()
                                     .From(ComponentCatalogue(), {"Name", "Tag"})
                                     .String("DefaultExt", &D::DefaultExt, &D::SetDefaultExt)
                                     .String("FileName", &D::FileName, &D::SetFileName)
                                     .String("Filter", &D::Filter, &D::SetFilter)
                                     .Set("Options", kOpenOptionNames, &D::Options, &D::SetOptions)
                                     .String("Title", &D::Title, &D::SetTitle)
                                     .Build();
  return info;
}

const TClassInfo& SpeedButtonClassInfo() {
  using B = TSpeedButton;
  // Group and AllowAllUp come before Down: Down is refused outside a group.
  static const TClassInfo info =
      TClassBuilder<B>("TSpeedButton")
          .Creatable()
          .From(ControlCatalogue(), kControlBase)
          .From(ControlCatalogue(), {"Action", "Align"})
          .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
          .From(ControlCatalogue(), {"Anchors", "BiDiMode", "Constraints"})
          .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
          .Boolean("Down", &B::Down, &B::SetDown)
          .From(ControlCatalogue(), {"Caption", "Enabled"})
          .Boolean("Flat", &B::Flat, &B::SetFlat)
          .From(ControlCatalogue(),
                {"Font", "ParentFont", "ParentShowHint", "ParentBiDiMode", "PopupMenu", "ShowHint",
                 "Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
          .Build();
  return info;
}

void RegisterStandardClasses() {
  for (const TClassInfo* info :
       {&FormClassInfo(), &ImageClassInfo(), &ShapeClassInfo(), &PopupMenuClassInfo(),
        &MenuItemClassInfo(), &SavePictureDialogClassInfo(), &SpeedButtonClassInfo()})
    ClassRegistry().Register(*info);
}

}  // namespace tk
