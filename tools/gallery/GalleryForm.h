#pragma once
// The gallery's window: its layout is form text embedded in the program; a click on any button
// is reported in the status line at the bottom.

#include "toolkit/controls/Form.h"
#include "toolkit/streaming/ClassInfo.h"

namespace gallery {

extern const char* const kGalleryLayout;

class TGalleryForm : public tk::TForm {
 public:
  explicit TGalleryForm(tk::TComponent* owner);
  const char* ClassName() const override { return "TGalleryForm"; }

 private:
  void ButtonClick(tk::TObject* sender);
};

// A form's published properties under the class name TGalleryForm.
const tk::TClassInfo& GalleryFormClassInfo();

}  // namespace gallery
