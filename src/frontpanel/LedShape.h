// Shape1, the LED: a circle with a black outline whose fill the instrument sets.
#pragma once
#include <QColor>
#include <QWidget>

class LedShape final : public QWidget {
 public:
  LedShape(QWidget* parent, QColor fill);

  QColor Fill() const { return fill_; }
  void SetFill(QColor fill);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};
