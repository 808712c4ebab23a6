// Text renderers over the three fonts. Positions are unsigned 8-bit and advance modulo 256;
// tall and inverse act only when exactly 1. The ...Const entry points copy a constant text
// (at most 31 characters) into a 32-byte working buffer first and draw from the copy.
#pragma once
#include <cstdint>

constexpr int TEXT_BUFFER_SIZE = 32;

// The working copy of a constant text: at most 31 characters, always terminated, so an
// over-long constant cannot run past the buffer.
struct TextCopy {
  char text[TEXT_BUFFER_SIZE];
  explicit TextCopy(const char* source);
};

// Font8x8, first cell's top-left corner at (x, y); 8 columns a character, 16 rows when tall.
void LcdText(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
void LcdTextConst(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
// LcdText from x - 4 x length.
void LcdTextCentered(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
void LcdTextCenteredConst(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);

// SmallFont, glyph top row on row y; characters from position inverseFrom on are inverse.
void LcdTextSmall(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom);
void LcdTextSmallConst(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom);
// LcdTextSmall from x - 3 x length.
void LcdTextSmallCentered(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom);
void LcdTextSmallCenteredConst(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom);

// A signed decimal number in BigDigitFont: " ", "+", "-", "." and digits.
void LcdBigNumber(uint8_t x, uint8_t y, const char* text);
