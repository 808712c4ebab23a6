// Drawing primitives over the frame buffer. Coordinates reach LcdSetPixel as unsigned 8-bit
// values (wider ones are taken modulo 256) and pixels beyond the screen are dropped.
#pragma once
#include <cstdint>

#include "instrument/InstrumentState.h"
#include "lcd/LcdGeometry.h"

// Absolute value; the most negative value is returned unchanged.
int32_t IntAbs(int32_t v);

void LcdClear();
// Sets (on != 0) or clears pixel (x, y); nothing when x > 113 or y > 63. Inline, since
// every pixel the renderers draw goes through it.
inline void LcdSetPixel(uint8_t x, uint8_t y, uint8_t on) {
  if (x >= LCD_WIDTH || y >= LCD_HEIGHT) {
    return;
  }
  uint8_t& column = State.FrameBuffer[(y / 8) * LCD_WIDTH + x];
  const uint8_t mask = static_cast<uint8_t>(1u << (y % 8));
  column = on != 0 ? static_cast<uint8_t>(column | mask) : static_cast<uint8_t>(column & ~mask);
}
// Bresenham walk from (x0, y0) to (x1, y1), both ends included.
void LcdLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t on);
// Outline with corners (x0, y0) and (x1, y1), given in any order.
void LcdRect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on);
// Columns x0 to x1 - 1 (right edge exclusive), each from row y0 to row y1 inclusive.
void LcdFillRect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on);

// Reads one pixel: 1 lit, 0 unlit, 0 beyond the screen.
uint8_t LcdGetPixel(uint8_t x, uint8_t y);
