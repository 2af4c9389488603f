// A key that steps through a few choices (the patterns on the blocks, the runner's pace), remembers the one
// made in the program's settings and shows it as a short note.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "ui/core/Form.h"

namespace ui {

struct ChoiceKey {
    int key = 0;               // a ui::keys code, pressed without Ctrl or Alt
    const char* setting = "";  // its name in the settings
    std::vector<int> choices;  // in the order the key steps through them; the first is the default
    std::function<std::string(int)> note;  // what the player is shown after a press
    std::function<void(int)> apply;        // puts the choice in force
};

// Applies the remembered choice (the first when none is, or one not offered), then steps on at each press.
// settings may be null (nothing remembered).
void addChoiceKey(Form& form, base::Settings* settings, ChoiceKey choice);

}  // namespace ui
