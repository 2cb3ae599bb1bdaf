#include "stateicons.h"

#include "picturepainting.h"

#include <QPainter>
#include <QPolygonF>

namespace {

const QRectF kPage(2.5, 2.5, 10, 14);

void DrawMagnifier(QPainter& p)
{
    p.setPen(QPen(QColor(0x50, 0x40, 0x30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.0, 14.5), QPointF(14.5, 18.0));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.1));
    p.setBrush(QColor(0xBF, 0xE0, 0xFF, 0xD0));
    p.drawEllipse(QRectF(5.0, 8.5, 7, 7));
}

void DrawWarning(QPainter& p)
{
    QPolygonF triangle;
    triangle << QPointF(11.0, 9.0) << QPointF(15.5, 18.0) << QPointF(6.5, 18.0);
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x00), 0.9, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xD0, 0x1A));
    p.drawPolygon(triangle);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(11.0, 11.8), QPointF(11.0, 15.0));
    p.drawPoint(QPointF(11.0, 16.6));
}

void DrawCross(QPainter& p)
{
    p.setPen(QPen(QColor(0xD0, 0x18, 0x18), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 5.5), QPointF(12.5, 14.5));
    p.drawLine(QPointF(12.5, 5.5), QPointF(3.5, 14.5));
}

}  // namespace

QPixmap DrawStateIcon(EntryStatus status, int scale)
{
    return PaintPicture(kStateIconSize.width(), kStateIconSize.height(), scale, [status](QPainter& p) {
        switch (status) {
        case EntryStatus::Unchecked:
            DrawPage(p, kPage);
            break;
        case EntryStatus::Checking:
            DrawPage(p, kPage);
            DrawMagnifier(p);
            break;
        case EntryStatus::Bad:
            DrawCross(p);
            break;
        case EntryStatus::OK:
            DrawTick(p, QRectF(2.5, 5.0, 11, 10), QColor(0x1F, 0x9A, 0x2E), 2.8);
            break;
        case EntryStatus::Missing:
            DrawPage(p, QRectF(1.5, 1.5, 10, 14));
            DrawWarning(p);
            break;
        }
    });
}

StateIcons::StateIcons()
{
    for (int status = 0; status < 5; ++status) {
        m_icons[status] = DrawStateIcon(static_cast<EntryStatus>(status));
    }
}

const QPixmap& StateIcons::Icon(EntryStatus status) const
{
    const int index = static_cast<int>(status);
    return m_icons[index >= 0 && index < 5 ? index : 0];
}
