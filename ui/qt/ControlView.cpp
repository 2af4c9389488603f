// Box, visibility and enabled state, common to every control's widget.
#include "ui/qt/ControlView.h"

#include "ui/core/Accessible.h"
#include "ui/qt/QtText.h"

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
    // A picture reached with Tab; a click does not give it the focus, so the mouse finds nothing changed.
    if (control_.tabStop() && (w.focusPolicy() & Qt::TabFocus) == 0) w.setFocusPolicy(Qt::TabFocus);
    // A button without a name of its own is read by its caption, which Qt's accessibility follows itself.
    if (nativeAccessible_ && (!control_.accessibleName().empty() || control_.labelledBy())) {
        const QString name = qs(ui::accessibleNameOf(control_));
        if (w.accessibleName() != name) w.setAccessibleName(name);
    }
}

}  // namespace ui::qt
