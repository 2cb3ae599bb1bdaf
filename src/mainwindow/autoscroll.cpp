#include "autoscroll.h"

#include <algorithm>

int AutoScrollTopRow(int row, int topRow, int rowsPerPage) noexcept
{
    if (row < 0) {
        return -1;
    }
    if (row < topRow) {
        return row;
    }
    if (row < topRow + rowsPerPage - 1) {
        return -1;
    }
    // A view of one row or less can show only the row itself.
    const int lines = std::max(rowsPerPage, 2);
    const int top = std::max(0, row - (lines - 2));
    return top == topRow ? -1 : top;
}
