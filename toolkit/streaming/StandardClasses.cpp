#include "toolkit/streaming/StandardClasses.h"

#include "toolkit/codecs/BmpReader.h"
#include "toolkit/codecs/BmpWriter.h"
#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menus.h"
#include "toolkit/controls/Shape.h"
#include "toolkit/controls/SpeedButton.h"

namespace tk {
namespace {

const std::vector<std::string> kFontStyles = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

}  // namespace

const TClassInfo& FontClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TFont"};
    TClassBuilder<TFont>(i)
        .Charset(
            "Charset", [](TFont& f) { return f.Charset(); },
            [](TFont& f, int v) { f.SetCharset(static_cast<TFontCharset>(v)); }, std::nullopt)
        .Color(
            "Color", [](TFont& f) { return f.Color(); }, [](TFont& f, TColor v) { f.SetColor(v); },
            std::nullopt)
        .Integer(
            "Height", [](TFont& f) { return f.Height(); }, [](TFont& f, int v) { f.SetHeight(v); },
            std::nullopt)
        .String(
            "Name", [](TFont& f) { return f.Name(); },
            [](TFont& f, const std::string& v) { f.SetName(v); }, std::nullopt)
        .Enum(
            "Pitch", {"fpDefault", "fpVariable", "fpFixed"}, [](TFont& f) { return f.Pitch(); },
            [](TFont& f, TFontPitch v) { f.SetPitch(v); },
            std::optional<TFontPitch>(TFontPitch::fpDefault))
        .SetOf(
            "Style", kFontStyles, [](TFont& f) { return f.Style(); },
            [](TFont& f, unsigned v) { f.SetStyle(v); }, std::nullopt);
    return i;
  }();
  return info;
}

const TClassInfo& PenClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TPen"};
    TClassBuilder<TPen>(i)
        .Color(
            "Color", [](TPen& p) { return p.Color(); }, [](TPen& p, TColor v) { p.SetColor(v); },
            clBlack)
        .Enum(
            "Style", {"psSolid", "psClear"}, [](TPen& p) { return p.Style(); },
            [](TPen& p, TPenStyle v) { p.SetStyle(v); },
            std::optional<TPenStyle>(TPenStyle::psSolid))
        .Integer(
            "Width", [](TPen& p) { return p.Width(); }, [](TPen& p, int v) { p.SetWidth(v); }, 1);
    return i;
  }();
  return info;
}

const TClassInfo& BrushClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TBrush"};
    TClassBuilder<TBrush>(i)
        .Color(
            "Color", [](TBrush& b) { return b.Color(); },
            [](TBrush& b, TColor v) { b.SetColor(v); }, clWhite)
        .Enum(
            "Style", {"bsSolid", "bsClear"}, [](TBrush& b) { return b.Style(); },
            [](TBrush& b, TBrushStyle v) { b.SetStyle(v); },
            std::optional<TBrushStyle>(TBrushStyle::bsSolid));
    return i;
  }();
  return info;
}

const TClassInfo& ConstraintsClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TSizeConstraints"};
    using C = TSizeConstraints;
    TClassBuilder<C>(i)
        .Integer(
            "MaxHeight", [](C& o) { return o.MaxHeight; }, [](C& o, int v) { o.MaxHeight = v; }, 0)
        .Integer(
            "MaxWidth", [](C& o) { return o.MaxWidth; }, [](C& o, int v) { o.MaxWidth = v; }, 0)
        .Integer(
            "MinHeight", [](C& o) { return o.MinHeight; }, [](C& o, int v) { o.MinHeight = v; }, 0)
        .Integer(
            "MinWidth", [](C& o) { return o.MinWidth; }, [](C& o, int v) { o.MinWidth = v; }, 0);
    return i;
  }();
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
  static const TClassInfo info = [] {
    TClassInfo i{"TBitmap"};
    TClassBuilder<TBitmap>(i).Binary(
        "Data", [](TBitmap& b) { return BitmapData(b); },
        [](TBitmap& b, const std::vector<std::uint8_t>& v) { SetBitmapData(b, v); });
    return i;
  }();
  return info;
}

