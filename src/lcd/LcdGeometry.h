// Size and layout constants of the 114 x 64 monochrome LCD and its frame buffer.
#pragma once
#include <cstdint>

constexpr int LCD_WIDTH = 114;
constexpr int LCD_HEIGHT = 64;
constexpr int LCD_PAGES = 8;                            // 8 rows per page, bit 0 on top
constexpr int FRAME_BUFFER_SIZE = LCD_PAGES * LCD_WIDTH;  // 912 bytes
