// Image1, the on-screen LCD: shows its LcdSurface once something has been presented, and
// nothing at all before (the panel beneath shows through).
#pragma once
#include <QWidget>

#include "frontpanel/LcdSurface.h"

class LcdImage final : public QWidget {
 public:
  LcdImage(QWidget* parent, QColor ground, uint32_t unlit);

  LcdSurface& Surface() { return surface_; }
  const QImage& Image() const { return surface_.Image(); }
  // True once a frame or a pixel has been written.
  bool Painted() const { return painted_; }
  void MarkPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LcdSurface surface_;
  bool painted_ = false;
};
