// Placeholder table until the glyphs are drawn.
#include "lcd/Fonts.h"

const uint8_t BigDigitFont[BIG_DIGIT_FONT_SIZE] = {};
