#pragma once
// A top-level window. It owns a back buffer of its client size: painting fills it with the
// form's colour and then lets each visible control paint over it, in creation order, clipped
// to the control's bounds. The backend only shows that buffer and feeds input back here.

#include <memory>
#include <string>

#include "toolkit/controls/WinControl.h"
#include "toolkit/core/EnumNames.h"
#include "toolkit/core/MethodTable.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/platform/NativeWindow.h"

namespace tk {

enum class TFormStyle { fsNormal, fsStayOnTop };
inline constexpr auto kFormStyleNames = EnumNames<TFormStyle>(
    {{TFormStyle::fsNormal, "fsNormal"}, {TFormStyle::fsStayOnTop, "fsStayOnTop"}});
enum class TPosition { poDesigned, poScreenCenter };
inline constexpr auto kPositionNames = EnumNames<TPosition>(
    {{TPosition::poDesigned, "poDesigned"}, {TPosition::poScreenCenter, "poScreenCenter"}});

class TForm : public TWinControl, public IWindowEvents {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle style);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style) { FBorderStyle = style; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition p) { FPosition = p; }
  // Settings that form text written by other tools carries. Layouts are for 96 dots per inch
  // and are never rescaled, so these are kept, not acted on.
  int PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
  int TextHeight() const { return FTextHeight; }
  void SetTextHeight(int v) { FTextHeight = v; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool v) { FScaled = v; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool v) { FOldCreateOrder = v; }
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool v) { FKeyPreview = v; }
  // The client area is the form's size: the frame belongs to the window system. No screen
  // shows more than kMaxClientExtent a side; a larger size (a damaged form file, say) is held
  // to it, so that the back buffer stays within 256 MB.
  static constexpr int kMaxClientExtent = 8192;
  void SetClientWidth(int w) { SetWidth(w); }
  void SetClientHeight(int h) { SetHeight(h); }
  void SetBounds(int left, int top, int width, int height) override;
  TPoint ClientOrigin() const override;
  bool Showing() const override;

  // Creates the native window now if it does not exist yet.
  INativeWindow& Handle();
  void Show();
  void Close();
  // Files dropped from the file manager reach FilesDropped while this is on.
  void DragAcceptFiles(bool accept);

  void InvalidateRect(const TRect& clientRect) override;
  void UpdateWindow() override;
  TControl* CaptureControl() const override { return FCaptureControl; }
  void SetCaptureControl(TControl* control) override { FCaptureControl = control; }
  // A control leaves the form: drop any reference the input routing keeps to it.
  void ForgetControl(TControl* control);

  // What the native window reports (see IWindowEvents).
  void HandlePaint() override { UpdateWindow(); }
  TBitmap& BackBuffer() override { return FBackBuffer; }
  void HandleMouseMove(TPoint client, unsigned keys) override;
  void HandleMouseButton(TMouseButton button, bool down, bool doubleClick, TPoint client,
                         unsigned keys) override;
  void HandleMouseLeaveWindow() override;
  bool HandleKeyDown(int virtualKey, TShiftState shift) override;
  void HandleChar(unsigned charCode) override;
  void HandleDropFiles(const TDroppedFiles& drop) override;
  void HandleCloseRequest() override;
  // Opens the popup menu the way the context-menu key does: at the client area's top-left.
  void PopupFromKeyboard() override;
  // Opens the popup menu at a client point, as a right click does there.
  void PopupAt(TPoint client);

  const TMethodTable* Methods() const override { return &FMethods; }

  TNotifyEvent OnClose;

 protected:
  void Dispatch(TMessage& message) override;
  // A drop on a form that accepts files; a plain form does nothing with it.
  virtual void FilesDropped(const TDroppedFiles& drop) {}
  // Handlers that form text may bind to.
  TMethodTable FMethods;

 private:
  void PaintRect(const TRect& rect);
  void TrackMouseControl(TPoint client);
  bool IsShortCut(int virtualKey, TShiftState shift);
  TControl* MouseTarget(TPoint client) const;

  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TBorderStyle FBorderStyle = TBorderStyle::bsSizeable;
  TPosition FPosition = TPosition::poDesigned;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  bool FScaled = true;
  bool FOldCreateOrder = false;
  bool FKeyPreview = false;
  bool FAcceptFiles = false;
  bool FShown = false;
  std::unique_ptr<INativeWindow> FHandle;
  TBitmap FBackBuffer;
  TCanvas FBufferCanvas;
  TRect FDirty;
  TControl* FCaptureControl = nullptr;
  TControl* FMouseControl = nullptr;  // the control the mouse was last reported over
};

}  // namespace tk
