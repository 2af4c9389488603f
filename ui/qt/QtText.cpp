// Caption line breaks as the windows show them.
#include "ui/qt/QtText.h"

namespace ui::qt {

QString displayText(std::string_view text) {
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    // The layout engine breaks lines at the line separator, whatever the wrap mode.
    s.replace(QChar('\n'), QChar::LineSeparator);
    return s;
}

}  // namespace ui::qt
