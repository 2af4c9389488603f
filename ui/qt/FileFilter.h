// File dialog filters: "description|pattern|description|pattern..." as Qt name filters.
#pragma once

#include <QStringList>
#include <string_view>

namespace ui::qt {

// One "description (patterns)" entry per pair, in order; patterns separated by ';' become blank-separated.
// A description without a pattern is left out.
QStringList nameFilters(std::string_view filter);

}  // namespace ui::qt
