// The focus mark: where the keyboard is, in the game's colours.
#include "ui/qt/FocusMark.h"

#include <QPen>
#include <QWidget>

namespace ui::qt {
namespace {

constexpr int kWidth = 2;  // model pixels

// The window losing or regaining the desktop's focus, or a menu, changes nothing of where the keyboard is.
bool passing(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

void FocusMark::focusIn(const QFocusEvent& event) {
    if (passing(event.reason())) return;
    byKeyboard_ = event.reason() == Qt::TabFocusReason || event.reason() == Qt::BacktabFocusReason ||
                  event.reason() == Qt::ShortcutFocusReason;
}

void FocusMark::focusOut(const QFocusEvent& event) {
    if (!passing(event.reason())) byKeyboard_ = false;
}

void FocusMark::draw(QPainter& p, const QRect& box, int scale) {
    const int w = kWidth * scale;
    const QRectF inside = QRectF(box).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(inside);
    QPen dashes(QColor(255, 0, 128), w, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 1});
    p.setPen(dashes);
    p.drawRect(inside);
    p.restore();
}

}  // namespace ui::qt
