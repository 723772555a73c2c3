#pragma once
// The value types of the shine button, with the ordinals form text stores.

#include <cstdint>

namespace widgets {

enum TFrameType : std::uint8_t { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };

// The glyph's look while the mouse is over the button.
enum TActiveImageType : std::uint8_t {
  aiNormal,
  aiXorLight,
  aiHalfLight,
  aiQuaterLight,
  aiAddLight,
  aiFrameLight,
  aiFrameLight2,
  aiMaskLight
};

// The glyph's look while the button is disabled.
enum TDisabledImageType : std::uint8_t {
  diDefault,
  diGrayscale,
  diAlphaHalfTrans,
  diAlphaQuaterTrans,
  diMaskTrans
};

// The order matters: below stActive the button is drawn pressed, from stActive on raised.
enum TShineDrawState : std::uint8_t { stActiveDown, stDown, stActive, stUp, stDisabled };

}  // namespace widgets
