#include "appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace korvalde::gui {

namespace {

// Drawn in a 128 x 128 box, as the desktop icon is.
void drawIcon(QPainter &painter)
{
    const QColor slate(0x2e, 0x3b, 0x4e);
    const QColor brass(0xd4, 0xa2, 0x3c);
    const QColor rim(0xb8, 0x87, 0x2c);
    const QColor copper(0xc9, 0x6a, 0x3b);
    const QColor reticle(0xe8, 0xed, 0xf3);
    const QColor dot(0xe0, 0x40, 0x40);

    painter.setPen(Qt::NoPen);
    painter.setBrush(slate);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);

    painter.save();
    painter.translate(64, 64);
    painter.rotate(35);
    painter.translate(-64, -64);
    painter.setBrush(brass);
    painter.drawRoundedRect(QRectF(56, 40, 16, 52), 2, 2);
    QPainterPath bullet;
    bullet.moveTo(56, 40);
    bullet.quadTo(64, 18, 72, 40);
    bullet.closeSubpath();
    painter.setBrush(copper);
    painter.drawPath(bullet);
    painter.setBrush(rim);
    painter.drawRoundedRect(QRectF(54, 88, 20, 6), 1, 1);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(reticle, 6));
    painter.drawEllipse(QPointF(64, 64), 40, 40);
    painter.setPen(QPen(reticle, 3));
    painter.drawEllipse(QPointF(64, 64), 20, 20);
    painter.setPen(QPen(reticle, 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(64, 14), QPointF(64, 44));
    painter.drawLine(QPointF(64, 84), QPointF(64, 114));
    painter.drawLine(QPointF(14, 64), QPointF(44, 64));
    painter.drawLine(QPointF(84, 64), QPointF(114, 64));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    painter.drawEllipse(QPointF(64, 64), 4, 4);
}

QPixmap iconPixmap(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 128.0, side / 128.0);
    drawIcon(painter);
    return pixmap;
}

} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(iconPixmap(side));
    return icon;
}

} // namespace korvalde::gui
