#include "widgets/gradbox/GradboxClassInfo.h"

#include "toolkit/streaming/StandardClassInfo.h"
#include "widgets/gradbox/Gradbox.h"

namespace widgets {

using namespace tk;

const TClassInfo& GradBoxClassInfo() {
  using B = TGradBox;
  // DrawOutLine and Font3D have no declared default: a stored layout always carries them.
  static const TClassInfo info =
      TClassBuilder<B>("TGradBox")
          .Creatable()
          .From(ControlCatalogue(), kControlBase)
          .Integer("CaptionLeft", &B::CaptionLeft, &B::SetCaptionLeft)
          .Integer("CaptionTop", &B::CaptionTop, &B::SetCaptionTop)
          .Color("TopColor", &B::TopColor, &B::SetTopColor)
          .Color("LastColor", &B::LastColor, &B::SetLastColor)
          .Color("OutLineColor", &B::OutLineColor, &B::SetOutLineColor)
          .Boolean("DrawOutLine", &B::DrawOutLine, &B::SetDrawOutLine, kNoDefault)
          .Enum("GradStyle", kGradStyleNames, &B::GradStyle, &B::SetGradStyle)
          .Boolean("Font3D", &B::Font3D, &B::SetFont3D, kNoDefault)
          .Integer("FontDepth", &B::FontDepth, &B::SetFontDepth)
          .Enum("Style3D", kFontStyle3DNames, &B::Style3D, &B::SetStyle3D)
          .Color("BackFont", &B::BackFont, &B::SetBackFont)
          .Event("OnPaint", &B::OnPaint)
          .From(ControlCatalogue(),
                {"Align",     "Caption",     "DragCursor",     "DragMode",   "Enabled",
                 "Font",      "ParentFont",  "ParentShowHint", "PopupMenu",  "ShowHint",
                 "Visible",   "OnClick",     "OnDblClick",     "OnDragDrop", "OnDragOver",
                 "OnEndDrag", "OnMouseDown", "OnMouseMove",    "OnMouseUp",  "OnStartDrag"})
          .Build();
  return info;
}

}  // namespace widgets