const TClassInfo& ControlCatalogue() {
  static const TClassInfo info = [] {
    TClassInfo i{"TControl"};
    using C = TControl;
    TClassBuilder<C>(i)
        .String(
            "Name", [](C& c) { return c.Name(); }, [](C& c, const std::string& v) { c.SetName(v); },
            std::nullopt)
        .Integer(
            "Tag", [](C& c) { return static_cast<int>(c.Tag()); }, [](C& c, int v) { c.SetTag(v); },
            0)
        .Integer(
            "Left", [](C& c) { return c.Left(); }, [](C& c, int v) { c.SetLeft(v); }, std::nullopt)
        .Integer(
            "Top", [](C& c) { return c.Top(); }, [](C& c, int v) { c.SetTop(v); }, std::nullopt)
        .Integer(
            "Width", [](C& c) { return c.Width(); }, [](C& c, int v) { c.SetWidth(v); },
            std::nullopt)
        .Integer(
            "Height", [](C& c) { return c.Height(); }, [](C& c, int v) { c.SetHeight(v); },
            std::nullopt)
        .Integer(
            "Cursor", [](C& c) { return c.Cursor(); }, [](C& c, int v) { c.SetCursor(v); },
            crDefault)
        .String(
            "Hint", [](C& c) { return c.Hint(); }, [](C& c, const std::string& v) { c.SetHint(v); },
            "")
        .Enum(
            "HelpType", {"htKeyword", "htContext"}, [](C& c) { return c.HelpType(); },
            [](C& c, THelpType v) { c.SetHelpType(v); },
            std::optional<THelpType>(THelpType::htContext))
        .String(
            "HelpKeyword", [](C& c) { return c.HelpKeyword(); },
            [](C& c, const std::string& v) { c.SetHelpKeyword(v); }, "")
        .Integer(
            "HelpContext", [](C& c) { return c.HelpContext(); },
            [](C& c, int v) { c.SetHelpContext(v); }, 0)
        .Component<TComponent>(
            "Action", [](C&) -> TComponent* { return nullptr; },
            [](C&, TComponent* a) {
              if (a) throw Exception("actions are not supported");
            })
        .Enum(
            "Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"},
            [](C& c) { return c.Align(); }, [](C& c, TAlign v) { c.SetAlign(v); },
            std::optional<TAlign>(TAlign::alNone))
        .SetOf(
            "Anchors", {"akLeft", "akTop", "akRight", "akBottom"}, [](C& c) { return c.Anchors(); },
            [](C& c, unsigned v) { c.SetAnchors(v); }, akLeft | akTop)
        .Enum(
            "BiDiMode",
            {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"},
            [](C& c) { return c.BiDiMode(); }, [](C& c, TBiDiMode v) { c.SetBiDiMode(v); },
            std::optional<TBiDiMode>(TBiDiMode::bdLeftToRight))
        .String(
            "Caption", [](C& c) { return c.Caption(); },
            [](C& c, const std::string& v) { c.SetCaption(v); }, "")
        .Color(
            "Color", [](C& c) { return c.Color(); }, [](C& c, TColor v) { c.SetColor(v); },
            clWindow)
        .Object("Constraints", ConstraintsClassInfo(),
                [](C& c) -> TPersistent& { return c.Constraints(); })
        .Integer(
            "DragCursor", [](C& c) { return c.DragCursor(); },
            [](C& c, int v) { c.SetDragCursor(v); }, crDrag)
        .Enum(
            "DragMode", {"dmManual", "dmAutomatic"}, [](C& c) { return c.DragMode(); },
            [](C& c, TDragMode v) { c.SetDragMode(v); },
            std::optional<TDragMode>(TDragMode::dmManual))
        .Boolean(
            "Enabled", [](C& c) { return c.Enabled(); }, [](C& c, bool v) { c.SetEnabled(v); },
            true)
        .Object(
            "Font", FontClassInfo(), [](C& c) -> TPersistent& { return c.Font(); },
            [](C& c) { return !c.ParentFont(); })
        .Boolean(
            "ParentBiDiMode", [](C& c) { return c.ParentBiDiMode(); },
            [](C& c, bool v) { c.SetParentBiDiMode(v); }, true)
        .Boolean(
            "ParentFont", [](C& c) { return c.ParentFont(); },
            [](C& c, bool v) { c.SetParentFont(v); }, true)
        .Boolean(
            "ParentShowHint", [](C& c) { return c.ParentShowHint(); },
            [](C& c, bool v) { c.SetParentShowHint(v); }, true)
        .Component<TPopupMenu>(
            "PopupMenu", [](C& c) { return c.PopupMenu(); },
            [](C& c, TPopupMenu* m) { c.SetPopupMenu(m); })
        .Boolean(
            "ShowHint", [](C& c) { return c.ShowHint(); }, [](C& c, bool v) { c.SetShowHint(v); },
            std::nullopt)
        .Boolean(
            "Visible", [](C& c) { return c.Visible(); }, [](C& c, bool v) { c.SetVisible(v); },
            true)
        .Event("OnClick", &C::OnClick)
        .Event("OnDblClick", &C::OnDblClick)
        .Event("OnDragDrop", &C::OnDragDrop)
        .Event("OnDragOver", &C::OnDragOver)
        .Event("OnEndDrag", &C::OnEndDrag)
        .Event("OnMouseDown", &C::OnMouseDown)
        .Event("OnMouseMove", &C::OnMouseMove)
        .Event("OnMouseUp", &C::OnMouseUp)
        .Event("OnStartDrag", &C::OnStartDrag);
    // ShowHint is stored only where it does not come from the parent.
    for (auto& p : i.properties)
      if (p.name == "ShowHint")
        p.stored = [](TObject& o) { return !dynamic_cast<C&>(o).ParentShowHint(); };
      else if (p.name == "Name") p.stored = [](TObject&) { return false; };
    return i;
  }();
  return info;
}

