#include "rules/text/cell_rows.h"

#include <algorithm>

#include "rules/part_numbers/part_number_text.h"

namespace tarvek {

bool isBlankRow(const CellRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& cell) { return withoutSurroundingBlanks(cell).empty(); });
}

}  // namespace tarvek
