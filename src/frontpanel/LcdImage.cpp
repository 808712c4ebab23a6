// The LCD image widget.
#include "frontpanel/LcdImage.h"

#include <QPaintEvent>
#include <QPainter>

LcdImage::LcdImage(QWidget* parent, QColor ground, uint32_t unlit)
    : QWidget(parent), surface_(ground, unlit) {
  // The picture covers the whole widget once painted; before that the panel shows through.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void LcdImage::MarkPainted() {
  if (!painted_) {
    painted_ = true;
    setAttribute(Qt::WA_OpaquePaintEvent, true);
  }
  update();
}

void LcdImage::paintEvent(QPaintEvent* event) {
  if (!painted_) {
    return;
  }
  QPainter painter(this);
  painter.drawImage(event->rect(), surface_.Image(), event->rect());
}
