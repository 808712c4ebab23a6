// Text renderers. Every pixel goes through LcdSetPixel; all position arithmetic is 8-bit.
#include "lcd/Text.h"

#include <cstring>

#include "lcd/Fonts.h"
#include "lcd/FrameBuffer.h"

TextCopy::TextCopy(const char* source) {
  size_t n = 0;
  while (source != nullptr && n < TEXT_BUFFER_SIZE - 1 && source[n] != '\0') {
    text[n] = source[n];
    ++n;
  }
  text[n] = '\0';
}

namespace {

// A missing text counts as empty, here and in every renderer.
uint8_t TextLength(const char* text) { return text == nullptr ? 0 : static_cast<uint8_t>(std::strlen(text)); }

const uint8_t kBlankGlyph[FONT8X8_GLYPH_BYTES] = {};

// A code outside the font draws as a blank cell of the usual advance.
const uint8_t* Font8x8Glyph(uint8_t code) {
  if (code < FONT8X8_FIRST || code > FONT8X8_LAST) {
    return kBlankGlyph;
  }
  return &Font8x8[static_cast<uint8_t>(code - FONT8X8_FIRST) * FONT8X8_GLYPH_BYTES];
}

const uint8_t* SmallFontGlyph(uint8_t code) {
  if (code < SMALL_FONT_FIRST || code > SMALL_FONT_LAST) {
    return kBlankGlyph;
  }
  return &SmallFont[static_cast<uint8_t>(code - SMALL_FONT_FIRST) * SMALL_FONT_GLYPH_BYTES];
}

void BigMinusBar(int x, int y) {
  for (int r = 13; r <= 16; ++r) {
    LcdLine(x, y + r, x + 11, y + r, 1);
  }
}

void BigPlus(int x, int y) {
  for (int c = 4; c <= 7; ++c) {
    LcdLine(x + c, y + 9, x + c, y + 20, 1);
  }
  BigMinusBar(x, y);
}

void BigDot(int x, int y) {
  LcdLine(x + 2, y + 27, x + 2, y + 28, 1);
  for (int c = 3; c <= 5; ++c) {
    LcdLine(x + c, y + 26, x + c, y + 29, 1);
  }
  LcdLine(x + 6, y + 27, x + 6, y + 28, 1);
}

void BigDigit(uint8_t x, uint8_t y, uint8_t code) {
  const uint8_t* glyph = &BigDigitFont[static_cast<uint8_t>(code - BIG_DIGIT_FIRST) * BIG_DIGIT_GLYPH_BYTES];
  for (int p = 0; p < BIG_DIGIT_PAGES; ++p) {
    for (int q = 0; q < BIG_DIGIT_COLUMNS; ++q) {
      const uint8_t column = glyph[p * BIG_DIGIT_COLUMNS + q];
      for (int k = 0; k < 8; ++k) {
        if ((column >> k) & 1) {
          LcdSetPixel(static_cast<uint8_t>(x + q), static_cast<uint8_t>(y + 8 * p + k), 1);
        }
      }
    }
  }
}

// Plots glyph row k of one column at screen column x: one row, or two when tall.
void PlotGlyphRow(uint8_t x, uint8_t y, int k, bool tall, uint8_t on) {
  if (tall) {
    LcdSetPixel(x, static_cast<uint8_t>(y + 2 * k), on);
    LcdSetPixel(x, static_cast<uint8_t>(y + 2 * k + 1), on);
  } else {
    LcdSetPixel(x, static_cast<uint8_t>(y + k), on);
  }
}

}  // namespace

void LcdText(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
  const bool isTall = tall == 1;
  const bool isInverse = inverse == 1;
  for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
    const uint8_t* glyph = Font8x8Glyph(static_cast<uint8_t>(*c));
    for (int column = 0; column < FONT8X8_GLYPH_BYTES; ++column) {
      const unsigned bits = glyph[column];
      if (isInverse) {
        // The whole cell is written: glyph pixels cleared, all others set.
        for (int k = 0; k < 8; ++k) PlotGlyphRow(x, y, k, isTall, ((bits >> k) & 1) ? 0 : 1);
      } else {
        // Transparent: only the glyph's own pixels are set.
        for (unsigned rest = bits; rest != 0; rest &= rest - 1) {
          PlotGlyphRow(x, y, __builtin_ctz(rest), isTall, 1);
        }
      }
      x = static_cast<uint8_t>(x + 1);
    }
  }
}

void LcdTextConst(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
  const TextCopy copy(text);
  LcdText(x, y, copy.text, tall, inverse);
}

void LcdTextCentered(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
  LcdText(static_cast<uint8_t>(x - 4 * TextLength(text)), y, text, tall, inverse);
}

void LcdTextCenteredConst(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
  const TextCopy copy(text);
  LcdTextCentered(x, y, copy.text, tall, inverse);
}

void LcdTextSmall(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom) {
  bool inverse = false;
  size_t position = 0;
  for (const char* c = text; c != nullptr && *c != '\0'; ++c, ++position) {
    if (position == inverseFrom) {
      inverse = true;
    }
    const uint8_t* glyph = SmallFontGlyph(static_cast<uint8_t>(*c));
    for (int j = 0; j < 6; ++j) {
      const uint8_t column = j < SMALL_FONT_GLYPH_BYTES ? glyph[j] : 0;
      const uint8_t px = static_cast<uint8_t>(x + j);
      // Bit 7 lands on row y - 1, bit 0 on row y + 6.
      for (int bit = 7; bit >= 0; --bit) {
        const bool set = (column >> bit) & 1;
        if (set != inverse) {
          LcdSetPixel(px, static_cast<uint8_t>(y + 6 - bit), 1);
        }
      }
    }
    x = static_cast<uint8_t>(x + 6);
  }
}

void LcdTextSmallConst(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom) {
  const TextCopy copy(text);
  LcdTextSmall(x, y, copy.text, inverseFrom);
}

void LcdTextSmallCentered(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom) {
  LcdTextSmall(static_cast<uint8_t>(x - 3 * TextLength(text)), y, text, inverseFrom);
}

void LcdTextSmallCenteredConst(uint8_t x, uint8_t y, const char* text, uint8_t inverseFrom) {
  const TextCopy copy(text);
  LcdTextSmallCentered(x, y, copy.text, inverseFrom);
}

void LcdBigNumber(uint8_t x, uint8_t y, const char* text) {
  for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
    switch (*c) {
      case '-':
        BigMinusBar(x, y);
        x = static_cast<uint8_t>(x + 14);
        break;
      case '+':
        BigPlus(x, y);
        x = static_cast<uint8_t>(x + 14);
        break;
      case '.':
        BigDot(x, y);
        x = static_cast<uint8_t>(x + 12);
        break;
      default:
        // Digits draw their glyph; a space or any other character leaves its cell blank.
        if (*c >= '0' && *c <= '9') {
          BigDigit(x, y, static_cast<uint8_t>(*c));
        }
        x = static_cast<uint8_t>(x + 22);
        break;
    }
  }
}
