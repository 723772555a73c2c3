#include "tools/gallery/GalleryForm.h"

#include "toolkit/controls/SpeedButton.h"
#include "toolkit/streaming/FormReader.h"
#include "toolkit/streaming/StandardClassInfo.h"
#include "tools/gallery/GalleryGlyphs.h"
#include "widgets/shinespdbtn/Shinespdbtn.h"

namespace gallery {

TGalleryForm::TGalleryForm(tk::TComponent* owner) : TForm(owner) {
  FMethods.Add<tk::TObject*>("ButtonClick", [this](tk::TObject* s) { ButtonClick(s); });
  tk::ReadFormInto(*this, GalleryFormClassInfo(), kGalleryLayout);
  GiveGlyphs(*this);
}

void TGalleryForm::ButtonClick(tk::TObject* sender) {
  auto* status = dynamic_cast<tk::TControl*>(FindComponent("Status"));
  auto* control = dynamic_cast<tk::TControl*>(sender);
  if (!status || !control) return;
  std::string text = "Clicked " + control->Name();
  if (auto* shine = dynamic_cast<widgets::TShineSpeedButton*>(sender))
    text += shine->Down() ? " (down)" : " (up)";
  else if (auto* standard = dynamic_cast<tk::TSpeedButton*>(sender))
    text += standard->Down() ? " (down)" : " (up)";
  status->SetCaption(text);
}

const tk::TClassInfo& GalleryFormClassInfo() {
  static const tk::TClassInfo info = [] {
    tk::TClassInfo i = tk::FormClassInfo();
    i.Name = "TGalleryForm";
    i.Create = nullptr;  // the window reads its layout into itself
    return i;
  }();
  return info;
}

}  // namespace gallery
