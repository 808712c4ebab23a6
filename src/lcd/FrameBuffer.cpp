// Frame buffer primitives: every pixel but those of LcdIcon goes through LcdSetPixel.
#include "lcd/FrameBuffer.h"

#include <cstring>

#include "instrument/InstrumentState.h"

int32_t IntAbs(int32_t v) {
  // Negating in unsigned arithmetic keeps -2147483648 as it is without overflow.
  return v < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(v)) : v;
}

void LcdClear() { std::memset(State.FrameBuffer, 0, FRAME_BUFFER_SIZE); }

uint8_t LcdGetPixel(uint8_t x, uint8_t y) {
  if (x >= LCD_WIDTH || y >= LCD_HEIGHT) {
    return 0;
  }
  return (State.FrameBuffer[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
}

void LcdLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t on) {
  // The walk runs in 64 bits so that no pair of 32-bit end points can overflow it;
  // within the screen's range every step is the same as the 32-bit walk.
  const int64_t dx = x1 > x0 ? int64_t{x1} - x0 : int64_t{x0} - x1;
  const int64_t dy = y1 > y0 ? int64_t{y1} - y0 : int64_t{y0} - y1;
  const int64_t sx = x0 > x1 ? -1 : 1;
  const int64_t sy = y0 > y1 ? -1 : 1;
  int64_t x = x0;
  int64_t y = y0;
  auto plot = [&] { LcdSetPixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), on); };
  if (dx >= dy) {
    int64_t d = 2 * dy - dx;
    for (int64_t i = 0; i <= dx; ++i) {
      plot();
      if (d > 0) {
        x += sx;
        y += sy;
        d += 2 * dy - 2 * dx;
      } else {
        x += sx;
        d += 2 * dy;
      }
    }
  } else {
    int64_t d = 2 * dx - dy;
    for (int64_t i = 0; i <= dy; ++i) {
      plot();
      if (d > 0) {
        x += sx;
        y += sy;
        d += 2 * dx - 2 * dy;
      } else {
        y += sy;
        d += 2 * dx;
      }
    }
  }
}

void LcdRect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on) {
  LcdLine(x0, y0, x0, y1, on);
  LcdLine(x0, y0, x1, y0, on);
  LcdLine(x1, y0, x1, y1, on);
  LcdLine(x0, y1, x1, y1, on);
}

void LcdFillRect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on) {
  for (uint8_t column = x0; column < x1; ++column) {
    LcdLine(column, y0, column, y1, on);
  }
}