void AddControlBase(TClassInfo& info) {
  TClassBuilder<TControl>(info).From(
      ControlCatalogue(), {"Name", "Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint",
                           "HelpType", "HelpKeyword", "HelpContext"});
}

const TClassInfo& FormClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TForm"};
    i.create = [](TComponent* owner) -> TComponent* { return new TForm(owner); };
    using F = TForm;
    TClassBuilder<F>(i)
        .From(ControlCatalogue(), {"Name", "Tag", "Left", "Top"})
        .Integer(
            "ClientWidth", [](F& f) { return f.Width(); }, [](F& f, int v) { f.SetClientWidth(v); },
            std::nullopt)
        .Integer(
            "ClientHeight", [](F& f) { return f.Height(); },
            [](F& f, int v) { f.SetClientHeight(v); }, std::nullopt)
        .Enum(
            "BorderStyle",
            {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
            [](F& f) { return f.BorderStyle(); }, [](F& f, TBorderStyle v) { f.SetBorderStyle(v); },
            std::optional<TBorderStyle>(TBorderStyle::bsSizeable))
        .From(ControlCatalogue(), {"Caption"})
        .Color(
            "Color", [](F& f) { return f.Color(); }, [](F& f, TColor v) { f.SetColor(v); },
            clBtnFace)
        .From(ControlCatalogue(), {"Font"})
        .Enum(
            "FormStyle", {"fsNormal", "fsStayOnTop"}, [](F& f) { return f.FormStyle(); },
            [](F& f, TFormStyle v) { f.SetFormStyle(v); },
            std::optional<TFormStyle>(TFormStyle::fsNormal))
        .From(ControlCatalogue(), {"PopupMenu"})
        .Enum(
            "Position", {"poDesigned", "poScreenCenter"}, [](F& f) { return f.Position(); },
            [](F& f, TPosition v) { f.SetPosition(v); },
            std::optional<TPosition>(TPosition::poDesigned))
        .Boolean(
            "KeyPreview", [](F& f) { return f.KeyPreview(); },
            [](F& f, bool v) { f.SetKeyPreview(v); }, false)
        .Boolean(
            "OldCreateOrder", [](F& f) { return f.OldCreateOrder(); },
            [](F& f, bool v) { f.SetOldCreateOrder(v); }, false)
        .Integer(
            "PixelsPerInch", [](F& f) { return f.PixelsPerInch(); },
            [](F& f, int v) { f.SetPixelsPerInch(v); }, 96)
        .Boolean(
            "Scaled", [](F& f) { return f.Scaled(); }, [](F& f, bool v) { f.SetScaled(v); }, true)
        .Integer(
            "TextHeight", [](F& f) { return f.TextHeight(); },
            [](F& f, int v) { f.SetTextHeight(v); }, 13)
        .From(ControlCatalogue(),
              {"OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
        .Event("OnClose", &F::OnClose);
    return i;
  }();
  return info;
}

namespace {
const std::initializer_list<const char*> kMouseEvents = {
    "OnClick",     "OnDblClick",  "OnDragDrop", "OnDragOver", "OnEndDrag",
    "OnMouseDown", "OnMouseMove", "OnMouseUp",  "OnStartDrag"};
}

const TClassInfo& ImageClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TImage"};
    i.create = [](TComponent* owner) -> TComponent* { return new TImage(owner); };
    AddControlBase(i);
    using I = TImage;
    TClassBuilder<I>(i)
        .From(ControlCatalogue(), {"Align", "Anchors"})
        .Boolean(
            "Center", [](I& m) { return m.Center(); }, [](I& m, bool v) { m.SetCenter(v); }, false)
        .From(ControlCatalogue(), {"Constraints", "DragCursor", "DragMode", "Enabled",
                                   "ParentShowHint", "PopupMenu", "ShowHint"})
        .Boolean(
            "Stretch", [](I& m) { return m.Stretch(); }, [](I& m, bool v) { m.SetStretch(v); },
            false)
        .Boolean(
            "Transparent", [](I& m) { return m.Transparent(); },
            [](I& m, bool v) { m.SetTransparent(v); }, false)
        .From(ControlCatalogue(), {"Visible"})
        .From(ControlCatalogue(), kMouseEvents);
    return i;
  }();
  return info;
}

