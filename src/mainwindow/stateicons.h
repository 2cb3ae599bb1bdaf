#pragma once

#include "listtypes.h"

#include <QPixmap>
#include <QSize>

// The row-state pictures of the checksum list, 16 x 20 each, drawn in code:
// Unchecked a plain page, Checking a page with a magnifying glass, Bad a red cross,
// OK a green tick, Missing a page with a yellow warning sign.
inline constexpr QSize kStateIconSize{16, 20};

[[nodiscard]] QPixmap DrawStateIcon(EntryStatus status, int scale = 1);

// The five pictures, drawn once and kept; index = status value.
class StateIcons {
public:
    StateIcons();
    [[nodiscard]] const QPixmap& Icon(EntryStatus status) const;

private:
    QPixmap m_icons[5];
};
