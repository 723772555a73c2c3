#pragma once
// The value types of the shine button, with the ordinals form text stores.

#include <cstdint>

#include "toolkit/core/EnumNames.h"

namespace widgets {

enum TFrameType : std::uint8_t { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };
inline constexpr auto kFrameTypeNames =
    tk::EnumNames<TFrameType>({{ftFlatFrame, "ftFlatFrame"},
                               {ftNormalFrame, "ftNormalFrame"},
                               {ftEnclosedFrame, "ftEnclosedFrame"}});

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
inline constexpr auto kActiveImageTypeNames =
    tk::EnumNames<TActiveImageType>({{aiNormal, "aiNormal"},
                                     {aiXorLight, "aiXorLight"},
                                     {aiHalfLight, "aiHalfLight"},
                                     {aiQuaterLight, "aiQuaterLight"},
                                     {aiAddLight, "aiAddLight"},
                                     {aiFrameLight, "aiFrameLight"},
                                     {aiFrameLight2, "aiFrameLight2"},
                                     {aiMaskLight, "aiMaskLight"}});

// The glyph's look while the button is disabled.
enum TDisabledImageType : std::uint8_t {
  diDefault,
  diGrayscale,
  diAlphaHalfTrans,
  diAlphaQuaterTrans,
  diMaskTrans
};
inline constexpr auto kDisabledImageTypeNames =
    tk::EnumNames<TDisabledImageType>({{diDefault, "diDefault"},
                                       {diGrayscale, "diGrayscale"},
                                       {diAlphaHalfTrans, "diAlphaHalfTrans"},
                                       {diAlphaQuaterTrans, "diAlphaQuaterTrans"},
                                       {diMaskTrans, "diMaskTrans"}});

// The order matters: below stActive the button is drawn pressed, from stActive on raised.
enum TShineDrawState : std::uint8_t { stActiveDown, stDown, stActive, stUp, stDisabled };

}  // namespace widgets
