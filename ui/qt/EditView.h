// A single-line field: typing limited by Edit::accepts (code page 932 bytes); edits and focus reach the
// model.
#pragma once

#include <QLineEdit>
#include <QValidator>

#include "ui/core/Dispatcher.h"
#include "ui/core/Widgets.h"
#include "ui/qt/ViewOf.h"

namespace ui::qt {

// Refuses a proposed text that the field's model does not accept.
class EditValidator : public QValidator {
  public:
    explicit EditValidator(const ui::Edit& edit) : edit_(edit) {}
    State validate(QString& input, int& pos) const override;

  private:
    const ui::Edit& edit_;
};

class EditView : public ViewOf<QLineEdit, ui::Edit, true> {
  public:
    EditView(ui::Edit& edit, ui::Dispatcher& dispatcher, QWidget* parent);

  protected:
    void applyOwn() override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    ui::Dispatcher& dispatcher_;
    EditValidator validator_;
};

}  // namespace ui::qt
