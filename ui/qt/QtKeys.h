// Qt's key events as the models' key events.
#pragma once

#include <QKeyEvent>

#include "ui/core/Key.h"

namespace ui::qt {

// The model's code of a Qt key: printable keys as upper-case ASCII, the others as ui::keys; 0 for keys the
// models do not know.
int keyCode(int qtKey);
// Qt's code of a model key (0: none).
int qtKeyOf(int code);
ui::KeyEvent modelKey(const QKeyEvent& event);

}  // namespace ui::qt
