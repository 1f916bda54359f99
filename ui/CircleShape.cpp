#include "ui/CircleShape.h"

#include <QPainter>

CircleShape::CircleShape(QWidget* parent) : QWidget(parent) {}

void CircleShape::setBrushColor(const QColor& color) {
    if (fill == color)
        return;
    fill = color;
    update();
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    // The circle takes the largest square of the widget, centred, so a non-square frame keeps it round.
    int side = qMin(width(), height()) - 1;
    painter.drawEllipse(QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}
