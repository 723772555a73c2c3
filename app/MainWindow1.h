#pragma once
// The timetable board: five weekday columns by six periods, each cell a photo layer under a
// transparent overlay layer. The window is built from its layout (MainWindow1.layout); the
// handlers below are bound to the widgets there by name.

#include <array>
#include <string>

#include "toolkit/controls/Dialogs.h"
#include "toolkit/controls/Form.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Menus.h"

namespace app {

inline constexpr int kCellCount = 30;

class TMainForm1 : public tk::TForm {
 public:
  explicit TMainForm1(tk::TComponent* owner);
  ~TMainForm1() override;
  const char* ClassName() const override { return "TMainForm1"; }

  // The cell key of the cell the pointer last moved over ("1" .. "30"), or empty.
  const std::string& CellKey() const { return FCellKey; }

  // The layers of cell n (1 .. 30).
  tk::TImage& PhotoLayer(int n) const { return *FPhotoLayers[static_cast<std::size_t>(n)]; }
  tk::TImage& OverlayLayer(int n) const { return *FOverlayLayers[static_cast<std::size_t>(n)]; }

  // The hidden picture that holds the board snapshot.
  tk::TImage* Image0 = nullptr;
  tk::TPopupMenu* PopupMenu1 = nullptr;
  tk::TMenuItem* Save1 = nullptr;
  tk::TMenuItem* M1 = nullptr;
  tk::TMenuItem* D1 = nullptr;
  tk::TMenuItem* S1 = nullptr;
  tk::TMenuItem* N4 = nullptr;
  tk::TSavePictureDialog* SavePictureDialog1 = nullptr;

  // The popup menu's commands, named after their menu items.
  // Saves the board as shown to a JPEG file the user picks, asking before overwriting.
  void Save1Click(tk::TObject* sender);
  // Writes the board as a JPEG and hands it to the mail program as a new message's attachment.
  void M1Click(tk::TObject* sender);
  // Empties every cell: both layers of all thirty.
  void D1Click(tk::TObject* sender);
  // Toggles whether the window stays on top of others; the item's check mark shows the state.
  void S1Click(tk::TObject* sender);
  // Opens the program's information page in the browser.
  void N4Click(tk::TObject* sender);

  // Copies the client area as shown into Image0's bitmap, made at Image0's own size (the
  // layout gives it the client area's) on first use.
  void TakeSnapshot();

 protected:
  void FilesDropped(const tk::TDroppedFiles& drop) override;

 private:
  void RegisterHandlers();
  void FindWidgets();
  // The cell whose key FCellKey holds exactly, or 0.
  int HoveredCell() const;

  std::string FCellKey;
  std::array<tk::TImage*, kCellCount + 1> FPhotoLayers{};    // Image1_N
  std::array<tk::TImage*, kCellCount + 1> FOverlayLayers{};  // ImageN
};

// The one board window of the program, once created.
extern TMainForm1* MainForm1;

}  // namespace app
