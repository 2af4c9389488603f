// Makes the widget view that fits a control's kind.
#pragma once

#include <memory>

#include "ui/core/Control.h"
#include "ui/core/Dispatcher.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

std::unique_ptr<ControlView> makeView(ui::Control& control, ui::Dispatcher& dispatcher, QWidget* parent);

}  // namespace ui::qt
