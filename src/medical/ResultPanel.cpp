#include "medical/ResultPanel.h"

#include <QPainter>

ResultPanel::ResultPanel(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }

void ResultPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x8f, 0xa8, 0xc8), 1));
    painter.setBrush(QColor(0xee, 0xf3, 0xfa));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
