// Placeholder table until the glyphs are drawn.
#include "lcd/Fonts.h"

const uint8_t SmallFont[SMALL_FONT_SIZE] = {};
