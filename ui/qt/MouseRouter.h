// Hands mouse moves, presses and releases on a control's widget to the control's handlers.
#pragma once

#include <QObject>
#include <QPointer>
#include <unordered_map>

#include "ui/core/Dispatcher.h"
#include "ui/qt/ControlView.h"

namespace ui::qt {

// While a button pressed over a widget is held, Qt keeps sending that widget the moves and the release,
// with coordinates that may lie outside it: the capture an image needs for painting by dragging.
class MouseRouter : public QObject {
  public:
    explicit MouseRouter(ui::Dispatcher& dispatcher) : dispatcher_(dispatcher) {}
    // Routes the events of view's widget (and of source, a part of it such as a list's viewport).
    void attach(ControlView& view, QWidget* source = nullptr);
    // Widget px per model px: handlers get positions in the controls' own pixels.
    void setScale(int factor) { scale_ = factor; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ui::Dispatcher& dispatcher_;
    std::unordered_map<QObject*, ControlView*> views_;
    QPointer<QObject> leftPressedOn_;  // widget that took the last left press (for clicks)
    int scale_ = 1;                    // widget px per model px
};

}  // namespace ui::qt
