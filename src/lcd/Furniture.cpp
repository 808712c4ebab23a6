// Screen furniture built on LcdText and the primitives.
#include "lcd/Furniture.h"

#include <cstring>

#include "instrument/InstrumentState.h"
#include "lcd/FrameBuffer.h"
#include "lcd/Text.h"

void LcdTitle(const char* text) {
  const TextCopy copy(text);
  const int n = static_cast<uint8_t>(std::strlen(copy.text));
  LcdText(static_cast<uint8_t>(57 - 4 * n), 0, copy.text, 0, 0);
  LcdLine(0, 4, 59 - 4 * n, 4, 1);
  LcdLine(55 + 4 * n, 4, 118, 4, 1);
}

void LcdScrollBar(uint8_t index, uint8_t count) {
  LcdLine(111, 8, 111, 63, 1);
  if (count == 0) {
    return;
  }
  const int h = 560 / count;  // thumb size in tenths of a pixel
  const int top = (index * h + 80) / 10;
  const int bottom = top + h / 10;
  LcdFillRect(109, static_cast<uint8_t>(top), 114, static_cast<uint8_t>(bottom), 1);
}

void LcdRowText(uint8_t x, uint8_t y, const char* text, uint8_t inverse) {
  LcdText(x, y, text, 0, inverse);
}

void LcdRowTextConst(uint8_t x, uint8_t y, const char* text, uint8_t inverse) {
  LcdTextConst(x, y, text, 0, inverse);
}

void LcdMenuRow(uint8_t valueX, uint8_t row, const char* label, const char* value) {
  const TextCopy labelCopy(label);
  const uint8_t y = static_cast<uint8_t>(8 + 8 * row);
  const bool current = State.Cursor == row;
  LcdRowText(0, y, labelCopy.text, current && State.EditMode == 0 ? 1 : 0);
  const uint8_t valueStart = static_cast<uint8_t>(8 * std::strlen(labelCopy.text) + valueX);
  LcdRowText(valueStart, y, value, current ? 1 : 0);
}

void LcdMenuRowConst(uint8_t valueX, uint8_t row, const char* label, const char* value) {
  const TextCopy valueCopy(value);
  LcdMenuRow(valueX, row, label, valueCopy.text);
}
