// Presenting the frame buffer into the LCD picture.
#include "frontpanel/LcdSurface.h"

#include "instrument/Hardware.h"
#include "instrument/Panel.h"

namespace {
constexpr uint32_t OPAQUE = 0xFF000000u;
}

LcdSurface::LcdSurface(QColor ground, uint32_t unlit)
    : image_(LCD_IMAGE_WIDTH, LCD_IMAGE_HEIGHT, QImage::Format_RGB32), unlit_(unlit) {
  image_.fill(ground);
}

void LcdSurface::Present(const uint8_t* frameBuffer) {
  // Format_RGB32 rows are 32-bit aligned, so a row holds bytesPerLine / 4 pixels.
  auto* pixels = reinterpret_cast<uint32_t*>(image_.bits());
  ExpandFrameToImage(frameBuffer, OPAQUE | COLOUR_LCD_LIT, OPAQUE | unlit_, pixels,
                     static_cast<int>(image_.bytesPerLine() / 4));
}

void LcdSurface::Plot(int x, int y, uint32_t colour) {
  if (x >= 0 && x < image_.width() && y >= 0 && y < image_.height()) {
    image_.setPixel(x, y, OPAQUE | colour);
  }
}