const TClassInfo& ShapeClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TShape"};
    i.create = [](TComponent* owner) -> TComponent* { return new TShape(owner); };
    AddControlBase(i);
    using S = TShape;
    TClassBuilder<S>(i)
        .From(ControlCatalogue(), {"Align", "Anchors"})
        .Object("Brush", BrushClassInfo(), [](S& s) -> TPersistent& { return s.Brush(); })
        .From(ControlCatalogue(),
              {"Constraints", "DragCursor", "DragMode", "Enabled", "ParentShowHint"})
        .Object("Pen", PenClassInfo(), [](S& s) -> TPersistent& { return s.Pen(); })
        .From(ControlCatalogue(), {"ShowHint", "Visible"})
        .From(ControlCatalogue(), {"OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                                   "OnMouseMove", "OnMouseUp", "OnStartDrag"});
    return i;
  }();
  return info;
}

namespace {
template <class T>
void AddComponentBase(TClassInfo& i) {
  TClassBuilder<T>(i)
      .String(
          "Name", [](T& c) { return c.Name(); }, [](T& c, const std::string& v) { c.SetName(v); },
          std::nullopt)
      .Integer(
          "Tag", [](T& c) { return static_cast<int>(c.Tag()); }, [](T& c, int v) { c.SetTag(v); },
          0);
  i.properties.front().stored = [](TObject&) { return false; };
}
}  // namespace

const TClassInfo& PopupMenuClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TPopupMenu"};
    i.create = [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); };
    AddComponentBase<TPopupMenu>(i);
    using P = TPopupMenu;
    TClassBuilder<P>(i)
        .Enum(
            "AutoHotkeys", {"maAutomatic", "maManual", "maParent"},
            [](P& p) { return p.AutoHotkeys(); },
            [](P& p, TMenuAutoFlag v) { p.SetAutoHotkeys(v); },
            std::optional<TMenuAutoFlag>(TMenuAutoFlag::maAutomatic))
        .Event("OnPopup", &P::OnPopup);
    return i;
  }();
  return info;
}

