// Column width clamping, free of the list view so it is tested natively.
#include "settings/column_width_rules.h"

#include <algorithm>

int ClampColumnWidth(std::int64_t width) {
    return static_cast<int>(std::clamp<std::int64_t>(width, kMinColumnWidth, kMaxColumnWidth));
}

int ColumnWidthFromStored(std::uint32_t stored) { return ClampColumnWidth(static_cast<std::int32_t>(stored)); }
