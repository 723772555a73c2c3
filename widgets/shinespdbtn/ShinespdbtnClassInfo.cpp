#include "widgets/shinespdbtn/ShinespdbtnClassInfo.h"

#include "toolkit/streaming/StandardClassInfo.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace widgets {

using namespace tk;

const TClassInfo& ShineBtnColorsClassInfo() {
  using C = TShineBtnColors;
  static const TClassInfo info = TClassBuilder<C>("TShineBtnColors")
                                     .Color("Highlight", &C::Highlight, &C::SetHighlight)
                                     .Color("Shadow", &C::Shadow, &C::SetShadow)
                                     .Color("DarkShadow", &C::DarkShadow, &C::SetDarkShadow)
                                     .Color("GradColor", &C::GradColor, &C::SetGradColor)
                                     .Boolean("GradVertical", &C::GradVertical, &C::SetGradVertical)
                                     .Boolean("Gradation", &C::Gradation, &C::SetGradation)
                                     .Color("Color", &C::Color, &C::SetColor, kNoDefault)
                                     .Build();
  return info;
}

const TClassInfo& ShineSpeedButtonClassInfo() {
  using B = TShineSpeedButton;
  static const TClassInfo info =
      TClassBuilder<B>("TShineSpeedButton")
          .Creatable()
          .From(ControlCatalogue(), kControlBase)
          .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
          .Boolean("Down", &B::Down, &B::SetDown)
          .Boolean("ClickDownHook", &B::ClickDownHook, &B::SetClickDownHook)
          .Boolean("AccelCharDown", &B::AccelCharDown, &B::SetAccelCharDown)
          .Enum("FrameType", kFrameTypeNames, &B::FrameType, &B::SetFrameType)
          .Boolean("Transparent", &B::Transparent, &B::SetTransparent)
          .Boolean("ActiveFrame", &B::ActiveFrame, &B::SetActiveFrame)
          .Boolean("UpFrame", &B::UpFrame, &B::SetUpFrame)
          .Boolean("DownFrame", &B::DownFrame, &B::SetDownFrame)
          .Enum("ActiveImage", kActiveImageTypeNames, &B::ActiveImage, &B::SetActiveImage)
          .Enum("DisabledImage", kDisabledImageTypeNames, &B::DisabledImage, &B::SetDisabledImage)
          .Color("DisabledHighlight", &B::DisabledHighlight, &B::SetDisabledHighlight)
          .Color("DisabledShadow", &B::DisabledShadow, &B::SetDisabledShadow)
          .Object("Colors", ShineBtnColorsClassInfo(), &B::Colors)
          .Object("PressedColors", ShineBtnColorsClassInfo(), &B::PressedColors)
          .Color("ShineColor", &B::ShineColor, &B::SetShineColor)
          .Object("Font", FontClassInfo(), &B::Font)
          .Color("FontHighlight", &B::FontHighlight, &B::SetFontHighlight)
          .Color("FontShadow", &B::FontShadow, &B::SetFontShadow)
          .Object("ActiveFont", FontClassInfo(), &B::ActiveFont)
          .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
          .Enum("Layout", kButtonLayoutNames, &B::Layout, &B::SetLayout)
          .Integer("Margin", &B::Margin, &B::SetMargin)
          .Integer("Spacing", &B::Spacing, &B::SetSpacing)
          .Object("Glyph", BitmapClassInfo(), &B::Glyph)
          .Event("OnMouseEnter", &B::OnMouseEnter)
          .Event("OnMouseLeave", &B::OnMouseLeave)
          .From(ControlCatalogue(),
                {"Action", "Align", "Anchors", "BiDiMode", "Caption", "Constraints", "Enabled",
                 "ParentBiDiMode", "ParentShowHint", "ShowHint", "Visible", "OnClick", "OnDblClick",
                 "OnMouseDown", "OnMouseMove", "OnMouseUp"})
          .Build();
  return info;
}

}  // namespace widgets
