// The LED circle: as large as the shorter side allows, centred in the control.
#include "frontpanel/LedShape.h"

#include <QPainter>
#include <algorithm>

LedShape::LedShape(QWidget* parent, QColor fill) : QWidget(parent), fill_(fill) {
  setAttribute(Qt::WA_NoSystemBackground);
}

void LedShape::SetFill(QColor fill) {
  if (fill != fill_) {
    fill_ = fill;
    update();
  }
}

void LedShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal diameter = std::min(width(), height()) - 1.0;
  const QRectF circle((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(fill_);
  painter.drawEllipse(circle);
}
