// Screen furniture: title bar, scroll bar, list rows and their cursor highlighting.
// Layout: the title takes rows 0-7; text line r (0-6) starts at row 8 + 8r.
#pragma once
#include <cstdint>

// Title centred in rows 0-7 with a rule on row 4 to its left and right (copies its text).
void LcdTitle(const char* text);
// Thumb in columns 109-113 for item index of count over a track in column 111, rows 8-63.
void LcdScrollBar(uint8_t index, uint8_t count);
// One text line of a list row: LcdText at normal height.
void LcdRowText(uint8_t x, uint8_t y, const char* text, uint8_t inverse);
void LcdRowTextConst(uint8_t x, uint8_t y, const char* text, uint8_t inverse);
// Label and value on text line row: both inverse while Cursor rests on the row, only the
// value while it is edited. The label is copied; LcdMenuRowConst copies the value too.
void LcdMenuRow(uint8_t valueX, uint8_t row, const char* label, const char* value);
void LcdMenuRowConst(uint8_t valueX, uint8_t row, const char* label, const char* value);
