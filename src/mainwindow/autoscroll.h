#pragma once

// Keeping the row being verified in view. Given the row, the top visible row and the
// number of fully visible rows, the new top row, or -1 when the row is visible and is
// not the last visible row (then nothing scrolls). A row at or below the last visible
// line comes to the second-to-last line, so the next row is visible too; a row above
// the view comes to the first line.
[[nodiscard]] int AutoScrollTopRow(int row, int topRow, int rowsPerPage) noexcept;
