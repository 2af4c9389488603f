// The icons of the three programs: the game, the user-stage player and the stage editor.
#pragma once

#include <string>

#include "tools/icons/IconShape.h"

namespace icons {

IconDesign gameIcon(const std::string& id);    // rows of blocks, a ball with its trail and the bar
IconDesign runnerIcon(const std::string& id);  // blocks and the bar with a play sign
IconDesign makerIcon(const std::string& id);   // a grid of painted cells and a pencil

}  // namespace icons
