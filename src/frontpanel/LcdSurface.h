// The picture behind the on-screen LCD: a 229 x 133 QImage into which the frame buffer is
// expanded at twice its size. No widget, so the presentation can be measured on its own.
#pragma once
#include <QColor>
#include <QImage>
#include <cstdint>

class LcdSurface {
 public:
  // ground: what the image holds before anything is presented (its right-most column and
  // bottom five rows keep it for good); unlit: the colour of an unlit LCD pixel (0xRRGGBB).
  LcdSurface(QColor ground, uint32_t unlit);

  // The whole frame buffer (912 bytes) at twice its size, by direct writes into the image.
  void Present(const uint8_t* frameBuffer);
  // One image pixel through QImage::setPixel; positions outside the image are ignored.
  void Plot(int x, int y, uint32_t colour);

  const QImage& Image() const { return image_; }
  uint32_t Unlit() const { return unlit_; }

 private:
  QImage image_;
  uint32_t unlit_;
};
