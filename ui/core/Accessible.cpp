// Names for screen readers, taken from what the controls show so that they follow the shown texts.
#include "ui/core/Accessible.h"

#include <algorithm>

#include "ui/core/Widgets.h"

namespace ui {

std::string shownText(const Control& c) {
    if (const auto* x = dynamic_cast<const Label*>(&c)) return x->caption();
    if (const auto* x = dynamic_cast<const Button*>(&c)) return x->caption();
    if (const auto* x = dynamic_cast<const Panel*>(&c)) return x->caption();
    if (const auto* x = dynamic_cast<const Edit*>(&c)) return x->text();
    return {};
}

std::string accessibleNameOf(const Control& c) {
    std::string name = c.accessibleName();
    // A field's own text is what was typed into it, not its name.
    if (name.empty() && c.labelledBy()) name = shownText(*c.labelledBy());
    if (name.empty() && !dynamic_cast<const Edit*>(&c)) name = shownText(c);
    std::replace(name.begin(), name.end(), '\r', ' ');
    return name;
}

}  // namespace ui
