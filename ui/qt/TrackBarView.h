// A track bar (the windows keep theirs hidden): range and position; a user's move reaches the model.
#pragma once

#include <QSlider>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

class TrackBarView : public QSlider, public ControlView {
  public:
    TrackBarView(ui::TrackBar& bar, ui::Dispatcher& dispatcher, QWidget* parent);
    QWidget& widget() override { return *this; }
    bool nativeMouse() const override { return true; }

  protected:
    void applyOwn() override;

  private:
    ui::TrackBar& bar_;
    bool applying_ = false;  // true while the program's values are put in
};

}  // namespace ui::qt
