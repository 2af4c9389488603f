// Filter strings of the file dialogs.
#include "ui/qt/FileFilter.h"

#include "ui/qt/QtText.h"

namespace ui::qt {

QStringList nameFilters(std::string_view filter) {
    const QStringList parts = qs(filter).split(QChar('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QChar(';'), Qt::SkipEmptyParts);
        for (auto& p : patterns) p = p.trimmed();
        if (patterns.isEmpty()) continue;
        out << parts[i] + QStringLiteral(" (") + patterns.join(QChar(' ')) + QChar(')');
    }
    return out;
}

}  // namespace ui::qt
