// Row and cell lookup with bounds checks.
#include "TableDef.h"

namespace rkpe {

TableRow* TableDef::Row(int s, int r)
{
    auto& rows = sections[SectionIndex(s)];
    if (r < 0 || static_cast<size_t>(r) >= rows.size())
        return nullptr;
    return &rows[static_cast<size_t>(r)];
}

CellRecord* TableDef::Cell(int s, int r, int c)
{
    TableRow* row = Row(s, r);
    if (!row || c < 0 || static_cast<size_t>(c) >= row->size())
        return nullptr;
    return &(*row)[static_cast<size_t>(c)];
}

} // namespace rkpe
