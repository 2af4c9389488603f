// The controls as a screen reader sees them (Qt's accessibility, AT-SPI on Linux): the window, panels,
// labels, pictures and gauges, which Qt knows only as plain widgets. Buttons, fields and lists keep Qt's own
// accessibility, with the control's name.
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "ui/qt/ControlView.h"

namespace ui::qt {

class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    ControlAccessible(ControlView& view, QAccessible::Role role);

    // Makes the view known to Qt's accessibility by this class, unless Qt's own serves it (nullptr then).
    static void registerView(ControlView& view);
    // Tells a screen reader that the name (or a gauge's value) of an announced control changed.
    static void announce(ControlView& view);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // Only the children that can be seen and say something: not the hidden ones, those that wait outside the
    // window or lie under a panel, nor labels and pictures without a name (decoration).
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // A gauge's value.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

  private:
    QWidgetList offeredChildren() const;

    ControlView& view_;
};

}  // namespace ui::qt
