// Escape backs out of the panel on top: it presses that panel's back button, as a click on it would.
#pragma once

#include <initializer_list>

#include "ui/core/Form.h"
#include "ui/core/Widgets.h"

namespace ui {

// From now on Escape (without Ctrl or Alt) presses the deepest of buttons that is seen (it and every panel it
// lies in shown) and enabled; when none is, Escape is left to the other key handlers. A panel inside another
// (a page of the help) is backed out of before the one that holds it.
void addCancelButtons(Form& form, std::initializer_list<Button*> buttons);

}  // namespace ui
