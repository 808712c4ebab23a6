// A transparent click area over the face picture (Image3, Image5, Image6): it draws
// nothing, so the face shows through, and reports a click pressed and released inside it.
#pragma once
#include <QWidget>

class ClickArea final : public QWidget {
  Q_OBJECT

 public:
  explicit ClickArea(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};
