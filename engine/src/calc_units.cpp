// Applies one row of the unit scales.
#include <engine/globals.h>
#include <engine/units_table.h>

namespace Globals {

void calcUnits()
{
    if (stUnits < 0 || stUnits >= static_cast<std::int64_t>(unitsTable.size()))
        return;
    const UnitsRow& row = unitsTable[static_cast<std::size_t>(stUnits)];
    x_Val = row.x_Val;
    x_units = row.x_units;
    y_val = row.y_val;
    y_units = row.y_units;
}

} // namespace Globals
