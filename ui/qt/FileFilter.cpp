// Filter strings of the file dialogs.
#include "ui/qt/FileFilter.h"

#include <QFileInfo>
#include <QRegularExpression>

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

QString withFilterExtension(const QString& path, const QString& nameFilter) {
    // "description (*.usr *.x)": the patterns stand between the last parentheses.
    static const QRegularExpression kPatterns(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    static const QRegularExpression kPlainExtension(QStringLiteral("^\\*\\.([^*?\\[\\].]+)$"));
    const QRegularExpressionMatch m = kPatterns.match(nameFilter);
    if (!m.hasMatch()) return path;
    const QStringList patterns = m.captured(1).split(QChar(' '), Qt::SkipEmptyParts);
    if (patterns.isEmpty()) return path;
    const QRegularExpressionMatch ext = kPlainExtension.match(patterns.front());
    if (!ext.hasMatch()) return path;
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(QChar('.'))) return path;
    return path + QChar('.') + ext.captured(1);
}

}  // namespace ui::qt
