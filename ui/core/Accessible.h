// What a screen reader is told of a control: its shown text and the name it goes by.
#pragma once

#include <string>

#include "ui/core/Control.h"

namespace ui {

// The text a control shows: a label's, button's or panel's caption, a field's text; none for the others.
std::string shownText(const Control& c);

// The name a screen reader reads: the name set on the control, else the shown text of the control that
// labels it, else its own shown text (a field's: never what was typed into it); line breaks read as blanks.
std::string accessibleNameOf(const Control& c);

}  // namespace ui
