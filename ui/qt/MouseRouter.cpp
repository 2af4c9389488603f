// Mouse routing: handlers run through the dispatcher; a left press and release on the same control clicks it.
#include "ui/qt/MouseRouter.h"

#include <QMouseEvent>

namespace ui::qt {
namespace {

ui::MouseButton buttonOf(Qt::MouseButton b, Qt::MouseButtons held) {
    if (b == Qt::NoButton) {  // a move: report the button held, left first
        if (held & Qt::LeftButton) return ui::MouseButton::Left;
        if (held & Qt::RightButton) return ui::MouseButton::Right;
        if (held & Qt::MiddleButton) return ui::MouseButton::Middle;
        return ui::MouseButton::Left;
    }
    if (b == Qt::RightButton) return ui::MouseButton::Right;
    if (b == Qt::MiddleButton) return ui::MouseButton::Middle;
    return ui::MouseButton::Left;
}

// Rounds towards minus infinity, so a widget pixel left of or above the control maps to a model pixel
// outside it too.
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

}  // namespace

void MouseRouter::attach(ControlView& view, QWidget* source) {
    QWidget* w = source ? source : &view.widget();
    w->setMouseTracking(true);
    // An event a control leaves alone must not reach the control beneath or the window as well.
    view.widget().setAttribute(Qt::WA_NoMousePropagation);
    w->installEventFilter(this);
    views_[w] = &view;
}

bool MouseRouter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto it = views_.find(watched);
    if (it == views_.end()) return false;
    ControlView& view = *it->second;
    ui::Control& c = view.control();
    const bool consume = !view.nativeMouse();
    if (!c.enabled()) return consume;

    const auto* me = static_cast<QMouseEvent*>(event);
    QPoint pos = me->position().toPoint();
    if (watched != &view.widget()) pos = static_cast<QWidget*>(watched)->mapTo(&view.widget(), pos);
    const ui::MouseEvent ev{buttonOf(me->button(), me->buttons()), floorDiv(pos.x(), scale_),
                            floorDiv(pos.y(), scale_)};

    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // a second press is a press like any other
            if (me->button() == Qt::LeftButton) leftPressedOn_ = watched;
            dispatcher_.run([&] {
                if (c.onMouseDown) c.onMouseDown(ev);
            });
            break;
        case QEvent::MouseMove:
            dispatcher_.run([&] {
                if (c.onMouseMove) c.onMouseMove(ev);
            });
            break;
        default: {
            // Buttons report their own clicks; other controls click on a left release over themselves.
            const bool click = consume && me->button() == Qt::LeftButton && leftPressedOn_ == watched &&
                               view.widget().rect().contains(pos);
            if (me->button() == Qt::LeftButton) leftPressedOn_ = nullptr;
            if (click)
                dispatcher_.run([&] {
                    if (c.onClick) c.onClick();
                });
            dispatcher_.run([&] {
                if (c.onMouseUp) c.onMouseUp(ev);
            });
            break;
        }
    }
    return consume;
}

}  // namespace ui::qt
