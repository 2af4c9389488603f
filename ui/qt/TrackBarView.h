// A track bar (the windows keep theirs hidden): range and position; a user's move reaches the model.
#pragma once

#include <QSlider>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

class TrackBarView : public ViewOf<QSlider, ui::TrackBar, true> {
  public:
    TrackBarView(ui::TrackBar& bar, ui::Dispatcher& dispatcher, QWidget* parent);

  protected:
    void applyOwn() override;

  private:
    bool applying_ = false;  // true while the program's values are put in
};

}  // namespace ui::qt
