// Names, roles, values and children of the controls for screen readers.
#include "ui/qt/ControlAccessible.h"

#include <optional>

#include "ui/core/Accessible.h"
#include "ui/core/Form.h"
#include "ui/core/Image.h"
#include "ui/core/Widgets.h"
#include "ui/qt/QtText.h"
#include "ui/qt/SeenWidgets.h"

namespace ui::qt {
namespace {

// The role of a control that Qt knows only as a plain widget; none for those Qt's own classes serve.
std::optional<QAccessible::Role> roleOf(const ui::Control& c) {
    if (dynamic_cast<const ui::Form*>(&c)) return QAccessible::Window;
    if (dynamic_cast<const ui::Label*>(&c)) return QAccessible::StaticText;
    if (dynamic_cast<const ui::Image*>(&c)) return QAccessible::Graphic;
    if (dynamic_cast<const ui::Gauge*>(&c)) return QAccessible::ProgressBar;
    if (dynamic_cast<const ui::Panel*>(&c)) return QAccessible::Grouping;
    if (dynamic_cast<const ui::Button*>(&c) || dynamic_cast<const ui::Edit*>(&c) ||
        dynamic_cast<const ui::ListBox*>(&c) || dynamic_cast<const ui::TrackBar*>(&c))
        return std::nullopt;
    return QAccessible::Client;
}

// Labels and pictures without a name are decoration (boxes of colour, empty banners).
bool offered(const QWidget& w) {
    if (!seen(w)) return false;
    const auto* view = dynamic_cast<const ControlView*>(&w);
    if (!view) return true;
    const ui::Control& c = view->control();
    const bool decoration = dynamic_cast<const ui::Label*>(&c) || dynamic_cast<const ui::Image*>(&c);
    return !decoration || !ui::accessibleNameOf(c).empty();
}

}  // namespace

ControlAccessible::ControlAccessible(ControlView& view, QAccessible::Role role)
    : QAccessibleWidget(&view.widget(), role), view_(view) {}

void ControlAccessible::registerView(ControlView& view) {
    const std::optional<QAccessible::Role> role = roleOf(view.control());
    if (!role) {
        view.setNativeAccessible(true);
        return;
    }
    // Registered before Qt's accessibility is asked for the widget, so it is the one Qt gives out.
    QAccessible::registerAccessibleInterface(new ControlAccessible(view, *role));
}

void ControlAccessible::announce(ControlView& view) {
    if (!QAccessible::isActive()) return;
    if (const auto* gauge = dynamic_cast<const ui::Gauge*>(&view.control())) {
        QAccessibleValueChangeEvent event(&view.widget(), gauge->progress());
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessibleEvent event(&view.widget(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString ControlAccessible::text(QAccessible::Text t) const {
    const ui::Control& c = view_.control();
    if (dynamic_cast<const ui::Form*>(&c)) return QAccessibleWidget::text(t);  // the window's caption
    switch (t) {
        case QAccessible::Name:
            return qs(ui::accessibleNameOf(c));
        case QAccessible::Description:
            return qs(c.accessibleDescription());
        case QAccessible::Value:
            if (const auto* gauge = dynamic_cast<const ui::Gauge*>(&c))
                return QString::number(gauge->progress());
            return {};
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (!seen(*widget())) s.invisible = true;
    return s;
}

QWidgetList ControlAccessible::offeredChildren() const {
    QWidgetList list;
    for (QObject* o : widget()->children()) {
        if (!o->isWidgetType()) continue;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() && offered(*w)) list.append(w);
    }
    return list;
}

int ControlAccessible::childCount() const {
    return static_cast<int>(offeredChildren().size());
}

QAccessibleInterface* ControlAccessible::child(int index) const {
    const QWidgetList list = offeredChildren();
    if (index < 0 || index >= list.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(list.at(index));
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object()) return -1;
    return static_cast<int>(offeredChildren().indexOf(static_cast<QWidget*>(child->object())));
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface && dynamic_cast<const ui::Gauge*>(&view_.control()))
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ControlAccessible::currentValue() const {
    const auto* gauge = dynamic_cast<const ui::Gauge*>(&view_.control());
    return gauge ? gauge->progress() : 0;
}

QVariant ControlAccessible::maximumValue() const {
    const auto* gauge = dynamic_cast<const ui::Gauge*>(&view_.control());
    return gauge ? gauge->maximum() : 0;
}

QVariant ControlAccessible::minimumValue() const {
    const auto* gauge = dynamic_cast<const ui::Gauge*>(&view_.control());
    return gauge ? gauge->minimum() : 0;
}

}  // namespace ui::qt
