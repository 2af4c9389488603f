// Box, visibility and enabled state, common to every control's widget.
#include "ui/qt/ControlView.h"

namespace ui::qt {

void ControlView::apply() {
    ++applyCount_;
    applyCommon();
    applyOwn();
}

void ControlView::applyCommon() {
    QWidget& w = widget();
    const ui::Rect r = control_.bounds();
    const QRect box(r.left * scale_, r.top * scale_, r.width * scale_, r.height * scale_);
    if (!w.isWindow() && w.geometry() != box) w.setGeometry(box);
    if (!w.isWindow() && w.isHidden() == control_.visible()) w.setVisible(control_.visible());
    if (w.toolTip().toStdString() != control_.hint()) w.setToolTip(QString::fromStdString(control_.hint()));
    // The own flag, not isEnabled(), which also reads the parents.
    if (w.testAttribute(Qt::WA_Disabled) == control_.enabled()) w.setEnabled(control_.enabled());
}

}  // namespace ui::qt
