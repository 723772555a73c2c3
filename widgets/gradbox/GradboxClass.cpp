#include "widgets/gradbox/GradboxClass.h"

#include "toolkit/streaming/StandardClasses.h"
#include "widgets/gradbox/Gradbox.h"

namespace widgets {

using namespace tk;

const TClassInfo& GradBoxClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TGradBox"};
    i.create = [](TComponent* owner) -> TComponent* { return new TGradBox(owner); };
    AddControlBase(i);
    using B = TGradBox;
    TClassBuilder<B>(i)
        .Integer(
            "CaptionLeft", [](B& b) { return b.CaptionLeft(); },
            [](B& b, int v) { b.SetCaptionLeft(v); }, 10)
        .Integer(
            "CaptionTop", [](B& b) { return b.CaptionTop(); },
            [](B& b, int v) { b.SetCaptionTop(v); }, 10)
        .Color(
            "TopColor", [](B& b) { return b.TopColor(); }, [](B& b, TColor v) { b.SetTopColor(v); },
            0x008000)
        .Color(
            "LastColor", [](B& b) { return b.LastColor(); },
            [](B& b, TColor v) { b.SetLastColor(v); }, 0x00FF00)
        .Color(
            "OutLineColor", [](B& b) { return b.OutLineColor(); },
            [](B& b, TColor v) { b.SetOutLineColor(v); }, 0x000000)
        // No declared default: a stored layout always carries these two.
        .Boolean(
            "DrawOutLine", [](B& b) { return b.DrawOutLine(); },
            [](B& b, bool v) { b.SetDrawOutLine(v); }, std::nullopt)
        .Enum(
            "GradStyle", {"gsTopBottom", "gsBottomTop", "gsLeftRight", "gsRightLeft", "gsNone"},
            [](B& b) { return b.GradStyle(); }, [](B& b, TGradStyle v) { b.SetGradStyle(v); },
            std::optional<TGradStyle>(gsTopBottom))
        .Boolean(
            "Font3D", [](B& b) { return b.Font3D(); }, [](B& b, bool v) { b.SetFont3D(v); },
            std::nullopt)
        .Byte(
            "FontDepth", [](B& b) { return b.FontDepth(); },
            [](B& b, int v) { b.SetFontDepth(static_cast<std::uint8_t>(v)); }, 1)
        .Enum(
            "Style3D", {"fsLowShadow", "fsRaiseShadow", "fsLow3D", "fsRaise3D"},
            [](B& b) { return b.Style3D(); }, [](B& b, TFontStyle3D v) { b.SetStyle3D(v); },
            std::optional<TFontStyle3D>(fsRaise3D))
        .Color(
            "BackFont", [](B& b) { return b.BackFont(); }, [](B& b, TColor v) { b.SetBackFont(v); },
            0x00FFFF)
        .Event("OnPaint", &B::OnPaint)
        .From(ControlCatalogue(),
              {"Align",     "Caption",     "DragCursor",     "DragMode",   "Enabled",
               "Font",      "ParentFont",  "ParentShowHint", "PopupMenu",  "ShowHint",
               "Visible",   "OnClick",     "OnDblClick",     "OnDragDrop", "OnDragOver",
               "OnEndDrag", "OnMouseDown", "OnMouseMove",    "OnMouseUp",  "OnStartDrag"});
    return i;
  }();
  return info;
}

}  // namespace widgets
