// File dialog filters: "description|pattern|description|pattern..." as Qt name filters.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace ui::qt {

// One "description (patterns)" entry per pair, in order; patterns separated by ';' become blank-separated.
// A description without a pattern is left out.
QStringList nameFilters(std::string_view filter);

// The path a save dialog returns: when the chosen name filter's first pattern is "*.ext" and the typed file
// name has no extension, ".ext" is added; any other name or filter ("*.*", "map*-*.dat") keeps it as typed.
QString withFilterExtension(const QString& path, const QString& nameFilter);

}  // namespace ui::qt
