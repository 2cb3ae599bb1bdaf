#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>

#include <functional>

class QPainter;

// Shared strokes of the pictures the window draws for itself (toolbar, row states,
// program icon). Pictures are drawn on a logical grid and scaled for dense screens.

// A transparent pixmap of `width` x `height` logical pixels at `scale`, painted by
// `paint` with antialiasing on a painter already scaled to the logical grid.
[[nodiscard]] QPixmap PaintPicture(int width, int height, int scale, const std::function<void(QPainter&)>& paint);

// A sheet of paper with a folded top-right corner.
void DrawPage(QPainter& painter, const QRectF& page);

// A green tick inside `box`.
void DrawTick(QPainter& painter, const QRectF& box, const QColor& colour, qreal width);

// The picture in grey, lighter, keeping its transparency (a disabled look).
[[nodiscard]] QPixmap GreyedPicture(const QPixmap& picture);
// The picture a little brighter (the look under the mouse).
[[nodiscard]] QPixmap BrightenedPicture(const QPixmap& picture);
