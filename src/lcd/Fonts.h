// The three bitmap font tables in their column-byte layouts.
#pragma once
#include <cstdint>

// 8 x 8 main font: codes 32 to 138, 8 column bytes a glyph, bit 0 the top row.
constexpr int FONT8X8_FIRST = 32;
constexpr int FONT8X8_LAST = 138;
constexpr int FONT8X8_GLYPH_BYTES = 8;
constexpr int FONT8X8_SIZE = (FONT8X8_LAST - FONT8X8_FIRST + 1) * FONT8X8_GLYPH_BYTES;  // 856
extern const uint8_t Font8x8[FONT8X8_SIZE];

// 5 x 7 splash font: codes 32 to 127, 5 column bytes a glyph, bit 6 the top row, bit 0 the bottom.
constexpr int SMALL_FONT_FIRST = 32;
constexpr int SMALL_FONT_LAST = 127;
constexpr int SMALL_FONT_GLYPH_BYTES = 5;
constexpr int SMALL_FONT_SIZE = (SMALL_FONT_LAST - SMALL_FONT_FIRST + 1) * SMALL_FONT_GLYPH_BYTES;  // 480
extern const uint8_t SmallFont[SMALL_FONT_SIZE];

// Read-out digits: 13 slots from code '-' (45); slots 3 to 12 hold '0' to '9'. A slot is
// 4 pages of 22 column bytes, page after page, bit 0 on top.
constexpr int BIG_DIGIT_FIRST = '-';
constexpr int BIG_DIGIT_SLOTS = 13;
constexpr int BIG_DIGIT_COLUMNS = 22;
constexpr int BIG_DIGIT_PAGES = 4;
constexpr int BIG_DIGIT_GLYPH_BYTES = BIG_DIGIT_COLUMNS * BIG_DIGIT_PAGES;  // 88
constexpr int BIG_DIGIT_FONT_SIZE = BIG_DIGIT_SLOTS * BIG_DIGIT_GLYPH_BYTES;  // 1144
extern const uint8_t BigDigitFont[BIG_DIGIT_FONT_SIZE];
