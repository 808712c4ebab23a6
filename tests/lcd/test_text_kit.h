// Helpers shared by the font, text and furniture tests: the screen as a set of lit pixels,
// glyph bits read straight from the tables, and a fixture that starts from a blank screen
// and checks that no drawing spills past the frame buffer.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <utility>

#include "instrument/InstrumentState.h"
#include "lcd/Fonts.h"
#include "lcd/FrameBuffer.h"

namespace text_kit {

using Pixel = std::pair<int, int>;  // x, y
using Pixels = std::set<Pixel>;

inline Pixels LitPixels() {
  Pixels lit;
  for (int y = 0; y < LCD_HEIGHT; ++y)
    for (int x = 0; x < LCD_WIDTH; ++x)
      if (LcdGetPixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y))) lit.insert({x, y});
  return lit;
}

// Every pixel of columns x0..x1 and rows y0..y1, both inclusive.
inline Pixels Block(int x0, int x1, int y0, int y1) {
  Pixels block;
  for (int x = x0; x <= x1; ++x)
    for (int y = y0; y <= y1; ++y) block.insert({x, y});
  return block;
}

inline Pixels Union(Pixels a, const Pixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// What draw lights on a blank screen.
inline Pixels Drawn(const std::function<void()>& draw) {
  LcdClear();
  draw();
  return LitPixels();
}

// Glyph pixels read from the tables, row 0 being each glyph's top row.
inline bool Font8x8Bit(int code, int column, int row) {
  return (Font8x8[(code - FONT8X8_FIRST) * FONT8X8_GLYPH_BYTES + column] >> row) & 1;
}
inline bool SmallFontBit(int code, int column, int row) {
  return (SmallFont[(code - SMALL_FONT_FIRST) * SMALL_FONT_GLYPH_BYTES + column] >> (6 - row)) & 1;
}
inline bool BigDigitBit(int slot, int column, int row) {
  return (BigDigitFont[slot * BIG_DIGIT_GLYPH_BYTES + (row / 8) * BIG_DIGIT_COLUMNS + column] >> (row % 8)) & 1;
}

// A glyph's lit pixels placed with its top-left corner at (x, y).
inline Pixels Font8x8Glyph(int code, int x, int y) {
  Pixels lit;
  for (int c = 0; c < 8; ++c)
    for (int r = 0; r < 8; ++r)
      if (Font8x8Bit(code, c, r)) lit.insert({x + c, y + r});
  return lit;
}
inline Pixels BigDigitGlyph(int digit, int x, int y) {
  Pixels lit;
  for (int c = 0; c < BIG_DIGIT_COLUMNS; ++c)
    for (int r = 0; r < 8 * BIG_DIGIT_PAGES; ++r)
      if (BigDigitBit(3 + digit, c, r)) lit.insert({x + c, y + r});
  return lit;
}

class LcdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    State = InstrumentState{};
    State.PendingKey = 0xA5;
    State.KeyStep = 0x5A;
  }
  void TearDown() override {
    EXPECT_EQ(State.PendingKey, 0xA5) << "drawing wrote past the frame buffer";
    EXPECT_EQ(State.KeyStep, 0x5A) << "drawing wrote past the frame buffer";
  }
};

}  // namespace text_kit
