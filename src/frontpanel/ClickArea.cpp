// The transparent click areas.
#include "frontpanel/ClickArea.h"

#include <QMouseEvent>

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
  }
  event->accept();
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
  // A click counts when the button is let go inside the area it was pressed in.
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    pressed_ = false;
  }
  event->accept();
  if (click) {
    emit clicked();
  }
}

void ClickArea::paintEvent(QPaintEvent*) {}
