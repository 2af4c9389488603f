// Conversions between the models' UTF-8 texts and colours and Qt's strings and colours.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "base/Colour.h"

namespace ui::qt {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8(const QString& s) {
    return s.toUtf8().toStdString();
}
inline QColor qcolour(base::Colour c) {
    return QColor(c.r, c.g, c.b);
}

// A caption as shown: a carriage return (alone or before a line feed) and a line feed each break the line.
QString displayText(std::string_view utf8);

}  // namespace ui::qt
