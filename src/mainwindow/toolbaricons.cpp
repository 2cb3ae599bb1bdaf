#include "toolbaricons.h"

#include "picturepainting.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QColor kGreen(0x2E, 0xA0, 0x3C);
const QColor kDarkGreen(0x1C, 0x6E, 0x27);

void DrawBlankPage(QPainter& p)
{
    DrawPage(p, QRectF(3.5, 1.5, 9, 13));
}

void DrawOpenFolder(QPainter& p)
{
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(5.5, 4.5);
    back.lineTo(6.5, 5.5);
    back.lineTo(11.5, 5.5);
    back.lineTo(11.5, 14.5);
    back.lineTo(1.5, 14.5);
    back.closeSubpath();
    p.setPen(QPen(QColor(0x9A, 0x74, 0x10), 1.0));
    p.setBrush(QColor(0xE8, 0xB8, 0x3A));
    p.drawPath(back);
    // The open front flap.
    QPolygonF front;
    front << QPointF(1.5, 14.5) << QPointF(4.0, 8.5) << QPointF(14.5, 8.5) << QPointF(11.5, 14.5);
    p.setBrush(QColor(0xFA, 0xD8, 0x6A));
    p.drawPolygon(front);
    // The green arrow coming out of it, up and to the right.
    p.setPen(QPen(kGreen, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath shaft;
    shaft.moveTo(8.0, 7.5);
    shaft.quadTo(9.0, 3.0, 13.0, 2.5);
    p.drawPath(shaft);
    QPolygonF head;
    head << QPointF(15.5, 2.3) << QPointF(11.8, 0.2) << QPointF(12.3, 5.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(head);
}

void DrawFloppyDisk(QPainter& p)
{
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(12.5, 1.5);
    body.lineTo(14.5, 3.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    p.setPen(QPen(QColor(0x10, 0x24, 0x58), 1.0));
    p.setBrush(QColor(0x2B, 0x4C, 0xA8));
    p.drawPath(body);
    // Metal shutter at the top, with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xCC, 0xD4));
    p.drawRect(QRectF(4, 2, 7, 4.5));
    p.setBrush(QColor(0x2B, 0x4C, 0xA8));
    p.drawRect(QRectF(8.5, 2.8, 1.6, 3));
    // White label at the bottom.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 8.5, 9, 5.5));
    p.setPen(QPen(QColor(0x90, 0x98, 0xB0), 0.8));
    p.drawLine(QPointF(4.5, 10.5), QPointF(11.5, 10.5));
    p.drawLine(QPointF(4.5, 12.3), QPointF(11.5, 12.3));
}

void DrawAbcTile(QPainter& p)
{
    p.setPen(QPen(QColor(0x12, 0x3E, 0x8C), 1.0));
    p.setBrush(QColor(0x2F, 0x6F, 0xD8));
    p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 2, 2);
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0.5, 2.5, 15, 11), Qt::AlignCenter, QStringLiteral("ABC"));
}

void DrawCheckListWindow(QPainter& p)
{
    p.setPen(QPen(QColor(0x30, 0x40, 0x60), 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2F, 0x6F, 0xD8));
    p.drawRect(QRectF(2, 2, 12, 3));
    for (int line = 0; line < 3; ++line) {
        const qreal y = 6.5 + line * 2.7;
        DrawTick(p, QRectF(3.3, y, 2.6, 1.8), kGreen, 1.0);
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
        p.drawLine(QPointF(7.5, y + 1.0), QPointF(12.5, y + 1.0));
    }
}

void DrawRedSquare(QPainter& p)
{
    p.setPen(QPen(QColor(0x8C, 0x10, 0x10), 1.0));
    p.setBrush(QColor(0xE0, 0x26, 0x26));
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

void DrawStartPause(QPainter& p)
{
    p.setPen(QPen(kDarkGreen, 0.8));
    p.setBrush(kGreen);
    p.drawRect(QRectF(1.5, 3.5, 2, 9));
    p.drawRect(QRectF(4.5, 3.5, 2, 9));
    QPolygonF triangle;
    triangle << QPointF(8.5, 3.0) << QPointF(14.8, 8.0) << QPointF(8.5, 13.0);
    p.drawPolygon(triangle);
}

void DrawPushPin(QPainter& p)
{
    // Needle first, from the head down to the left.
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.0, 9.0), QPointF(2.0, 14.0));
    // The pin's body and its round head.
    p.setPen(QPen(QColor(0x8C, 0x10, 0x10), 0.8));
    p.setBrush(QColor(0xD8, 0x30, 0x30));
    QPolygonF body;
    body << QPointF(5.0, 8.0) << QPointF(8.0, 11.0) << QPointF(11.5, 7.5) << QPointF(8.5, 4.5);
    p.drawPolygon(body);
    p.setBrush(QColor(0xF0, 0x50, 0x50));
    p.drawEllipse(QRectF(8.5, 1.0, 6.5, 6.5));
}

void DrawPicture(QPainter& painter, ToolbarPicture picture)
{
    switch (picture) {
    case ToolbarPicture::BlankPage: DrawBlankPage(painter); break;
    case ToolbarPicture::OpenFolder: DrawOpenFolder(painter); break;
    case ToolbarPicture::FloppyDisk: DrawFloppyDisk(painter); break;
    case ToolbarPicture::AbcTile: DrawAbcTile(painter); break;
    case ToolbarPicture::CheckListWindow: DrawCheckListWindow(painter); break;
    case ToolbarPicture::RedSquare: DrawRedSquare(painter); break;
    case ToolbarPicture::StartPause: DrawStartPause(painter); break;
    case ToolbarPicture::PushPin: DrawPushPin(painter); break;
    }
}

}  // namespace

QPixmap DrawToolbarPicture(ToolbarPicture picture, PictureLook look, int scale)
{
    const QPixmap colour = PaintPicture(16, 16, scale, [picture](QPainter& p) { DrawPicture(p, picture); });
    switch (look) {
    case PictureLook::Normal: return colour;
    case PictureLook::Hot: return BrightenedPicture(colour);
    case PictureLook::Disabled: return GreyedPicture(colour);
    }
    return colour;
}

QIcon ToolbarIcon(ToolbarPicture picture)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        icon.addPixmap(DrawToolbarPicture(picture, PictureLook::Normal, scale), QIcon::Normal);
        icon.addPixmap(DrawToolbarPicture(picture, PictureLook::Hot, scale), QIcon::Active);
        icon.addPixmap(DrawToolbarPicture(picture, PictureLook::Disabled, scale), QIcon::Disabled);
    }
    return icon;
}

QPixmap DrawApplicationPicture(int size)
{
    return PaintPicture(size, size, 1, [size](QPainter& p) {
        const qreal s = size / 16.0;
        p.scale(s, s);
        p.setPen(QPen(QColor(0x9A, 0x3D, 0x08), 0.8));
        p.setBrush(QColor(0xF0, 0x7A, 0x1E));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        // Three tally strokes and a tick over them.
        p.setPen(QPen(QColor(0xFF, 0xE8, 0xD0), 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(3.0 + i * 2.2, 3.0), QPointF(3.0 + i * 2.2, 8.0));
        }
        DrawTick(p, QRectF(4.0, 6.0, 8.5, 6.5), Qt::white, 2.0);
    });
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(DrawApplicationPicture(size));
    }
    return icon;
}
