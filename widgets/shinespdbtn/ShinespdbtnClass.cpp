#include "widgets/shinespdbtn/ShinespdbtnClass.h"

#include "toolkit/streaming/StandardClasses.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace widgets {

using namespace tk;

const TClassInfo& ShineBtnColorsClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TShineBtnColors"};
    using C = TShineBtnColors;
    TClassBuilder<C>(i)
        .Color(
            "Highlight", [](C& c) { return c.Highlight(); },
            [](C& c, TColor v) { c.SetHighlight(v); }, clBtnHighlight)
        .Color(
            "Shadow", [](C& c) { return c.Shadow(); }, [](C& c, TColor v) { c.SetShadow(v); },
            clBtnShadow)
        .Color(
            "DarkShadow", [](C& c) { return c.DarkShadow(); },
            [](C& c, TColor v) { c.SetDarkShadow(v); }, clWindowFrame)
        .Color(
            "GradColor", [](C& c) { return c.GradColor(); },
            [](C& c, TColor v) { c.SetGradColor(v); }, clBlue)
        .Boolean(
            "GradVertical", [](C& c) { return c.GradVertical(); },
            [](C& c, bool v) { c.SetGradVertical(v); }, false)
        .Boolean(
            "Gradation", [](C& c) { return c.Gradation(); },
            [](C& c, bool v) { c.SetGradation(v); }, false)
        // No declared default: the face colour is always stored.
        .Color(
            "Color", [](C& c) { return c.Color(); }, [](C& c, TColor v) { c.SetColor(v); },
            std::nullopt);
    return i;
  }();
  return info;
}

const TClassInfo& ShineSpeedButtonClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i{"TShineSpeedButton"};
    i.create = [](TComponent* owner) -> TComponent* { return new TShineSpeedButton(owner); };
    AddControlBase(i);
    using B = TShineSpeedButton;
    TClassBuilder<B>(i)
        .Integer(
            "GroupIndex", [](B& b) { return b.GroupIndex(); },
            [](B& b, int v) { b.SetGroupIndex(v); }, 0)
        .Boolean(
            "Down", [](B& b) { return b.Down(); }, [](B& b, bool v) { b.SetDown(v); }, false)
        .Boolean(
            "ClickDownHook", [](B& b) { return b.ClickDownHook(); },
            [](B& b, bool v) { b.SetClickDownHook(v); }, false)
        .Boolean(
            "AccelCharDown", [](B& b) { return b.AccelCharDown(); },
            [](B& b, bool v) { b.SetAccelCharDown(v); }, false)
        .Enum(
            "FrameType", {"ftFlatFrame", "ftNormalFrame", "ftEnclosedFrame"},
            [](B& b) { return b.FrameType(); }, [](B& b, TFrameType v) { b.SetFrameType(v); },
            std::optional<TFrameType>(ftNormalFrame))
        .Boolean(
            "Transparent", [](B& b) { return b.Transparent(); },
            [](B& b, bool v) { b.SetTransparent(v); }, false)
        .Boolean(
            "ActiveFrame", [](B& b) { return b.ActiveFrame(); },
            [](B& b, bool v) { b.SetActiveFrame(v); }, true)
        .Boolean(
            "UpFrame", [](B& b) { return b.UpFrame(); }, [](B& b, bool v) { b.SetUpFrame(v); },
            true)
        .Boolean(
            "DownFrame", [](B& b) { return b.DownFrame(); },
            [](B& b, bool v) { b.SetDownFrame(v); }, true)
        .Enum(
            "ActiveImage",
            {"aiNormal", "aiXorLight", "aiHalfLight", "aiQuaterLight", "aiAddLight", "aiFrameLight",
             "aiFrameLight2", "aiMaskLight"},
            [](B& b) { return b.ActiveImage(); },
            [](B& b, TActiveImageType v) { b.SetActiveImage(v); },
            std::optional<TActiveImageType>(aiFrameLight))
        .Enum(
            "DisabledImage",
            {"diDefault", "diGrayscale", "diAlphaHalfTrans", "diAlphaQuaterTrans", "diMaskTrans"},
            [](B& b) { return b.DisabledImage(); },
            [](B& b, TDisabledImageType v) { b.SetDisabledImage(v); },
            std::optional<TDisabledImageType>(diDefault))
        .Color(
            "DisabledHighlight", [](B& b) { return b.DisabledHighlight(); },
            [](B& b, TColor v) { b.SetDisabledHighlight(v); }, clBtnHighlight)
        .Color(
            "DisabledShadow", [](B& b) { return b.DisabledShadow(); },
            [](B& b, TColor v) { b.SetDisabledShadow(v); }, clBtnShadow)
        .Object("Colors", ShineBtnColorsClassInfo(),
                [](B& b) -> TPersistent& { return b.Colors(); })
        .Object("PressedColors", ShineBtnColorsClassInfo(),
                [](B& b) -> TPersistent& { return b.PressedColors(); })
        .Color(
            "ShineColor", [](B& b) { return b.ShineColor(); },
            [](B& b, TColor v) { b.SetShineColor(v); }, clYellow)
        .Object("Font", FontClassInfo(), [](B& b) -> TPersistent& { return b.Font(); })
        .Color(
            "FontHighlight", [](B& b) { return b.FontHighlight(); },
            [](B& b, TColor v) { b.SetFontHighlight(v); }, clNone)
        .Color(
            "FontShadow", [](B& b) { return b.FontShadow(); },
            [](B& b, TColor v) { b.SetFontShadow(v); }, clNone)
        .Object("ActiveFont", FontClassInfo(), [](B& b) -> TPersistent& { return b.ActiveFont(); })
        .Boolean(
            "AllowAllUp", [](B& b) { return b.AllowAllUp(); },
            [](B& b, bool v) { b.SetAllowAllUp(v); }, false)
        .Enum(
            "Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
            [](B& b) { return b.Layout(); }, [](B& b, TButtonLayout v) { b.SetLayout(v); },
            std::optional<TButtonLayout>(blGlyphLeft))
        .Integer(
            "Margin", [](B& b) { return b.Margin(); }, [](B& b, int v) { b.SetMargin(v); }, -1)
        .Integer(
            "Spacing", [](B& b) { return b.Spacing(); }, [](B& b, int v) { b.SetSpacing(v); }, 4)
        .Object("Glyph", BitmapClassInfo(), [](B& b) -> TPersistent& { return b.Glyph(); })
        .Event("OnMouseEnter", &B::OnMouseEnter)
        .Event("OnMouseLeave", &B::OnMouseLeave)
        .From(ControlCatalogue(),
              {"Action", "Align", "Anchors", "BiDiMode", "Caption", "Constraints", "Enabled",
               "ParentBiDiMode", "ParentShowHint", "ShowHint", "Visible", "OnClick", "OnDblClick",
               "OnMouseDown", "OnMouseMove", "OnMouseUp"});
    return i;
  }();
  return info;
}

}  // namespace widgets
