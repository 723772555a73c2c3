#pragma once
// TSpeedButton: the standard tool button. It has no window of its own, can stay down, and
// forms mutually exclusive groups with the other buttons of its parent that share its
// GroupIndex. The group message (CM_BUTTONPRESSED, WParam = group index, LParam = the sending
// TSpeedButton) is the contract every button of the widget set speaks, so that different kinds
// of buttons can share one group: a member that goes down raises the members that are down,
// and every member takes over the sender's AllowAllUp.

#include <cstdint>

#include "toolkit/controls/GraphicControl.h"
#include "toolkit/core/EnumNames.h"

namespace tk {

class TWinControl;

// Where a button puts its glyph relative to its caption.
enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr auto kButtonLayoutNames =
    EnumNames<TButtonLayout>({{blGlyphLeft, "blGlyphLeft"},
                              {blGlyphRight, "blGlyphRight"},
                              {blGlyphTop, "blGlyphTop"},
                              {blGlyphBottom, "blGlyphBottom"}});

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);
  const char* ClassName() const override { return "TSpeedButton"; }

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  // Outside a group a button never stays down; inside one without AllowAllUp a down button is
  // raised only by another member going down.
  bool Down() const { return FDown; }
  void SetDown(bool value);
  // Flat buttons show no edges while up.
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);

  // The look: up, pressed by the mouse, or held down.
  enum class TState { bsUp, bsDown, bsExclusive };
  TState State() const { return FState; }

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  // Tells the other members of the group about this button's Down and AllowAllUp.
  void UpdateExclusive();
  void CMButtonPressed(TMessage& message);
  void CMDialogChar(TMessage& message);
  bool Inside(int x, int y) const;

  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FFlat = false;
  bool FDragging = false;
  TState FState = TState::bsUp;
};

// The group message: `sender` tells every control of `parent` its Down and AllowAllUp.
void BroadcastButtonPressed(TWinControl& parent, int groupIndex, TSpeedButton& sender);
// A member's answer to the group message of another member (`own` is the member's own sender,
// which it passes over): it takes the sender's AllowAllUp, and goes up when both are down.
// Returns whether it went up.
bool AnswerButtonPressed(const TMessage& message, int groupIndex, const TSpeedButton* own,
                         bool& down, bool& allowAllUp);

}  // namespace tk
