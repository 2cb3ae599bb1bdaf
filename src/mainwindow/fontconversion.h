#pragma once

#include "fontrecord.h"

#include <QFont>

// A stored font record as a Qt font and back. A negative lfHeight is the character
// height in pixels (the font's pixel size); a positive one is the cell height, of
// which the character takes about 80 percent. A face that is not installed (Tahoma on
// most Linux systems) falls back to the nearest sans-serif font.
[[nodiscard]] QFont FontFromRecord(const FontRecord& record);
// The record of `font` with the text colour `colour` (COLORREF).
[[nodiscard]] FontRecord RecordFromFont(const QFont& font, std::uint32_t colour);