const TClassInfo& MenuItemClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TMenuItem"};
    i.create = [](TComponent* owner) -> TComponent* { return new TMenuItem(owner); };
    AddComponentBase<TMenuItem>(i);
    using M = TMenuItem;
    TClassBuilder<M>(i)
        .String(
            "Caption", [](M& m) { return m.Caption(); },
            [](M& m, const std::string& v) { m.SetCaption(v); }, "")
        .Boolean(
            "Checked", [](M& m) { return m.Checked(); }, [](M& m, bool v) { m.SetChecked(v); },
            false)
        .Boolean(
            "Enabled", [](M& m) { return m.Enabled(); }, [](M& m, bool v) { m.SetEnabled(v); },
            true)
        .Integer(
            "ShortCut", [](M& m) { return m.ShortCut(); },
            [](M& m, int v) { m.SetShortCut(static_cast<TShortCut>(v)); }, 0)
        .Boolean(
            "Visible", [](M& m) { return m.Visible(); }, [](M& m, bool v) { m.SetVisible(v); },
            true)
        .Event("OnClick", &M::OnClick);
    i.properties[i.properties.size() - 3].maxValue = 0xFFFF;  // ShortCut: a 16-bit code
    i.properties[i.properties.size() - 3].minValue = 0;
    return i;
  }();
  return info;
}

const TClassInfo& SavePictureDialogClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TSavePictureDialog"};
    i.create = [](TComponent* owner) -> TComponent* { return new TSavePictureDialog(owner); };
    AddComponentBase<TSavePictureDialog>(i);
    using D = TSavePictureDialog;
    TClassBuilder<D>(i)
        .String(
            "DefaultExt", [](D& d) { return d.DefaultExt(); },
            [](D& d, const std::string& v) { d.SetDefaultExt(v); }, "")
        .String(
            "FileName", [](D& d) { return d.FileName(); },
            [](D& d, const std::string& v) { d.SetFileName(v); }, "")
        .String(
            "Filter", [](D& d) { return d.Filter(); },
            [](D& d, const std::string& v) { d.SetFilter(v); }, "")
        .SetOf(
            "Options",
            {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
             "ofEnableSizing"},
            [](D& d) { return d.Options(); }, [](D& d, unsigned v) { d.SetOptions(v); },
            ofHideReadOnly | ofEnableSizing)
        .String(
            "Title", [](D& d) { return d.Title(); },
            [](D& d, const std::string& v) { d.SetTitle(v); }, "");
    return i;
  }();
  return info;
}

const TClassInfo& SpeedButtonClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TSpeedButton"};
    i.create = [](TComponent* owner) -> TComponent* { return new TSpeedButton(owner); };
    AddControlBase(i);
    using B = TSpeedButton;
    // Group and AllowAllUp come before Down: Down is refused outside a group.
    TClassBuilder<B>(i)
        .From(ControlCatalogue(), {"Action", "Align"})
        .Boolean(
            "AllowAllUp", [](B& b) { return b.AllowAllUp(); },
            [](B& b, bool v) { b.SetAllowAllUp(v); }, false)
        .From(ControlCatalogue(), {"Anchors", "BiDiMode", "Constraints"})
        .Integer(
            "GroupIndex", [](B& b) { return b.GroupIndex(); },
            [](B& b, int v) { b.SetGroupIndex(v); }, 0)
        .Boolean(
            "Down", [](B& b) { return b.Down(); }, [](B& b, bool v) { b.SetDown(v); }, false)
        .From(ControlCatalogue(), {"Caption", "Enabled"})
        .Boolean(
            "Flat", [](B& b) { return b.Flat(); }, [](B& b, bool v) { b.SetFlat(v); }, false)
        .From(ControlCatalogue(),
              {"Font", "ParentFont", "ParentShowHint", "ParentBiDiMode", "PopupMenu", "ShowHint",
               "Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    return i;
  }();
  return info;
}

void RegisterStandardClasses() {
  for (const TClassInfo* info :
       {&FormClassInfo(), &ImageClassInfo(), &ShapeClassInfo(), &PopupMenuClassInfo(),
        &MenuItemClassInfo(), &SavePictureDialogClassInfo(), &SpeedButtonClassInfo()})
    ClassRegistry().Register(*info);
}

}  // namespace tk
