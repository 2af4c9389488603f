// Text field: the validator holds the typing limit; the program's own texts are shown whole.
#include "ui/qt/EditView.h"

#include "ui/qt/QtFonts.h"
#include "ui/qt/QtText.h"

namespace ui::qt {

QValidator::State EditValidator::validate(QString& input, int&) const {
    return edit_.accepts(utf8(input)) ? Acceptable : Invalid;
}

EditView::EditView(ui::Edit& edit, ui::Dispatcher& dispatcher, QWidget* parent)
    : ViewOf(edit, parent), dispatcher_(dispatcher), validator_(edit) {
    setValidator(&validator_);
    // textEdited comes from the user only, never from setText.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        dispatcher_.run([this, t = utf8(text)] { model().userEdited(t); });
    });
}

void EditView::applyOwn() {
    const QString text = qs(model().text());
    if (this->text() != text) setText(text);  // bypasses the validator: shown whole
    showFont(model().font(), QPalette::Text);
    if (hasFrame() == model().flat()) setFrame(!model().flat());
}

void EditView::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    dispatcher_.run([this] { model().userEntered(); });
}

}  // namespace ui::qt
