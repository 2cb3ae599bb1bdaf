#include "picturepainting.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap MapPixels(const QPixmap& picture, const std::function<QRgb(QRgb)>& map)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = map(line[x]);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(picture.devicePixelRatio());
    return result;
}

}  // namespace

QPixmap PaintPicture(int width, int height, int scale, const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(width * scale, height * scale);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        paint(painter);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

void DrawPage(QPainter& painter, const QRectF& page)
{
    const qreal fold = page.width() * 0.35;
    QPainterPath outline;
    outline.moveTo(page.left(), page.top());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.right(), page.bottom());
    outline.lineTo(page.left(), page.bottom());
    outline.closeSubpath();
    painter.setPen(QPen(QColor(0x6B, 0x6B, 0x6B), 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);

    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setBrush(QColor(0xD8, 0xD8, 0xD8));
    painter.drawPath(corner);
}

void DrawTick(QPainter& painter, const QRectF& box, const QColor& colour, qreal width)
{
    QPainterPath tick;
    tick.moveTo(box.left(), box.top() + box.height() * 0.55);
    tick.lineTo(box.left() + box.width() * 0.38, box.bottom());
    tick.lineTo(box.right(), box.top());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

QPixmap GreyedPicture(const QPixmap& picture)
{
    return MapPixels(picture, [](QRgb pixel) {
        const int grey = 110 + qGray(pixel) * 120 / 255;
        return qRgba(grey, grey, grey, qAlpha(pixel) * 3 / 4);
    });
}

QPixmap BrightenedPicture(const QPixmap& picture)
{
    return MapPixels(picture, [](QRgb pixel) {
        const auto lift = [](int c) { return c + (255 - c) / 5; };
        return qRgba(lift(qRed(pixel)), lift(qGreen(pixel)), lift(qBlue(pixel)), qAlpha(pixel));
    });
}
