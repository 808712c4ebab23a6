// Placeholder sheets until the icons are drawn.
#include "lcd/Icons.h"

const uint8_t IconSheets[2 * ICON_SHEET_BYTES] = {};
