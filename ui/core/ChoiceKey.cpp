// Stepping through remembered choices with a key.
#include "ui/core/ChoiceKey.h"

#include <algorithm>
#include <utility>

namespace ui {

void addChoiceKey(Form& form, base::Settings* settings, ChoiceKey choice) {
    if (choice.choices.empty()) return;
    const int remembered =
        settings ? settings->get(choice.setting, choice.choices.front()) : choice.choices.front();
    const auto found = std::find(choice.choices.begin(), choice.choices.end(), remembered);
    std::size_t at =
        found == choice.choices.end() ? 0 : static_cast<std::size_t>(found - choice.choices.begin());
    choice.apply(choice.choices[at]);
    form.addKeyHandler([c = std::move(choice), at, settings, &form](const KeyEvent& e) mutable {
        if (e.key != c.key || e.ctrl || e.alt) return false;
        if (e.autoRepeat) return true;
        at = (at + 1) % c.choices.size();
        const int value = c.choices[at];
        c.apply(value);
        if (settings) settings->set(c.setting, value);
        form.showNote(c.note(value));
        return true;
    });
}

}  // namespace ui
