// Text field: the validator holds the typing limit; the program's own texts are shown whole.
#include "ui/qt/EditView.h"

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

QValidator::State EditValidator::validate(QString& input, int&) const {
    return edit_.accepts(utf8(input)) ? Acceptable : Invalid;
}

EditView::EditView(ui::Edit& edit, ui::Dispatcher& dispatcher, QWidget* parent)
    : QLineEdit(parent), ControlView(edit), edit_(edit), dispatcher_(dispatcher), validator_(edit) {
    setValidator(&validator_);
    // textEdited comes from the user only, never from setText.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        dispatcher_.run([this, t = utf8(text)] { edit_.userEdited(t); });
    });
}

void EditView::applyOwn() {
    const QString text = qs(edit_.text());
    if (this->text() != text) setText(text);  // bypasses the validator: shown whole
    if (fontScale_ != scale() || font_ != edit_.font()) {
        font_ = edit_.font();
        fontScale_ = scale();
        setFont(toQFont(font_, fontScale_));
        QPalette pal = palette();
        pal.setColor(QPalette::Text, qcolour(font_.colour));
        setPalette(pal);
    }
    if (hasFrame() == edit_.flat()) setFrame(!edit_.flat());
}

void EditView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    dispatcher_.run([this] { edit_.userEntered(); });
}

}  // namespace ui::qt
