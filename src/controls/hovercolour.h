#pragma once

#include <QColor>

// The background of a lit flat button: the button colour raised by 0x1E on each of
// red, green and blue. A channel that would pass 0xFF stays at 0xFF instead of
// carrying into its neighbour, so a near-white face stays near-white.
[[nodiscard]] QColor HoverBackgroundColour(const QColor& buttonColour);
