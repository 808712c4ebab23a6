// Placeholder table until the glyphs are drawn.
#include "lcd/Fonts.h"

const uint8_t Font8x8[FONT8X8_SIZE] = {};
