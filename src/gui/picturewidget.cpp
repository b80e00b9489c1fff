#include "picturewidget.h"

#include <QPainter>
#include <QPainterPath>

namespace korvalde::gui {

namespace {

// Drawn in a 100 x 100 box; the widget scales it to its size.
void drawCrosshair(QPainter &painter)
{
    const QColor steel(58, 74, 92);
    const QColor signal(178, 34, 34);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steel, 4));
    painter.drawEllipse(QPointF(50, 50), 40, 40);
    painter.setPen(QPen(steel, 2));
    painter.drawEllipse(QPointF(50, 50), 24, 24);
    painter.setPen(QPen(steel, 3, Qt::SolidLine, Qt::FlatCap));
    // The cross stops short of the centre, so the red dot stays free to aim with.
    painter.drawLine(QPointF(4, 50), QPointF(42, 50));
    painter.drawLine(QPointF(58, 50), QPointF(96, 50));
    painter.drawLine(QPointF(50, 4), QPointF(50, 42));
    painter.drawLine(QPointF(50, 58), QPointF(50, 96));
    painter.setPen(QPen(steel, 2));
    for (int tick = 1; tick <= 3; ++tick) {
        const double offset = 8.0 * tick;
        painter.drawLine(QPointF(50 - offset, 47), QPointF(50 - offset, 53));
        painter.drawLine(QPointF(50 + offset, 47), QPointF(50 + offset, 53));
        painter.drawLine(QPointF(47, 50 + offset), QPointF(53, 50 + offset));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(signal);
    painter.drawEllipse(QPointF(50, 50), 3, 3);
}

void drawCartridge(QPainter &painter)
{
    const QColor brass(201, 152, 56);
    const QColor brassShade(150, 108, 30);
    const QColor copper(184, 96, 58);
    const QColor outline(70, 50, 20);
    painter.setPen(QPen(outline, 1.5));

    // Case, standing upright, with the rim at the bottom.
    QLinearGradient caseShine(30, 0, 70, 0);
    caseShine.setColorAt(0.0, brassShade);
    caseShine.setColorAt(0.35, brass.lighter(130));
    caseShine.setColorAt(1.0, brassShade);
    painter.setBrush(caseShine);
    painter.drawRect(QRectF(33, 42, 34, 46));
    painter.drawRect(QRectF(30, 88, 40, 8));
    painter.setBrush(brassShade);
    painter.drawRect(QRectF(35, 84, 30, 4));

    // Bullet: a rounded ogive on top of the case mouth.
    QPainterPath bullet;
    bullet.moveTo(36, 42);
    bullet.lineTo(36, 30);
    bullet.cubicTo(36, 14, 46, 4, 50, 4);
    bullet.cubicTo(54, 4, 64, 14, 64, 30);
    bullet.lineTo(64, 42);
    bullet.closeSubpath();
    QLinearGradient bulletShine(36, 0, 64, 0);
    bulletShine.setColorAt(0.0, copper.darker(130));
    bulletShine.setColorAt(0.4, copper.lighter(140));
    bulletShine.setColorAt(1.0, copper.darker(130));
    painter.setBrush(bulletShine);
    painter.drawPath(bullet);
    painter.setPen(QPen(outline, 1));
    painter.drawLine(QPointF(33, 46), QPointF(67, 46));
}

} // namespace

PictureWidget::PictureWidget(const QString &pictureName, QWidget *parent) : QWidget(parent), pictureName_(pictureName)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PictureWidget::setPictureName(const QString &pictureName)
{
    pictureName_ = pictureName;
    update();
}

QSize PictureWidget::sizeHint() const
{
    return {96, 96};
}

void PictureWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height());
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / 100.0, side / 100.0);
    if (pictureName_ == QLatin1String("crosshair"))
        drawCrosshair(painter);
    else if (pictureName_ == QLatin1String("cartridge"))
        drawCartridge(painter);
    else
        painter.drawRect(QRectF(1, 1, 98, 98));
}

} // namespace korvalde::gui
