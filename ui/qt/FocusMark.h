// The game's mark of the control that has the keyboard focus, drawn only when the focus came from the
// keyboard: a click leaves every control looking as it always did.
#pragma once

#include <QFocusEvent>
#include <QPainter>
#include <QRect>
#include <QWidget>

namespace ui::qt {

class FocusMark {
  public:
    // Follows the focus of a widget; call from its focusInEvent and focusOutEvent.
    void focusIn(const QFocusEvent& event);
    void focusOut(const QFocusEvent& event);
    // Whether the mark is shown: the widget has the focus, and it came from Tab, Shift+Tab or the arrows.
    bool shown(const QWidget& widget) const { return byKeyboard_ && widget.hasFocus(); }

    // A dashed frame in the game's pink and white, width model pixels wide, just inside box.
    static void draw(QPainter& p, const QRect& box, int scale);

  private:
    bool byKeyboard_ = false;
};

}  // namespace ui::qt
