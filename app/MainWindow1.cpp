#include "app/MainWindow1.h"

#include "app/MainWindow1Layout.h"
#include "toolkit/streaming/FormReader.h"

namespace app {

using namespace tk;

TMainForm1* MainForm1 = nullptr;

namespace {
template <class T>
T* Find(TComponent& root, const std::string& name) {
  auto* c = dynamic_cast<T*>(root.FindComponent(name));
  if (!c) throw Exception("the layout has no " + name);
  return c;
}
}  // namespace

TMainForm1::TMainForm1(TComponent* owner) : TForm(owner) {
  RegisterHandlers();
  ReadFormInto(*this, MainForm1ClassInfo(), kMainForm1Layout);
  FindWidgets();
  FCellKey.clear();
  DragAcceptFiles(true);
}

TMainForm1::~TMainForm1() {
  if (MainForm1 == this) MainForm1 = nullptr;
}

void TMainForm1::RegisterHandlers() {
  for (int n = 1; n <= kCellCount; ++n) {
    const std::string key = std::to_string(n);
    FMethods.Add<TObject*, TShiftState, int, int>(
        "Image1_" + key + "MouseMove",
        [this, key](TObject*, TShiftState, int, int) { FCellKey = key; });
    FMethods.Add<TObject*>("Image" + key + "DblClick", [this, n](TObject*) {
      OverlayLayer(n).Picture().Clear();
      PhotoLayer(n).Picture().Clear();
    });
  }
  FMethods.Add<TObject*>("Save1Click", [this](TObject* s) { Save1Click(s); });
  FMethods.Add<TObject*>("M1Click", [this](TObject* s) { M1Click(s); });
  FMethods.Add<TObject*>("D1Click", [this](TObject* s) { D1Click(s); });
  FMethods.Add<TObject*>("S1Click", [this](TObject* s) { S1Click(s); });
  FMethods.Add<TObject*>("N4Click", [this](TObject* s) { N4Click(s); });
}

void TMainForm1::FindWidgets() {
  for (int n = 1; n <= kCellCount; ++n) {
    FPhotoLayers[static_cast<std::size_t>(n)] = Find<TImage>(*this, "Image1_" + std::to_string(n));
    FOverlayLayers[static_cast<std::size_t>(n)] = Find<TImage>(*this, "Image" + std::to_string(n));
  }
  Image0 = Find<TImage>(*this, "Image0");
  PopupMenu1 = Find<TPopupMenu>(*this, "PopupMenu1");
  Save1 = Find<TMenuItem>(*this, "Save1");
  M1 = Find<TMenuItem>(*this, "M1");
  D1 = Find<TMenuItem>(*this, "D1");
  S1 = Find<TMenuItem>(*this, "S1");
  N4 = Find<TMenuItem>(*this, "N4");
  SavePictureDialog1 = Find<TSavePictureDialog>(*this, "SavePictureDialog1");
}

int TMainForm1::HoveredCell() const {
  for (int n = 1; n <= kCellCount; ++n)
    if (FCellKey == std::to_string(n)) return n;
  return 0;
}

void TMainForm1::FilesDropped(const TDroppedFiles& drop) {
  // Only the first file counts; it goes to the cell the pointer was last seen over, a bitmap
  // to the overlay layer and a JPEG photo beneath it. Any other file is left alone.
  if (drop.Paths.empty()) return;
  const std::string& path = drop.Paths.front();
  const std::optional<TPictureFileKind> kind = PictureFileKindOf(path);
  const int n = HoveredCell();
  if (!kind || !n) return;
  TImage& layer = *kind == TPictureFileKind::kBitmap ? OverlayLayer(n) : PhotoLayer(n);
  layer.Picture().LoadFromFile(path);
}

void TMainForm1::D1Click(TObject*) {
  for (int n = 1; n <= kCellCount; ++n) {
    PhotoLayer(n).Picture().Clear();
    OverlayLayer(n).Picture().Clear();
  }
}

void TMainForm1::TakeSnapshot() {
  UpdateWindow();
  const TRect area = ClientRect();
  Image0->Canvas().CopyRect(area, BackBuffer().Canvas(), area);
}

}  // namespace app
