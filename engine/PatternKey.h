// F3 in every program that shows a field: each block kind's pattern over its colour, on or off, remembered as
// "Patterns" in the program's settings (off at first).
#pragma once

#include <functional>

#include "ui/core/ChoiceKey.h"

namespace engine {

inline constexpr int kPatternKey = ui::keys::F1 + 2;

// show puts the choice on the field.
ui::ChoiceKey patternKey(std::function<void(bool)> show);

}  // namespace engine
