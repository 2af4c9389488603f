// The backgrounds that every play window gives the labels beside its field.
#pragma once

#include "base/Colour.h"

namespace engine {

inline constexpr base::Colour kBannerBack{128, 0, 255};       // the banner over the field, between plays
inline constexpr base::Colour kLogBack{246, 246, 246};        // event log under the field
inline constexpr base::Colour kStateBack{255, 0, 128};        // status text
inline constexpr base::Colour kTimeBack{255, 176, 255};       // time left
inline constexpr base::Colour kHowToPlayBack{128, 128, 192};  // how to play, and the game's ranking page

}  // namespace engine
